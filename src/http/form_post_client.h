// TFormPostClient: posts "name=value" lines as an HTTP/1.0 form and returns the reply body.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "http/cookie_store.h"
#include "http/exchange_deadline.h"
#include "http/exchange_status.h"
#include "http/form_encoding.h"
#include "platform/socket.h"

namespace porvan {

struct TPostResult {
  TExchangeStatus Status = TExchangeStatus::Ok;
  int HttpStatus = -1;                  // the reply's status code, -1 when no status line arrived
  TTlsFailure Tls = TTlsFailure::None;  // why, when Status is TlsFailed
  std::string Body;                     // empty unless Status is Ok

  bool Ok() const { return Status == TExchangeStatus::Ok; }
};

class TFormPostClient {
 public:
  explicit TFormPostClient(ISocketFactory& sockets) : sockets_(sockets) {}

  // Each exchange opens a new connection; one kept after a keep-alive reply is closed first.
  // Every wait is bounded, and so is the whole exchange after the connect, a TLS handshake
  // included: a server that accepts and never answers, or answers a byte at a time, must not
  // freeze the program. An "https" URL carries the same bytes inside TLS.
  TPostResult PostForm(const std::string& url, const std::vector<TFormLine>& lines);

  std::string UserAgent;
  std::chrono::milliseconds ConnectTimeLimit{30000};
  std::chrono::milliseconds SilenceTimeLimit{60000};  // the longest wait for a byte
  std::chrono::milliseconds ErrorBodyWait{2000};      // each wait while a failed reply is drained
  // From the connection's start to the end of the reply and its drain.
  std::chrono::milliseconds ExchangeTimeLimit{60000};
  TClockNow Clock = std::chrono::steady_clock::now;

  const TCookieStore& Cookies() const { return cookies_; }

 private:
  ISocketFactory& sockets_;
  std::unique_ptr<ISocket> kept_;  // the connection of a keep-alive reply, until the next post
  TCookieStore cookies_;
};

}  // namespace porvan
