// The https exchange over Schannel under Wine, against the loopback TLS test servers with the
// test CA in this prefix's trusted roots for the run: the bytes that arrive, and the reason of
// each certificate the client refuses.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "http/form_post_client.h"
#include "server/remote_server_con.h"
#include "server/tls_failure_text.h"
#include "support/exchange_cases.h"
#include "support/fake_platform.h"
#include "support/tls_exchange_checks.h"
#include "win32/tls_test_servers.h"
#include "win32/win32_gui_wait.h"
#include "win32/win32_socket_factory.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::TTlsTestServers;

class WineTlsExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!servers.Available()) {
      GTEST_SKIP() << "no TLS test servers: ./dev test starts them and sets PORVAN_TLS_DIR";
    }
  }

  std::string Url(const std::string& host, const std::string& kind) {
    return "https://" + host + ":" + servers.Port(kind) + "/porvandaemon/communication.php";
  }

  static TPostResult Post(const std::string& url) {
    TWinsockSocketFactory sockets;
    return testing::PostOpenRequest(sockets, url);
  }

  const TTlsTestServers servers;
};

TEST_F(WineTlsExchangeTest, TheOpenRequestArrivesUnchangedInsideTls) {
  // The server answers with the raw bytes it decrypted.
  const TPostResult result = Post(Url("localhost", "good"));
  ASSERT_EQ(result.Status, TExchangeStatus::Ok) << "reason " << static_cast<int>(result.Tls);
  EXPECT_EQ(result.Body, testing::ExpectedOpenRequest("localhost:" + servers.Port("good")));
}

TEST_F(WineTlsExchangeTest, RefusesEachBadCertificateWithItsReason) {
  struct {
    const char* name;
    const char* kind;
    TExchangeStatus status;
    TTlsFailure reason;
  } const cases[] = {
      {.name = "another host name",
       .kind = "wrongname",
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::WrongName},
      {.name = "expired",
       .kind = "expired",
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::Expired},
      {.name = "from a CA nobody trusts",
       .kind = "untrusted",
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::Untrusted},
      {.name = "a plain http server on the https port",
       .kind = "plain",
       .status = TExchangeStatus::TlsFailed,
       .reason = TTlsFailure::Other},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TPostResult result = Post(Url("localhost", c.kind));
    EXPECT_EQ(result.Status, c.status);
    EXPECT_EQ(result.Tls, c.reason);
    EXPECT_TRUE(result.Body.empty());
  }
}

TEST_F(WineTlsExchangeTest, TheTimeBoundsHoldInsideTls) {
  TWinsockSocketFactory sockets;
  testing::CheckTimeBoundsInsideTls(
      sockets, [this](const std::string& kind) { return Url("localhost", kind); });
}

TEST_F(WineTlsExchangeTest, TheFirstRefusedCertificateOfARunIsNamedInANotice) {
  TWinsockSocketFactory sockets;
  testing::FakeMessageBox messages;
  TWin32GuiWait waits;
  TRemoteServerCon con(sockets, messages, waits, Url("localhost", "untrusted"));
  EXPECT_EQ(con.GetClientIP(), "");
  EXPECT_EQ(con.GetClientIP(), "");
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, TlsFailureText(TTlsFailure::Untrusted));
}

}  // namespace
}  // namespace porvan
