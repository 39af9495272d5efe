// The socket factory on BSD sockets: getaddrinfo, then a non-blocking connect bounded by poll.
#include "posix/posix_socket_factory.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <memory>

#include "common/connect_in_turn.h"
#include "posix/posix_socket.h"

namespace porvan {

namespace {

struct TAddrInfoDeleter {
  void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};

TNetStatus ConnectOne(int fd, const addrinfo& address, std::chrono::milliseconds timeLimit) {
  if (::connect(fd, address.ai_addr, address.ai_addrlen) == 0) {
    return TNetStatus::Ok;
  }
  if (errno != EINPROGRESS) {
    return TNetStatus::Error;
  }
  if (const TNetStatus ready = WaitFor(fd, POLLOUT, timeLimit); ready != TNetStatus::Ok) {
    return ready;
  }
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
    return TNetStatus::Error;
  }
  return TNetStatus::Ok;
}

}  // namespace

TConnectResult TPosixSocketFactory::Connect(const std::string& host, const std::string& port,
                                            std::chrono::milliseconds timeLimit) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) {
    return {};
  }
  const std::unique_ptr<addrinfo, TAddrInfoDeleter> list(found);

  return ConnectInTurn(
      list.get(), timeLimit, [](const addrinfo& address, std::chrono::milliseconds left) {
        TFileDescriptor fd(::socket(address.ai_family, address.ai_socktype, address.ai_protocol));
        TConnectResult one;
        if (fd.Get() < 0 || !SetNonBlocking(fd.Get())) {
          return one;
        }
        one.Status = ConnectOne(fd.Get(), address, left);
        if (one.Status == TNetStatus::Ok) {
          one.Socket = std::make_unique<TPosixSocket>(std::move(fd));
        }
        return one;
      });
}

}  // namespace porvan
