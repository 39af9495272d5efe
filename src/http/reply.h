// Receiving one whole reply: its head, its judgement and its body.
#pragma once

#include <chrono>
#include <string>

#include "http/exchange_status.h"
#include "http/reply_head.h"
#include "http/reply_reader.h"

namespace porvan {

struct TReply {
  TReplyHead Head;
  bool HeadComplete = false;  // the empty line that ends the head has arrived
  std::string Body;           // only for a successful reply
};

// Reads the head and, for a 2xx reply other than 204, the body. The body of a redirect or an
// error reply is read with waits of `errorBodyWait` and dropped, and the exchange fails.
TExchangeStatus ReceiveReply(TReplyReader& reader, std::chrono::milliseconds errorBodyWait,
                             TReply& reply);

}  // namespace porvan
