// An open registry key, closed on every path.
#pragma once

#include <windows.h>

namespace porvan {

class TRegistryKey {
 public:
  TRegistryKey() = default;
  TRegistryKey(const TRegistryKey&) = delete;
  TRegistryKey& operator=(const TRegistryKey&) = delete;
  ~TRegistryKey() {
    if (key_ != nullptr) {
      RegCloseKey(key_);
    }
  }

  HKEY get() const { return key_; }
  // For the Reg* functions that hand out a key.
  HKEY* put() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace porvan
