// The program-start seam on Windows: ShellExecuteW with the CP949 path converted.
#include "win32/win32_program_launcher.h"

#include <windows.h>

#include <shellapi.h>

#include "win32/wide_text.h"

namespace porvan {

bool TWin32ProgramLauncher::Open(const std::string& path) {
  const HINSTANCE result =
      ShellExecuteW(nullptr, L"open", Wide(path).c_str(), L"", nullptr, SW_SHOW);
  // Values above 32 mean success; the API returns an integer disguised as a handle.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace porvan
