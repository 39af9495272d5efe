// BSD socket primitives: descriptor ownership, bounded waits, send and receive.
#include "posix/posix_socket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>

namespace porvan {

TFileDescriptor::~TFileDescriptor() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

TFileDescriptor& TFileDescriptor::operator=(TFileDescriptor&& other) noexcept {
  if (this != &other) {
    TFileDescriptor old(Release());
    fd_ = other.Release();
  }
  return *this;
}

int TFileDescriptor::Release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

bool SetNonBlocking(int fd) {
  const int flags = ::fcntl(fd, F_GETFL, 0);
  return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

TNetStatus WaitFor(int fd, short events, std::chrono::milliseconds timeLimit) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeLimit;
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
    if (ready > 0) {
      return TNetStatus::Ok;
    }
    if (ready == 0) {
      return TNetStatus::TimedOut;
    }
    if (errno != EINTR) {
      return TNetStatus::Error;
    }
  }
}

TNetStatus TPosixSocket::SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(fd_.Get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (const TNetStatus ready = WaitFor(fd_.Get(), POLLOUT, timeLimit);
          ready != TNetStatus::Ok) {
        return ready;
      }
    } else if (sent < 0 && errno == EINTR) {
      continue;
    } else {
      return TNetStatus::Error;
    }
  }
  return TNetStatus::Ok;
}

TNetStatus TPosixSocket::Receive(std::string& buffer, std::size_t maxBytes,
                                 std::chrono::milliseconds timeLimit) {
  const std::size_t before = buffer.size();
  for (;;) {
    if (const TNetStatus ready = WaitFor(fd_.Get(), POLLIN, timeLimit); ready != TNetStatus::Ok) {
      return ready;
    }
    buffer.resize(before + maxBytes);
    const ssize_t got = ::recv(fd_.Get(), buffer.data() + before, maxBytes, 0);
    buffer.resize(before + (got > 0 ? static_cast<std::size_t>(got) : 0));
    if (got > 0) {
      return TNetStatus::Ok;
    }
    if (got == 0) {
      return TNetStatus::Closed;
    }
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
      return TNetStatus::Error;
    }
  }
}

}  // namespace porvan
