// A loopback server that answers a HEAD probe, then sends an installer slowly, so a transfer is
// seen under way.
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "platform/socket_listener.h"

namespace porvan::testing {

// Sends `body` in `pieces` parts spread over `duration`, on 127.0.0.1.
class TSlowInstallerServer {
 public:
  TSlowInstallerServer(std::string body, int pieces, std::chrono::milliseconds duration);
  ~TSlowInstallerServer();
  TSlowInstallerServer(const TSlowInstallerServer&) = delete;
  TSlowInstallerServer& operator=(const TSlowInstallerServer&) = delete;

  bool Listening() const { return listener_ != nullptr; }
  std::string Url() const;

 private:
  std::unique_ptr<ISocket> Next();
  void Serve(int pieces, std::chrono::milliseconds duration);

  std::string body_;
  std::unique_ptr<ISocketListener> listener_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace porvan::testing
