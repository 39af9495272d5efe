// Scripted sockets for tests: receives hand out prepared pieces, every send and wait is recorded.
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/socket.h"

namespace porvan::testing {

// What one connection did; shared by the test and the socket that the client owns and closes.
struct TFakeConnection {
  // Receive hands these out in order, split to the size asked for; a piece whose status is not
  // Ok is returned once as that status. When none is left the peer has closed.
  std::deque<std::pair<TNetStatus, std::string>> Pieces;
  TNetStatus SendStatus = TNetStatus::Ok;

  std::vector<std::string> Sends;  // one entry per SendAll
  std::vector<std::chrono::milliseconds> SendLimits;
  std::vector<std::chrono::milliseconds> ReceiveLimits;
  bool Closed = false;  // the socket was destroyed

  void AddBytes(std::string bytes) { Pieces.emplace_back(TNetStatus::Ok, std::move(bytes)); }
  void AddStatus(TNetStatus status) { Pieces.emplace_back(status, std::string()); }
};

class FakeSocket final : public ISocket {
 public:
  explicit FakeSocket(std::shared_ptr<TFakeConnection> connection)
      : connection_(std::move(connection)) {}
  ~FakeSocket() override { connection_->Closed = true; }
  FakeSocket(const FakeSocket&) = delete;
  FakeSocket& operator=(const FakeSocket&) = delete;

  TNetStatus SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) override;
  TNetStatus Receive(std::string& buffer, std::size_t maxBytes,
                     std::chrono::milliseconds timeLimit) override;

 private:
  std::shared_ptr<TFakeConnection> connection_;
};

struct TConnectCall {
  std::string Host;
  std::string Port;
  std::chrono::milliseconds TimeLimit;
  std::size_t OpenBefore;  // how many earlier connections were still open at this call
};

struct TTlsCall {
  std::string Host;
  std::chrono::milliseconds TimeLimit;
};

// Each Connect takes the next scripted outcome: a connection, or a failure status. Each StartTls
// takes the next scripted handshake failure; with none left the handshake succeeds and the
// session hands the plain connection's bytes through unchanged.
class FakeSocketFactory final : public ISocketFactory {
 public:
  std::shared_ptr<TFakeConnection> AddConnection();
  void AddFailure(TNetStatus status);
  void AddTlsFailure(TNetStatus status, TTlsFailure reason);

  TConnectResult Connect(const std::string& host, const std::string& port,
                         std::chrono::milliseconds timeLimit) override;
  TConnectResult StartTls(std::unique_ptr<ISocket> plain, const std::string& host,
                          std::chrono::milliseconds timeLimit) override;

  std::vector<TConnectCall> Calls;
  std::vector<TTlsCall> TlsCalls;
  std::vector<std::shared_ptr<TFakeConnection>> Made;  // every connection handed out

 private:
  std::deque<std::pair<TNetStatus, std::shared_ptr<TFakeConnection>>> outcomes_;
  std::deque<std::pair<TNetStatus, TTlsFailure>> tlsFailures_;
};

}  // namespace porvan::testing
