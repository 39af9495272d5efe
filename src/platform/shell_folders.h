// The shell-folder seam: where the user's special folders (desktop, start menu ...) are.
#pragma once

#include <string>

namespace porvan {

// Paths are CP949 texts; a folder that cannot be found is empty text, never an error.
class IShellFolders {
 public:
  virtual ~IShellFolders() = default;

  // The string value `valueName` ("Desktop", "Start Menu", "Startup") of the key
  // HKCU\Software\MicroSoft\Windows\CurrentVersion\Explorer\Shell Folders, exactly as stored
  // (no trailing separator added); empty when the key or the value is missing.
  virtual std::string RegistryShellFolder(const std::string& valueName) = 0;

  // The user's desktop as the system's known-folder service names it; empty when it has none.
  virtual std::string KnownDesktopFolder() = 0;
};

}  // namespace porvan
