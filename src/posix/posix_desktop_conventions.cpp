// The Linux client's places: its configuration folder, history, client programs and launchers.
#include "posix/posix_desktop_conventions.h"

#include <sys/stat.h>

#include <cerrno>

#include "common/path_text.h"

namespace porvan {
namespace {

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

// Appended in place: `folder + name` inlines a copy that GCC 12 misreads at -O3.
TPath InFolder(const char* folder, const char* name) {
  std::string path(folder);
  path += name;
  return PathFromUtf8(path);
}

}  // namespace

TPath ConfigFolder(const char* xdgConfigHome, const char* home) {
  if (IsAbsolute(xdgConfigHome)) {
    return InFolder(xdgConfigHome, "/porvan");
  }
  if (IsAbsolute(home)) {
    return InFolder(home, "/.config/porvan");
  }
  return {};
}

TDesktopConventions LinuxDesktopConventions(const TPath& configFolder, const TPath& historyFolder) {
  std::string history = PathToUtf8(historyFolder);
  if (!history.empty() && history.back() != '/') {
    history += '/';
  }
  // Made whole, not assigned over the Windows defaults: GCC 12 misreads that at -O3.
  return TDesktopConventions{
      .StateFileStem = configFolder.empty() ? TPath() : InFolder(configFolder.c_str(), "/Porvan"),
      .HistoryFolder = PathFromUtf8(history),
      .DefaultFTPPath = "/usr/bin/filezilla",
      .DefaultSSHPath = "/usr/bin/x-terminal-emulator",
      .ProgramPattern = "*",
      .ShortcutExtension = ".desktop",
      .InstallerExtensions = {".deb"}};
}

bool MakeFolders(const TPath& path) {
  const std::string folder = PathToUtf8(path);
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
