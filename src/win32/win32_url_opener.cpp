// The web-link seam on Windows: ShellExecuteExW with the verb "open", no error dialogs.
#include "win32/win32_url_opener.h"

#include <windows.h>

#include <shellapi.h>

#include "win32/com_apartment.h"
#include "win32/wide_text.h"

namespace porvan {

bool TWin32UrlOpener::Open(const std::string& url) {
  // Some URL handlers are COM objects and need an apartment on the calling thread.
  TComApartment apartment;
  const std::wstring address = Wide(url);
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_FLAG_NO_UI;
  execute.hwnd = GetActiveWindow();
  execute.lpVerb = L"open";
  execute.lpFile = address.c_str();
  execute.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&execute) != FALSE;
}

}  // namespace porvan
