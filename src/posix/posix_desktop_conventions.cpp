// The Linux client's places: its configuration folder, history, client programs and launchers.
#include "posix/posix_desktop_conventions.h"

#include <sys/stat.h>

#include <cerrno>

namespace porvan {
namespace {

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

}  // namespace

std::string ConfigFolder(const char* xdgConfigHome, const char* home) {
  if (IsAbsolute(xdgConfigHome)) {
    return std::string(xdgConfigHome) + "/porvan";
  }
  if (IsAbsolute(home)) {
    return std::string(home) + "/.config/porvan";
  }
  return {};
}

TDesktopConventions LinuxDesktopConventions(const std::string& configFolder,
                                            const std::string& historyFolder) {
  TDesktopConventions conventions;
  if (!configFolder.empty()) {
    conventions.StateFileStem = configFolder + "/Porvan";
  }
  if (!historyFolder.empty()) {
    conventions.HistoryFolder = historyFolder.back() == '/' ? historyFolder : historyFolder + "/";
  }
  conventions.DefaultFTPPath = "/usr/bin/filezilla";
  conventions.DefaultSSHPath = "/usr/bin/x-terminal-emulator";
  conventions.ProgramPattern = "*";
  conventions.ShortcutExtension = ".desktop";
  return conventions;
}

bool MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      return false;
    }
    if (slash == std::string::npos) {
      break;
    }
  }
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace porvan
