// The loopback listener on BSD sockets.
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <memory>

#include "platform/socket_listener.h"
#include "posix/posix_socket.h"

namespace porvan {

namespace {

class TPosixListener final : public ISocketListener {
 public:
  TPosixListener(TFileDescriptor fd, std::uint16_t port) : fd_(std::move(fd)), port_(port) {}

  std::uint16_t Port() const override { return port_; }

  TConnectResult Accept(std::chrono::milliseconds timeLimit) override {
    TConnectResult result;
    result.Status = WaitFor(fd_.Get(), POLLIN, timeLimit);
    if (result.Status != TNetStatus::Ok) {
      return result;
    }
    TFileDescriptor accepted(::accept(fd_.Get(), nullptr, nullptr));
    if (accepted.Get() < 0 || !SetNonBlocking(accepted.Get())) {
      result.Status = TNetStatus::Error;
      return result;
    }
    result.Socket = std::make_unique<TPosixSocket>(std::move(accepted));
    return result;
  }

 private:
  TFileDescriptor fd_;
  std::uint16_t port_;
};

}  // namespace

std::unique_ptr<ISocketListener> ListenOnLoopback(TLoopback address) {
  sockaddr_in v4{};
  v4.sin_family = AF_INET;
  v4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  sockaddr_in6 v6{};
  v6.sin6_family = AF_INET6;
  v6.sin6_addr = in6addr_loopback;
  const bool isV4 = address == TLoopback::IPv4;
  auto* bound = isV4 ? reinterpret_cast<sockaddr*>(&v4) : reinterpret_cast<sockaddr*>(&v6);
  socklen_t length = isV4 ? sizeof v4 : sizeof v6;

  TFileDescriptor fd(::socket(isV4 ? AF_INET : AF_INET6, SOCK_STREAM, 0));
  if (fd.Get() < 0 || !SetNonBlocking(fd.Get()) || ::bind(fd.Get(), bound, length) != 0 ||
      ::listen(fd.Get(), SOMAXCONN) != 0 || ::getsockname(fd.Get(), bound, &length) != 0) {
    return nullptr;
  }
  return std::make_unique<TPosixListener>(std::move(fd), ntohs(isV4 ? v4.sin_port : v6.sin6_port));
}

}  // namespace porvan
