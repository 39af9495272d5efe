// Why an exchange ended: success, or the reason it failed.
#pragma once

namespace porvan {

enum class TExchangeStatus {
  Ok,
  BadUrl,
  ConnectFailed,    // the name did not resolve, or no address took the connection
  ConnectTimedOut,  // no address connected within the connect time limit
  TlsFailed,        // the TLS handshake or the server's certificate failed; the reason beside it
  SendFailed,
  ReceiveFailed,
  TimedOut,            // the server sent nothing for the silence time limit
  DeadlinePassed,      // the whole exchange outlasted its time limit
  ClosedEarly,         // closed before the end of the reply head, or inside a chunked body
  LineTooLong,         // a status, header or chunk-size line beyond the line limit
  BadChunk,            // a chunk-size line that is not a hexadecimal number
  TooManyHeaderLines,  // a reply head beyond the header-line limit
  BodyTooLarge,        // a reply body beyond the body limit
  Redirect,            // 3xx other than 304, or any reply with a non-empty "Location"
  HttpError,           // any other status outside 200-299
};

}  // namespace porvan
