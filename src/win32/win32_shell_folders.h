// The shell-folder seam on Windows.
#pragma once

#include <string>

#include "platform/shell_folders.h"

namespace porvan {

class TWin32ShellFolders : public IShellFolders {
 public:
  // `explorerKey` under HKEY_CURRENT_USER holds the "Shell Folders" subkey; tests give a key of
  // their own so the user's folders are never touched.
  explicit TWin32ShellFolders(
      std::wstring explorerKey = L"Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer")
      : explorerKey_(std::move(explorerKey)) {}

  TPath RegistryShellFolder(const std::string& valueName) override;
  TPath KnownDesktopFolder() override;

 private:
  std::wstring explorerKey_;
};

}  // namespace porvan
