// Scripted sockets for tests: receives hand out prepared pieces, every send and wait is recorded.
#include "support/fake_sockets.h"

#include <algorithm>
#include <tuple>

namespace porvan::testing {

TNetStatus FakeSocket::SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) {
  connection_->SendLimits.push_back(timeLimit);
  if (connection_->SendStatus == TNetStatus::Ok) {
    connection_->Sends.emplace_back(bytes);
  }
  return connection_->SendStatus;
}

TNetStatus FakeSocket::Receive(std::string& buffer, std::size_t maxBytes,
                               std::chrono::milliseconds timeLimit) {
  connection_->ReceiveLimits.push_back(timeLimit);
  auto& pieces = connection_->Pieces;
  while (!pieces.empty() && pieces.front().first == TNetStatus::Ok &&
         pieces.front().second.empty()) {
    pieces.pop_front();
  }
  if (pieces.empty()) {
    return TNetStatus::Closed;
  }
  auto& [status, bytes] = pieces.front();
  if (status != TNetStatus::Ok) {
    const TNetStatus result = status;
    pieces.pop_front();
    return result;
  }
  const std::size_t take = std::min(maxBytes, bytes.size());
  buffer.append(bytes, 0, take);
  bytes.erase(0, take);
  return TNetStatus::Ok;
}

std::shared_ptr<TFakeConnection> FakeSocketFactory::AddConnection() {
  auto connection = std::make_shared<TFakeConnection>();
  outcomes_.emplace_back(TNetStatus::Ok, connection);
  return connection;
}

void FakeSocketFactory::AddFailure(TNetStatus status) {
  outcomes_.emplace_back(status, nullptr);
}

void FakeSocketFactory::AddTlsFailure(TNetStatus status, TTlsFailure reason) {
  tlsFailures_.emplace_back(status, reason);
}

TConnectResult FakeSocketFactory::StartTls(std::unique_ptr<ISocket> plain, const std::string& host,
                                           std::chrono::milliseconds timeLimit) {
  TlsCalls.push_back({host, timeLimit});
  TConnectResult result;
  if (tlsFailures_.empty()) {
    result.Status = TNetStatus::Ok;
    result.Socket = std::move(plain);
    return result;
  }
  std::tie(result.Status, result.Tls) = tlsFailures_.front();
  tlsFailures_.pop_front();
  return result;
}

TConnectResult FakeSocketFactory::Connect(const std::string& host, const std::string& port,
                                          std::chrono::milliseconds timeLimit) {
  const auto open = std::count_if(Made.begin(), Made.end(),
                                  [](const auto& connection) { return !connection->Closed; });
  Calls.push_back({host, port, timeLimit, static_cast<std::size_t>(open)});
  TConnectResult result;
  if (outcomes_.empty()) {
    return result;
  }
  auto [status, connection] = outcomes_.front();
  outcomes_.pop_front();
  result.Status = status;
  if (connection) {
    Made.push_back(connection);
    result.Socket = std::make_unique<FakeSocket>(connection);
  }
  return result;
}

}  // namespace porvan::testing
