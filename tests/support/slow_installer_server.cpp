// A loopback server that answers a HEAD probe, then sends an installer slowly.
#include "support/slow_installer_server.h"

#include <string_view>
#include <utility>

#include "support/loopback_server.h"
#include "support/system_seams.h"

namespace porvan::testing {

using namespace std::chrono_literals;

TSlowInstallerServer::TSlowInstallerServer(std::string body, int pieces,
                                           std::chrono::milliseconds duration)
    : body_(std::move(body)), listener_(TSystemSocketListener::OnLoopback(TLoopback::IPv4)) {
  if (listener_) {
    thread_ = std::thread([this, pieces, duration] { Serve(pieces, duration); });
  }
}

TSlowInstallerServer::~TSlowInstallerServer() {
  stop_ = true;
  if (thread_.joinable()) {
    thread_.join();
  }
}

std::string TSlowInstallerServer::Url() const {
  return "http://127.0.0.1:" + std::to_string(listener_ ? listener_->Port() : 0) + "/dl/setup.exe";
}

std::unique_ptr<ISocket> TSlowInstallerServer::Next() {
  while (!stop_) {
    if (TConnectResult accepted = listener_->Accept(50ms); accepted.Status == TNetStatus::Ok) {
      return std::move(accepted.Socket);
    }
  }
  return nullptr;
}

void TSlowInstallerServer::Serve(int pieces, std::chrono::milliseconds duration) {
  const std::string head =
      "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body_.size()) + "\r\n\r\n";
  for (int connection = 0; connection < 2; ++connection) {
    std::unique_ptr<ISocket> socket = Next();
    if (!socket) {
      return;
    }
    const std::string request = ReadRawRequest(*socket, 5s);
    socket->SendAll(head, 5s);
    if (request.starts_with("HEAD ")) {
      continue;
    }
    const std::size_t piece = body_.size() / pieces + 1;
    for (std::size_t sent = 0; sent < body_.size() && !stop_; sent += piece) {
      std::this_thread::sleep_for(duration / pieces);
      socket->SendAll(std::string_view(body_).substr(sent, piece), 5s);
    }
  }
}

}  // namespace porvan::testing
