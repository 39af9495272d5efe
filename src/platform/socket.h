// The TCP connection seam: connect by host name with a time limit, send, receive with a time limit.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace porvan {

// Contract
// - Every call that waits is bounded by the time limit it is given; nothing blocks for ever
//   (the system resolver, which has its own limits, is the one exception).
// - Results say why a call ended. Closed is an orderly end by the peer; a reset or any other
//   failure of the system call is Error.
// - A socket is owned by whoever holds its unique_ptr; destroying it closes the connection.
// - Bytes pass unchanged in both directions.
enum class TNetStatus { Ok, Closed, TimedOut, Error };

class ISocket {
 public:
  virtual ~ISocket() = default;

  // Sends every byte, waiting at most `timeLimit` each time the peer does not take more.
  virtual TNetStatus SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) = 0;

  // Appends at least one and at most `maxBytes` bytes to `buffer` (Ok), or appends nothing and
  // says why: the peer closed (Closed), nothing arrived within `timeLimit` (TimedOut), Error.
  virtual TNetStatus Receive(std::string& buffer, std::size_t maxBytes,
                             std::chrono::milliseconds timeLimit) = 0;
};

// Status Ok comes with a socket; every other status with none. A name that does not resolve, a
// refused or unreachable address: Error. No address connected within the limit: TimedOut.
struct TConnectResult {
  TNetStatus Status = TNetStatus::Error;
  std::unique_ptr<ISocket> Socket;
};

class ISocketFactory {
 public:
  virtual ~ISocketFactory() = default;

  // Resolves `host` (a name, an IPv4 literal or an IPv6 literal without brackets) through the
  // system resolver for IPv4 and IPv6, and tries its addresses in the resolver's order until one
  // connects. `port` is a decimal port number. `timeLimit` bounds all attempts together.
  virtual TConnectResult Connect(const std::string& host, const std::string& port,
                                 std::chrono::milliseconds timeLimit) = 0;
};

}  // namespace porvan
