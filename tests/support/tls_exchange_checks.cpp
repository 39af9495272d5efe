// The https checks that every platform's TLS layer must pass against the loopback TLS test
// servers of tools/tlsserver, shared by the native and the Windows suites.
#include "support/tls_exchange_checks.h"

#include <gtest/gtest.h>

namespace porvan::testing {

TPostResult PostOpenRequest(ISocketFactory& sockets, const std::string& url,
                            std::chrono::milliseconds limit) {
  TFormPostClient client(sockets);
  client.UserAgent = "Vindra Porvan Client";
  client.ExchangeTimeLimit = limit;
  return client.PostForm(
      url, {{"mode=", "open_request"}, {"protocol=", "FTP"}, {"query=", "example.com"}});
}

std::string EchoedOpenRequest(const std::string& hostHeader) {
  return "POST /porvandaemon/communication.php HTTP/1.0\r\n"
         "Connection: keep-alive\r\n"
         "Content-Type: application/x-www-form-urlencoded\r\n"
         "Content-Length: 49\r\n"
         "Host: " +
         hostHeader +
         "\r\n"
         "Accept: text/html, */*\r\n"
         "User-Agent: Vindra Porvan Client\r\n"
         "\r\n"
         "mode=open_request&protocol=FTP&query=example.com&";
}

void CheckTimeBoundsInsideTls(ISocketFactory& sockets,
                              const std::function<std::string(const std::string&)>& url) {
  struct {
    const char* name;
    const char* kind;
    TExchangeStatus status;
  } const cases[] = {
      // Takes the connection and never sends the server's part of the handshake.
      {.name = "silent server", .kind = "silent", .status = TExchangeStatus::TimedOut},
      // Answers a byte every half second: no wait runs out, the exchange's deadline does.
      {.name = "dripping server", .kind = "drip", .status = TExchangeStatus::DeadlinePassed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TPostResult result =
        PostOpenRequest(sockets, url(c.kind), std::chrono::milliseconds(1500));
    EXPECT_EQ(result.Status, c.status);
    EXPECT_EQ(result.Tls, TTlsFailure::None);
  }
}

}  // namespace porvan::testing
