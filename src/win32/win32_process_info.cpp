// The process seam on Windows: the module's path and the raw command line of the process.
#include "win32/win32_process_info.h"

#include <windows.h>

#include <utility>

#include "win32/wide_text.h"

namespace porvan {

TPath TWin32ProcessInfo::ExecutablePath() {
  // Long paths need more than MAX_PATH; grow until the whole path fits.
  std::wstring buffer(MAX_PATH, L'\0');
  while (true) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      return {};
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      return TPath(std::move(buffer));
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string TWin32ProcessInfo::CommandLine() {
  return Narrow(GetCommandLineW());
}

}  // namespace porvan
