// The loopback listener on BSD sockets.
#pragma once

#include <memory>

#include "platform/socket_listener.h"
#include "posix/posix_socket.h"

namespace porvan {

class TPosixSocketListener final : public ISocketListener {
 public:
  // Null when the address cannot be bound (no IPv6 on this machine, for example).
  static std::unique_ptr<TPosixSocketListener> OnLoopback(TLoopback address);

  std::uint16_t Port() const override { return port_; }
  TConnectResult Accept(std::chrono::milliseconds timeLimit) override;

 private:
  TPosixSocketListener(TFileDescriptor fd, std::uint16_t port) : fd_(std::move(fd)), port_(port) {}

  TFileDescriptor fd_;
  std::uint16_t port_;
};

}  // namespace porvan
