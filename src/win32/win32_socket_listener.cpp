// The loopback listener on Winsock 2.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <memory>

#include "platform/socket_listener.h"
#include "win32/win32_socket.h"

namespace porvan {

namespace {

class TWinsockListener final : public ISocketListener {
 public:
  TWinsockListener(TSocketHandle handle, std::uint16_t port)
      : handle_(std::move(handle)), port_(port) {}

  std::uint16_t Port() const override { return port_; }

  TConnectResult Accept(std::chrono::milliseconds timeLimit) override {
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

 private:
  TWinsockSession session_;
  TSocketHandle handle_;
  std::uint16_t port_;
};

}  // namespace

std::unique_ptr<ISocketListener> ListenOnLoopback(TLoopback address) {
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
  return std::make_unique<TWinsockListener>(std::move(handle),
                                            ntohs(isV4 ? v4.sin_port : v6.sin6_port));
}

}  // namespace porvan
