// Trying a resolver's addresses in its order until one connects, all within one time limit.
#pragma once

#include <chrono>

#include "platform/socket.h"

namespace porvan {

// `first` is the head of a resolver's list (anything with `ai_next`). `tryOne(address, left)`
// tries one address with the time still left and gives its result; a failure to make a socket
// for it is Error. The first Ok ends the turn; running out of time gives TimedOut; otherwise the
// last address's status, or Error for an empty list.
template <class TAddress, class TTryOne>
TConnectResult ConnectInTurn(const TAddress* first, std::chrono::milliseconds timeLimit,
                             TTryOne tryOne) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeLimit;
  TConnectResult result;
  for (const TAddress* address = first; address != nullptr; address = address->ai_next) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      result.Status = TNetStatus::TimedOut;
      break;
    }
    result = tryOne(*address, left);
    if (result.Status == TNetStatus::Ok) {
      break;
    }
  }
  return result;
}

}  // namespace porvan
