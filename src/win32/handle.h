// An owned kernel handle, closed on every path.
#pragma once

#include <windows.h>

namespace porvan {

class THandle {
 public:
  explicit THandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  ~THandle() { Close(); }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  // Closes now; false when the close failed (the last report of a failed write).
  bool Close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return handle == INVALID_HANDLE_VALUE || handle == nullptr || CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

}  // namespace porvan
