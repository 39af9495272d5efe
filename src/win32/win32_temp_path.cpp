// The temporary-folder seam on Windows: GetTempPathW.
#include "win32/win32_temp_path.h"

#include <windows.h>

#include <string>
#include <utility>

#include "common/path_text.h"

namespace porvan {

// The wide form: the ANSI form gives "?" for every character the system code page lacks.
TPath TWin32TempPath::Query(std::uint32_t bufferLength) {
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
  return PathIfItFits(TPath(std::move(wide)), bufferLength);
}

}  // namespace porvan
