// The https exchange over Schannel under Wine, against the loopback TLS test servers with the
// test CA in this prefix's trusted roots for the run: the bytes that arrive, and the reason of
// each certificate the client refuses.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "server/form_post_client.h"
#include "server/remote_server_con.h"
#include "server/tls_failure_text.h"
#include "support/fake_platform.h"
#include "win32/win32_socket_factory.h"
#include "wine/tls_test_servers.h"

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

  static TPostResult Post(const std::string& url,
                          std::chrono::milliseconds exchangeLimit = 10000ms) {
    TWinsockSocketFactory sockets;
    TFormPostClient client(sockets);
    client.UserAgent = "Vindra Porvan Client";
    client.SilenceTimeLimit = exchangeLimit;
    client.ExchangeTimeLimit = exchangeLimit;
    return client.PostForm(
        url, {{"mode=", "open_request"}, {"protocol=", "FTP"}, {"query=", "example.com"}});
  }

  const TTlsTestServers servers;
};

TEST_F(WineTlsExchangeTest, TheOpenRequestArrivesUnchangedInsideTls) {
  // The server answers with the raw bytes it decrypted.
  const TPostResult result = Post(Url("localhost", "good"));
  ASSERT_EQ(result.Status, TExchangeStatus::Ok) << "reason " << static_cast<int>(result.Tls);
  EXPECT_EQ(result.Body,
            "POST /porvandaemon/communication.php HTTP/1.0\r\n"
            "Connection: keep-alive\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "Content-Length: 49\r\n"
            "Host: localhost:" +
                servers.Port("good") +
                "\r\n"
                "Accept: text/html, */*\r\n"
                "User-Agent: Vindra Porvan Client\r\n"
                "\r\n"
                "mode=open_request&protocol=FTP&query=example.com&");
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
  struct {
    const char* name;
    const char* kind;
    TExchangeStatus status;
  } const cases[] = {
      {.name = "silent server", .kind = "silent", .status = TExchangeStatus::TimedOut},
      {.name = "dripping server", .kind = "drip", .status = TExchangeStatus::DeadlinePassed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TPostResult result = Post(Url("localhost", c.kind), 1500ms);
    EXPECT_EQ(result.Status, c.status);
    EXPECT_EQ(result.Tls, TTlsFailure::None);
  }
}

TEST_F(WineTlsExchangeTest, TheFirstRefusedCertificateOfARunIsNamedInANotice) {
  TWinsockSocketFactory sockets;
  testing::FakeMessageBox messages;
  TRemoteServerCon con(sockets, messages, Url("localhost", "untrusted"));
  EXPECT_EQ(con.GetClientIP(), "");
  EXPECT_EQ(con.GetClientIP(), "");
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, TlsFailureText(TTlsFailure::Untrusted));
}

}  // namespace
}  // namespace porvan
