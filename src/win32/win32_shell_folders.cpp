// The shell-folder seam on Windows: the Explorer key's "Shell Folders", and the known desktop.
#include "win32/win32_shell_folders.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <memory>
#include <utility>

#include "win32/registry_key.h"
#include "win32/wide_text.h"

namespace porvan {

namespace {

struct TCoTaskMemFree {
  void operator()(wchar_t* text) const { CoTaskMemFree(text); }
};

}  // namespace

TPath TWin32ShellFolders::RegistryShellFolder(const std::string& valueName) {
  // Opened with full access and created when missing, as the program always has; a policy that
  // refuses this leaves the value unknown and the desktop to the known-folder service.
  TRegistryKey explorer;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, explorerKey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, explorer.put(), nullptr) != ERROR_SUCCESS) {
    return {};
  }
  const std::wstring name = Wide(valueName);
  // The value may change between the size query and the read: try again with the new size.
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD bytes = 0;
    if (RegGetValueW(explorer.get(), L"Shell Folders", name.c_str(), RRF_RT_REG_SZ, nullptr,
                     nullptr, &bytes) != ERROR_SUCCESS) {
      return {};
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const LSTATUS status = RegGetValueW(explorer.get(), L"Shell Folders", name.c_str(),
                                        RRF_RT_REG_SZ, nullptr, text.data(), &size);
    if (status == ERROR_SUCCESS) {
      text.resize(text.find(L'\0'));
      return TPath(std::move(text));
    }
    if (status != ERROR_MORE_DATA) {
      return {};
    }
  }
  return {};
}

TPath TWin32ShellFolders::KnownDesktopFolder() {
  wchar_t* raw = nullptr;
  const HRESULT result = SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &raw);
  std::unique_ptr<wchar_t, TCoTaskMemFree> path(raw);  // freed also when the call failed
  if (FAILED(result) || path == nullptr) {
    return {};
  }
  return TPath(path.get());
}

}  // namespace porvan
