// The listening side of the TCP seam, for loopback test servers only.
#pragma once

#include <chrono>
#include <cstdint>

#include "platform/socket.h"

namespace porvan {

// Contract
// - A listener binds only a loopback address, so nothing it serves is reachable from elsewhere.
// - The system picks a free port; Port() tells which.
// - Accepted sockets follow the ISocket contract and outlive their listener if kept.
enum class TLoopback { IPv4, IPv6 };

class ISocketListener {
 public:
  virtual ~ISocketListener() = default;

  virtual std::uint16_t Port() const = 0;

  // Ok with a socket, or TimedOut when nobody connected within `timeLimit`, or Error.
  virtual TConnectResult Accept(std::chrono::milliseconds timeLimit) = 0;
};

}  // namespace porvan
