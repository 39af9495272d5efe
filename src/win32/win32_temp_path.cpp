// The temporary-folder seam on Windows: GetTempPathW, answered in CP949.
#include "win32/win32_temp_path.h"

#include <windows.h>

#include <string>

#include "win32/wide_text.h"

namespace porvan {

// The wide form, measured in CP949 bytes afterwards: the ANSI form would give the system code
// page's bytes, which are not CP949 on every Windows.
std::string TWin32TempPath::Query(std::uint32_t bufferLength) {
  const DWORD needed = GetTempPathW(0, nullptr);  // with the NUL
  if (needed == 0) {
    return {};
  }
  std::wstring wide(needed, L'\0');
  const DWORD length = GetTempPathW(needed, wide.data());
  if (length == 0 || length >= needed) {
    return {};
  }
  wide.resize(length);
  return PathIfItFits(Narrow(wide), bufferLength);
}

}  // namespace porvan
