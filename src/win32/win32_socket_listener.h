// The loopback listener on Winsock 2.
#pragma once

#include <memory>

#include "platform/socket_listener.h"
#include "win32/win32_socket.h"

namespace porvan {

class TWinsockSocketListener final : public ISocketListener {
 public:
  // Null when the address cannot be bound (no IPv6 on this machine, for example).
  static std::unique_ptr<TWinsockSocketListener> OnLoopback(TLoopback address);

  std::uint16_t Port() const override { return port_; }
  TConnectResult Accept(std::chrono::milliseconds timeLimit) override;

 private:
  TWinsockSocketListener(TSocketHandle handle, std::uint16_t port)
      : handle_(std::move(handle)), port_(port) {}

  TWinsockSession session_;
  TSocketHandle handle_;
  std::uint16_t port_;
};

}  // namespace porvan
