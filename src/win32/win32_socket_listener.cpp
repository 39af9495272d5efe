// The loopback listener on Winsock 2.
#include "win32/win32_socket_listener.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <memory>

namespace porvan {

TConnectResult TWinsockSocketListener::Accept(std::chrono::milliseconds timeLimit) {
  TConnectResult result;
  result.Status = WaitFor(handle_.Get(), TWaitFor::Read, timeLimit);
  if (result.Status != TNetStatus::Ok) {
    return result;
  }
  TSocketHandle accepted(::accept(handle_.Get(), nullptr, nullptr));
  if (!accepted.Valid() || !SetNonBlocking(accepted.Get())) {
    result.Status = TNetStatus::Error;
    return result;
  }
  result.Socket = std::make_unique<TWinsockSocket>(std::move(accepted));
  return result;
}

std::unique_ptr<TWinsockSocketListener> TWinsockSocketListener::OnLoopback(TLoopback address) {
  const TWinsockSession session;  // keeps the library started while the handle is made
  if (!session.Started()) {
    return nullptr;
  }
  sockaddr_in v4{};
  v4.sin_family = AF_INET;
  v4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  sockaddr_in6 v6{};
  v6.sin6_family = AF_INET6;
  v6.sin6_addr = in6addr_loopback;
  const bool isV4 = address == TLoopback::IPv4;
  auto* bound = isV4 ? reinterpret_cast<sockaddr*>(&v4) : reinterpret_cast<sockaddr*>(&v6);
  int length = static_cast<int>(isV4 ? sizeof v4 : sizeof v6);

  TSocketHandle handle(::socket(isV4 ? AF_INET : AF_INET6, SOCK_STREAM, IPPROTO_TCP));
  if (!handle.Valid() || !SetNonBlocking(handle.Get()) ||
      ::bind(handle.Get(), bound, length) != 0 || ::listen(handle.Get(), SOMAXCONN) != 0 ||
      ::getsockname(handle.Get(), bound, &length) != 0) {
    return nullptr;
  }
  return std::unique_ptr<TWinsockSocketListener>(
      new TWinsockSocketListener(std::move(handle), ntohs(isV4 ? v4.sin_port : v6.sin6_port)));
}

}  // namespace porvan
