// The shell-folder seam on POSIX systems: the desktop from XDG_DESKTOP_DIR or ~/Desktop.
#include "posix/posix_shell_folders.h"

#include <sys/stat.h>

#include <cstdlib>

namespace porvan {

namespace {

bool IsDirectory(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

TPath TPosixShellFolders::RegistryShellFolder(const std::string& /*valueName*/) {
  return {};
}

TPath TPosixShellFolders::KnownDesktopFolder() {
  std::string desktop = Environment("XDG_DESKTOP_DIR");
  if (desktop.empty() && !Environment("HOME").empty()) {
    desktop = Environment("HOME") + "/Desktop";
  }
  return IsDirectory(desktop) ? TPath(desktop + "/") : TPath();
}

}  // namespace porvan
