// The shell-folder seam on POSIX systems.
#pragma once

#include "platform/shell_folders.h"

namespace porvan {

// No registry here: only the desktop is known, as the freedesktop.org user folders name it.
class TPosixShellFolders : public IShellFolders {
 public:
  std::string RegistryShellFolder(const std::string& valueName) override;
  std::string KnownDesktopFolder() override;
};

}  // namespace porvan
