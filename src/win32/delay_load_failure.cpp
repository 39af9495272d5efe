// A delay-loaded system DLL that cannot be loaded at its first call becomes an ordinary error,
// which the handler guard reports, instead of the runtime's unhandled exception.
#include <windows.h>

#include <delayimp.h>

#include <string>

#include "common/library_load_error.h"
#include "win32/system_message.h"

namespace porvan {
namespace {

std::string FunctionName(const DelayLoadProc& function) {
  return function.fImportByName ? std::string(function.szProcName)
                                : "#" + std::to_string(function.dwOrdinal);
}

FARPROC WINAPI DelayLoadFailed(unsigned notification, PDelayLoadInfo info) {
  if (notification != dliFailLoadLib && notification != dliFailGetProc) {
    return nullptr;
  }
  // The names are ASCII as the linker wrote them, so they are CP949 already.
  throw TLibraryLoadError(TMissingLibraryPart{
      .Library = info->szDll,
      .Function = notification == dliFailGetProc ? FunctionName(info->dlp) : std::string(),
      .SystemMessage = SystemMessage(static_cast<HRESULT>(info->dwLastError))});
}

}  // namespace
}  // namespace porvan

// The runtime's delay-load helper calls this hook; the declaration in <delayimp.h> is const for
// MSVC and not for mingw-w64, so the definition takes the declared type.
extern "C" {
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name the runtime looks for.
decltype(__pfnDliFailureHook2) __pfnDliFailureHook2 = porvan::DelayLoadFailed;
}
