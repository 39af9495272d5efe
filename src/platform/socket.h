// The TCP connection seam: connect by host name with a time limit, send, receive with a time limit.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

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

// Why a TLS session could not be made. The certificate reasons are the platform's own verdict;
// Other is any other failed handshake (no common protocol, a server that does not speak TLS).
enum class TTlsFailure { None, Untrusted, WrongName, Expired, Other };

// Status Ok comes with a socket; every other status with none. A name that does not resolve, a
// refused or unreachable address: Error. No address connected within the limit: TimedOut.
// A failed TLS handshake is Error with its reason in Tls; a handshake cut by its limit is TimedOut.
struct TConnectResult {
  TNetStatus Status = TNetStatus::Error;
  std::unique_ptr<ISocket> Socket;
  TTlsFailure Tls = TTlsFailure::None;
};

class ISocketFactory {
 public:
  virtual ~ISocketFactory() = default;

  // Resolves `host` (a name, an IPv4 literal or an IPv6 literal without brackets) through the
  // system resolver for IPv4 and IPv6, and tries its addresses in the resolver's order until one
  // connects. `port` is a decimal port number. `timeLimit` bounds all attempts together.
  virtual TConnectResult Connect(const std::string& host, const std::string& port,
                                 std::chrono::milliseconds timeLimit) = 0;

  // Makes a TLS client session (TLS 1.2 at least) for `host` over a connected socket and hands
  // back a socket that carries the same bytes inside it. The platform checks the certificate:
  // a chain to a trusted root, `host` (a name, or an IP literal without brackets) and the dates;
  // nothing turns that off. `timeLimit` bounds the whole handshake.
  virtual TConnectResult StartTls(std::unique_ptr<ISocket> plain, const std::string& host,
                                  std::chrono::milliseconds timeLimit) = 0;

  // True the first time it is asked: a factory lives as long as the run, and the user hears of
  // the first TLS failure of a run only.
  bool FirstTlsFailureOfRun() { return !std::exchange(tlsFailureSeen_, true); }

 private:
  bool tlsFailureSeen_ = false;
};

}  // namespace porvan
