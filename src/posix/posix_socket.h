// An ISocket on a non-blocking BSD socket descriptor, shared by the connecting and listening sides.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "platform/socket.h"

namespace porvan {

// Owns a descriptor and closes it once.
class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd = -1) : fd_(fd) {}
  ~TFileDescriptor();
  TFileDescriptor(TFileDescriptor&& other) noexcept : fd_(other.Release()) {}
  TFileDescriptor& operator=(TFileDescriptor&& other) noexcept;
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;

  int Get() const { return fd_; }
  int Release();

 private:
  int fd_;
};

bool SetNonBlocking(int fd);

// Waits until `events` (poll flags) are signalled on fd, retrying after signals.
TNetStatus WaitFor(int fd, short events, std::chrono::milliseconds timeLimit);

class TPosixSocket final : public ISocket {
 public:
  explicit TPosixSocket(TFileDescriptor fd) : fd_(std::move(fd)) {}

  TNetStatus SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) override;
  TNetStatus Receive(std::string& buffer, std::size_t maxBytes,
                     std::chrono::milliseconds timeLimit) override;

 private:
  TFileDescriptor fd_;
};

}  // namespace porvan
