// GetShellFolder: the folder of one of the user's special folders, ready to take a file name.
#pragma once

#include "common/path_text.h"

namespace porvan {

class IShellFolders;

// In the system's order; the program writes links only to the desktop.
enum class TShellFolderKind { StartMenu, Desktop, Startup, None };

// The folder's path from the registry's shell folders, ending in "\"; for the desktop, the
// known-folder path when the registry holds no value. An empty path when the folder is unknown
// and for the kind None: the caller must not put a file there.
TPath GetShellFolder(IShellFolders& folders, TShellFolderKind kind);

}  // namespace porvan
