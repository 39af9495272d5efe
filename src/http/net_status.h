// How a failed socket call reads as the end of an exchange.
#pragma once

#include "http/exchange_status.h"
#include "platform/socket.h"

namespace porvan {

inline TExchangeStatus ConnectFailure(TNetStatus status) {
  return status == TNetStatus::TimedOut ? TExchangeStatus::ConnectTimedOut
                                        : TExchangeStatus::ConnectFailed;
}

// A handshake cut by its limit is a timeout like any other; every other failure has a TLS reason.
inline TExchangeStatus TlsFailure(TNetStatus status) {
  return status == TNetStatus::TimedOut ? TExchangeStatus::TimedOut : TExchangeStatus::TlsFailed;
}

inline TExchangeStatus SendFailure(TNetStatus status) {
  return status == TNetStatus::TimedOut ? TExchangeStatus::TimedOut : TExchangeStatus::SendFailed;
}

}  // namespace porvan
