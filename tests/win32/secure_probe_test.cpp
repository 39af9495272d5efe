// The https probe through WinINet under Wine, against the loopback TLS test servers: it answers
// for a trusted server, does not follow a redirect down to http, and ends at its overall
// deadline however the server behaves.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "win32/secure_probe.h"
#include "win32/tls_test_servers.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::TTlsTestServers;

class SecureProbeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!servers.Available()) {
      GTEST_SKIP() << "no TLS test servers: ./dev test starts them and sets PORVAN_TLS_DIR";
    }
  }

  // WinINet here takes a certificate for DNS:localhost but not one for IP:127.0.0.1.
  std::string Url(const std::string& kind) {
    return "https://localhost:" + servers.Port(kind) + "/dl/setup.exe";
  }

  const TTlsTestServers servers;
};

TEST_F(SecureProbeTest, AnswersForATrustedServerAndLeavesRedirectsToTheCaller) {
  const TSecureProbeReply good = ProbeWithWinInet(Url("good"), "https://localhost/", {});
  EXPECT_TRUE(good.Answered);
  EXPECT_EQ(good.Status, 200);

  const TSecureProbeReply downgrade = ProbeWithWinInet(Url("downgrade"), "https://localhost/", {});
  EXPECT_TRUE(downgrade.Answered);
  EXPECT_EQ(downgrade.Status, 302);
  EXPECT_EQ(downgrade.Location.rfind("http://127.0.0.1:", 0), 0u) << downgrade.Location;

  const TSecureProbeReply untrusted = ProbeWithWinInet(Url("untrusted"), "https://localhost/", {});
  EXPECT_FALSE(untrusted.Answered);
}

TEST_F(SecureProbeTest, EndsAtTheDeadlineWhateverTheServerDoes) {
  // Each wait may last 30 s; the request as a whole only 1 s + 1.5 s.
  TTransferLimits limits;
  limits.Connect = 1000ms;
  limits.Silence = 30000ms;
  limits.Probe = 1500ms;
  for (const char* kind : {"silent", "drip"}) {
    SCOPED_TRACE(kind);
    const auto start = Clock::now();
    const TSecureProbeReply reply = ProbeWithWinInet(Url(kind), "https://localhost/", limits);
    const auto took = Clock::now() - start;
    EXPECT_FALSE(reply.Answered);
    // Well below one wait's limit: the deadline ended it, not WinINet's own time-outs.
    EXPECT_LT(took, 15s);
  }
}

}  // namespace
}  // namespace porvan
