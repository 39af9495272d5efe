// A scripted HTTP test server on a loopback address: records raw requests, answers raw bytes.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/socket_listener.h"

namespace porvan::testing {

enum class TServerAct {
  Answer,           // read the request, send the reply, close
  AnswerAndHold,    // read the request, send the reply, wait until the client closes
  CloseUnanswered,  // read the request and close without answering
  StaySilent,       // read the request and never answer; wait until the client closes
  Drip,             // read the request, send the reply a byte at a time with pauses, close
};

struct TServerTurn {
  std::string Reply;
  TServerAct Act = TServerAct::Answer;
  std::chrono::milliseconds Hold{0};  // how long the request waits before the act, as a slow server
};

// Serves one connection per turn, in order, on its own thread.
class TLoopbackServer {
 public:
  explicit TLoopbackServer(std::vector<TServerTurn> turns, TLoopback address = TLoopback::IPv4);
  ~TLoopbackServer();
  TLoopbackServer(const TLoopbackServer&) = delete;
  TLoopbackServer& operator=(const TLoopbackServer&) = delete;

  // False when the address could not be bound (no IPv6, for example).
  bool Listening() const { return listener_ != nullptr; }
  std::uint16_t Port() const { return listener_ ? listener_->Port() : 0; }
  // "http://127.0.0.1:<port>" or "http://[::1]:<port>" followed by `target`.
  std::string Url(const std::string& target = "/") const;

  // The raw bytes of each request received so far (head and the Content-Length body).
  std::vector<std::string> Requests() const;

  // Waits until every turn has been served; false after `limit`.
  bool WaitUntilServed(std::chrono::milliseconds limit) const;

 private:
  void Serve();
  void ServeTurn(ISocket& socket, const TServerTurn& turn);
  void WaitForClientClose(ISocket& socket) const;

  std::vector<TServerTurn> turns_;
  TLoopback address_;
  std::unique_ptr<ISocketListener> listener_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> served_{false};
  std::thread thread_;
};

// Reads one request: the head up to the empty line and as many body bytes as its
// Content-Length says, or what arrived before the client closed or fell silent.
std::string ReadRawRequest(ISocket& socket, std::chrono::milliseconds wait);

}  // namespace porvan::testing
