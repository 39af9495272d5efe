// GetShellFolder: the registry's shell folders, with the known folder standing in for the desktop.
#include "settings/shell_folder.h"

#include "common/path_text.h"
#include "platform/shell_folders.h"

namespace porvan {

namespace {

const char* RegistryValueName(TShellFolderKind kind) {
  switch (kind) {
    case TShellFolderKind::StartMenu:
      return "Start Menu";
    case TShellFolderKind::Desktop:
      return "Desktop";
    case TShellFolderKind::Startup:
      return "Startup";
    case TShellFolderKind::None:
      break;
  }
  return nullptr;
}

// A folder already ending in "/" (a POSIX desktop) is left as it is.
TPath WithTrailingSeparator(const TPath& path) {
  std::string folder = PathToUtf8(path);
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') {
    folder += '\\';
  }
  return PathFromUtf8(folder);
}

}  // namespace

TPath GetShellFolder(IShellFolders& folders, TShellFolderKind kind) {
  const char* valueName = RegistryValueName(kind);
  if (valueName == nullptr) {
    return TPath();
  }
  TPath folder = folders.RegistryShellFolder(valueName);
  // Newer systems may keep only "User Shell Folders"; the desktop must still be found.
  if (folder.empty() && kind == TShellFolderKind::Desktop) {
    folder = folders.KnownDesktopFolder();
  }
  return WithTrailingSeparator(folder);
}

}  // namespace porvan
