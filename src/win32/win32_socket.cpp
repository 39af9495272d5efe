// Winsock primitives: library start-up, handle ownership, bounded waits, send and receive.
#include "win32/win32_socket.h"

#include <algorithm>
#include <climits>

namespace porvan {

TWinsockSession::TWinsockSession() {
  WSADATA data{};
  started_ = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

TWinsockSession::~TWinsockSession() {
  if (started_) {
    ::WSACleanup();
  }
}

TSocketHandle::~TSocketHandle() {
  if (handle_ != INVALID_SOCKET) {
    ::closesocket(handle_);
  }
}

SOCKET TSocketHandle::Release() {
  const SOCKET handle = handle_;
  handle_ = INVALID_SOCKET;
  return handle;
}

bool SetNonBlocking(SOCKET handle) {
  u_long on = 1;
  return ::ioctlsocket(handle, FIONBIO, &on) == 0;
}

TNetStatus WaitFor(SOCKET handle, TWaitFor what, std::chrono::milliseconds timeLimit) {
  fd_set ready;
  fd_set failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(handle, &ready);
  FD_SET(handle, &failed);
  const auto count = std::max<long long>(timeLimit.count(), 0);
  timeval wait{static_cast<long>(count / 1000), static_cast<long>(count % 1000 * 1000)};
  const int result = ::select(0, what == TWaitFor::Read ? &ready : nullptr,
                              what == TWaitFor::Write ? &ready : nullptr, &failed, &wait);
  if (result > 0) {
    return TNetStatus::Ok;
  }
  return result == 0 ? TNetStatus::TimedOut : TNetStatus::Error;
}

TNetStatus TWinsockSocket::SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) {
  while (!bytes.empty()) {
    const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
    const int sent = ::send(handle_.Get(), bytes.data(), chunk, 0);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    } else if (sent == SOCKET_ERROR && ::WSAGetLastError() == WSAEWOULDBLOCK) {
      if (const TNetStatus ready = WaitFor(handle_.Get(), TWaitFor::Write, timeLimit);
          ready != TNetStatus::Ok) {
        return ready;
      }
    } else {
      return TNetStatus::Error;
    }
  }
  return TNetStatus::Ok;
}

TNetStatus TWinsockSocket::Receive(std::string& buffer, std::size_t maxBytes,
                                   std::chrono::milliseconds timeLimit) {
  const std::size_t before = buffer.size();
  const int chunk = static_cast<int>(std::min<std::size_t>(maxBytes, INT_MAX));
  for (;;) {
    if (const TNetStatus ready = WaitFor(handle_.Get(), TWaitFor::Read, timeLimit);
        ready != TNetStatus::Ok) {
      return ready;
    }
    buffer.resize(before + static_cast<std::size_t>(chunk));
    const int got = ::recv(handle_.Get(), buffer.data() + before, chunk, 0);
    buffer.resize(before + (got > 0 ? static_cast<std::size_t>(got) : 0));
    if (got > 0) {
      return TNetStatus::Ok;
    }
    if (got == 0) {
      return TNetStatus::Closed;
    }
    if (::WSAGetLastError() != WSAEWOULDBLOCK) {
      return TNetStatus::Error;
    }
  }
}

}  // namespace porvan
