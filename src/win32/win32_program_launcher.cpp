// The program-start seam on Windows: ShellExecuteW with the path's UTF-16 form.
#include "win32/win32_program_launcher.h"

#include <windows.h>

#include <shellapi.h>
namespace porvan {

bool TWin32ProgramLauncher::Open(const TPath& path) {
  const HINSTANCE result = ShellExecuteW(nullptr, L"open", path.c_str(), L"", nullptr, SW_SHOW);
  // Values above 32 mean success; the API returns an integer disguised as a handle.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace porvan
