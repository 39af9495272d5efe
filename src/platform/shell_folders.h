// The shell-folder seam: where the user's special folders (desktop, start menu ...) are.
#pragma once

#include <string>

#include "platform/path.h"

namespace porvan {

// A folder that cannot be found is an empty path, never an error.
class IShellFolders {
 public:
  virtual ~IShellFolders() = default;

  // The string value `valueName` ("Desktop", "Start Menu", "Startup") of the key
  // HKCU\Software\MicroSoft\Windows\CurrentVersion\Explorer\Shell Folders, exactly as stored
  // (no trailing separator added); empty when the key or the value is missing. The value's name
  // is ASCII.
  virtual TPath RegistryShellFolder(const std::string& valueName) = 0;

  // The user's desktop as the system's known-folder service names it; empty when it has none.
  virtual TPath KnownDesktopFolder() = 0;
};

}  // namespace porvan
