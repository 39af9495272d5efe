// The shell-folder seam on POSIX systems.
#pragma once

#include "platform/shell_folders.h"

namespace porvan {

// No registry here: only the desktop is known, as the freedesktop.org user folders name it.
class TPosixShellFolders : public IShellFolders {
 public:
  TPath RegistryShellFolder(const std::string& valueName) override;
  TPath KnownDesktopFolder() override;
};

}  // namespace porvan
