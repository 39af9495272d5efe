// An ISocket on a non-blocking Winsock socket, shared by the connecting and listening sides.
#pragma once

#include <winsock2.h>

#include <chrono>
#include <string>
#include <string_view>

#include "platform/socket.h"

namespace porvan {

// Holds one reference to the Winsock library; whoever makes sockets keeps one.
class TWinsockSession {
 public:
  TWinsockSession();
  ~TWinsockSession();
  TWinsockSession(const TWinsockSession&) = delete;
  TWinsockSession& operator=(const TWinsockSession&) = delete;
  bool Started() const { return started_; }

 private:
  bool started_ = false;
};

// Owns a socket handle and closes it once.
class TSocketHandle {
 public:
  explicit TSocketHandle(SOCKET handle = INVALID_SOCKET) : handle_(handle) {}
  ~TSocketHandle();
  TSocketHandle(TSocketHandle&& other) noexcept : handle_(other.Release()) {}
  TSocketHandle& operator=(TSocketHandle&&) = delete;
  TSocketHandle(const TSocketHandle&) = delete;
  TSocketHandle& operator=(const TSocketHandle&) = delete;

  SOCKET Get() const { return handle_; }
  bool Valid() const { return handle_ != INVALID_SOCKET; }
  SOCKET Release();

 private:
  SOCKET handle_;
};

bool SetNonBlocking(SOCKET handle);

enum class TWaitFor { Read, Write };

// Waits with select until the socket is readable (or writable); a failed connect also ends it.
TNetStatus WaitFor(SOCKET handle, TWaitFor what, std::chrono::milliseconds timeLimit);

class TWinsockSocket final : public ISocket {
 public:
  explicit TWinsockSocket(TSocketHandle handle) : handle_(std::move(handle)) {}

  TNetStatus SendAll(std::string_view bytes, std::chrono::milliseconds timeLimit) override;
  TNetStatus Receive(std::string& buffer, std::size_t maxBytes,
                     std::chrono::milliseconds timeLimit) override;

 private:
  TWinsockSession session_;
  TSocketHandle handle_;
};

}  // namespace porvan
