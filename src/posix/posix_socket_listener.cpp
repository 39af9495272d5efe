// The loopback listener on BSD sockets.
#include "posix/posix_socket_listener.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <memory>

namespace porvan {

TConnectResult TPosixSocketListener::Accept(std::chrono::milliseconds timeLimit) {
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

std::unique_ptr<TPosixSocketListener> TPosixSocketListener::OnLoopback(TLoopback address) {
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
  return std::unique_ptr<TPosixSocketListener>(
      new TPosixSocketListener(std::move(fd), ntohs(isV4 ? v4.sin_port : v6.sin6_port)));
}

}  // namespace porvan
