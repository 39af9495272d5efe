// The shell-folder seam on POSIX systems: the desktop from XDG_DESKTOP_DIR, xdg-user-dir or
// ~/Desktop.
#include "posix/posix_shell_folders.h"

#include <sys/stat.h>

#include <cstdlib>

#include "posix/run_program.h"

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

// The user's desktop as xdg-user-dir reads it from the user-dirs file; empty when not installed.
std::string UserDirsDesktop() {
  const std::optional<TProgramRun> run = RunProgram({"xdg-user-dir", "DESKTOP"});
  if (!run || run->ExitStatus != 0) {
    return {};
  }
  std::string folder = run->Output;
  while (!folder.empty() && (folder.back() == '\n' || folder.back() == '/')) {
    folder.pop_back();
  }
  return folder;
}

}  // namespace

TPath TPosixShellFolders::RegistryShellFolder(const std::string& /*valueName*/) {
  return {};
}

TPath TPosixShellFolders::KnownDesktopFolder() {
  std::string desktop = Environment("XDG_DESKTOP_DIR");
  if (desktop.empty()) {
    desktop = UserDirsDesktop();
  }
  if (desktop.empty() && !Environment("HOME").empty()) {
    desktop = Environment("HOME") + "/Desktop";
  }
  return IsDirectory(desktop) ? TPath(desktop + "/") : TPath();
}

}  // namespace porvan
