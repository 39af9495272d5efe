// The https road of TFormPostClient over scripted sockets: the same bytes inside TLS, the
// handshake's host and limit, and each way the handshake can fail.
#include <gtest/gtest.h>

#include <string>

#include "http/form_post_client.h"
#include "support/fake_sockets.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::FakeSocketFactory;

const std::string kOkReply = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nOK";
const std::vector<TFormLine> kOpenFtp = {
    {"mode=", "open_request"}, {"protocol=", "FTP"}, {"query=", "example.com"}};

struct TSent {
  std::vector<std::string> Sends;
  std::string Port;
  std::size_t Handshakes = 0;
};

TSent Post(const std::string& url) {
  FakeSocketFactory sockets;
  auto connection = sockets.AddConnection();
  connection->AddBytes(kOkReply);
  TFormPostClient client(sockets);
  client.UserAgent = "Vindra Porvan Client";
  EXPECT_EQ(client.PostForm(url, kOpenFtp).Body, "OK");
  return {connection->Sends, sockets.Calls.at(0).Port, sockets.TlsCalls.size()};
}

TEST(HttpsExchangeTest, CarriesTheBytesOfPlainHttpInsideTls) {
  const TSent plain = Post("http://porvan.example:8443/porvandaemon/communication.php");
  const TSent secure = Post("https://porvan.example:8443/porvandaemon/communication.php");
  EXPECT_EQ(plain.Handshakes, 0u);
  EXPECT_EQ(secure.Handshakes, 1u);
  EXPECT_EQ(secure.Sends, plain.Sends);
  ASSERT_EQ(secure.Sends.size(), 2u);
  EXPECT_EQ(secure.Sends[1], "mode=open_request&protocol=FTP&query=example.com&");
}

TEST(HttpsExchangeTest, UsesPort443AndLeavesItOutOfTheHostHeader) {
  const TSent secure = Post("https://porvan.example/porvandaemon/communication.php");
  EXPECT_EQ(secure.Port, "443");
  ASSERT_FALSE(secure.Sends.empty());
  EXPECT_NE(secure.Sends[0].find("\r\nHost: porvan.example\r\n"), std::string::npos);
}

TEST(HttpsExchangeTest, HandshakesForTheUrlsHostWithinTheExchangeLimit) {
  FakeSocketFactory sockets;
  sockets.AddConnection()->AddBytes(kOkReply);
  TFormPostClient client(sockets);
  client.ExchangeTimeLimit = 789ms;
  const auto start = std::chrono::steady_clock::time_point{};
  client.Clock = [start] { return start; };
  EXPECT_TRUE(client.PostForm("https://[::1]:4443/x", {"a=b"}).Ok());
  ASSERT_EQ(sockets.TlsCalls.size(), 1u);
  EXPECT_EQ(sockets.TlsCalls[0].Host, "::1");
  EXPECT_EQ(sockets.TlsCalls[0].TimeLimit, 789ms);
}

TEST(HttpsExchangeTest, AFailedHandshakeSendsNothingAndSaysWhy) {
  struct {
    const char* name;
    TNetStatus status;
    TTlsFailure reason;
    TExchangeStatus expected;
  } const cases[] = {
      {.name = "untrusted",
       .status = TNetStatus::Error,
       .reason = TTlsFailure::Untrusted,
       .expected = TExchangeStatus::TlsFailed},
      {.name = "wrong name",
       .status = TNetStatus::Error,
       .reason = TTlsFailure::WrongName,
       .expected = TExchangeStatus::TlsFailed},
      {.name = "expired",
       .status = TNetStatus::Error,
       .reason = TTlsFailure::Expired,
       .expected = TExchangeStatus::TlsFailed},
      {.name = "no TLS spoken",
       .status = TNetStatus::Error,
       .reason = TTlsFailure::Other,
       .expected = TExchangeStatus::TlsFailed},
      {.name = "handshake timed out",
       .status = TNetStatus::TimedOut,
       .reason = TTlsFailure::None,
       .expected = TExchangeStatus::TimedOut},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSocketFactory sockets;
    auto connection = sockets.AddConnection();
    connection->AddBytes(kOkReply);
    sockets.AddTlsFailure(c.status, c.reason);
    TFormPostClient client(sockets);
    const TPostResult result = client.PostForm("https://h/x", {"a=b"});
    EXPECT_EQ(result.Status, c.expected);
    EXPECT_EQ(result.Tls, c.reason);
    EXPECT_TRUE(result.Body.empty());
    EXPECT_TRUE(connection->Sends.empty());
    EXPECT_TRUE(connection->Closed);
  }
}

}  // namespace
}  // namespace porvan
