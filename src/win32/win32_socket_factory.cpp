// The socket factory on Winsock 2: getaddrinfo, then a non-blocking connect bounded by select.
#include "win32/win32_socket_factory.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <memory>

#include "common/connect_in_turn.h"
#include "win32/win32_socket.h"

namespace porvan {

namespace {

struct TAddrInfoDeleter {
  void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};

TNetStatus ConnectOne(SOCKET handle, const addrinfo& address, std::chrono::milliseconds timeLimit) {
  if (::connect(handle, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) {
    return TNetStatus::Ok;
  }
  if (::WSAGetLastError() != WSAEWOULDBLOCK) {
    return TNetStatus::Error;
  }
  if (const TNetStatus ready = WaitFor(handle, TWaitFor::Write, timeLimit);
      ready != TNetStatus::Ok) {
    return ready;
  }
  int error = 0;
  int length = static_cast<int>(sizeof error);
  if (::getsockopt(handle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0 ||
      error != 0) {
    return TNetStatus::Error;
  }
  return TNetStatus::Ok;
}

}  // namespace

TConnectResult TWinsockSocketFactory::Connect(const std::string& host, const std::string& port,
                                              std::chrono::milliseconds timeLimit) {
  // Winsock starts at the first connection, not with the program: its library is loaded then.
  if (!session_) {
    session_.emplace();
  }
  if (!session_->Started()) {
    return {};
  }
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) {
    return {};
  }
  const std::unique_ptr<addrinfo, TAddrInfoDeleter> list(found);

  return ConnectInTurn(
      list.get(), timeLimit, [](const addrinfo& address, std::chrono::milliseconds left) {
        TSocketHandle handle(::socket(address.ai_family, address.ai_socktype, address.ai_protocol));
        TConnectResult one;
        if (!handle.Valid() || !SetNonBlocking(handle.Get())) {
          return one;
        }
        one.Status = ConnectOne(handle.Get(), address, left);
        if (one.Status == TNetStatus::Ok) {
          one.Socket = std::make_unique<TWinsockSocket>(std::move(handle));
        }
        return one;
      });
}

}  // namespace porvan
