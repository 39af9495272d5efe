// The Linux client's places: its configuration folder, history, client programs and launchers.
#include "posix/posix_desktop_conventions.h"

#include <sys/stat.h>

#include <cerrno>

namespace porvan {
namespace {

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

// Appended in place: `folder + name` inlines a copy that GCC 12 misreads at -O3.
std::string InFolder(const char* folder, const char* name) {
  std::string path(folder);
  path += name;
  return path;
}

}  // namespace

std::string ConfigFolder(const char* xdgConfigHome, const char* home) {
  if (IsAbsolute(xdgConfigHome)) {
    return InFolder(xdgConfigHome, "/porvan");
  }
  if (IsAbsolute(home)) {
    return InFolder(home, "/.config/porvan");
  }
  return {};
}

TDesktopConventions LinuxDesktopConventions(const std::string& configFolder,
                                            const std::string& historyFolder) {
  std::string history = historyFolder;
  if (!history.empty() && history.back() != '/') {
    history += '/';
  }
  // Made whole, not assigned over the Windows defaults: GCC 12 misreads that at -O3.
  return TDesktopConventions{.StateFileStem = configFolder.empty()
                                                  ? std::string()
                                                  : InFolder(configFolder.c_str(), "/Porvan"),
                             .HistoryFolder = history,
                             .DefaultFTPPath = "/usr/bin/filezilla",
                             .DefaultSSHPath = "/usr/bin/x-terminal-emulator",
                             .ProgramPattern = "*",
                             .ShortcutExtension = ".desktop"};
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
