// Where the Linux client keeps its files, after the freedesktop.org base directories.
#pragma once

#include "common/path_text.h"
#include "platform/desktop_conventions.h"

namespace porvan {

// The folder of the settings file and the access journal: $XDG_CONFIG_HOME/porvan, or
// ~/.config/porvan when that is unset, empty or relative (the base directories ignore a relative
// one); empty when neither gives an absolute folder. Both arguments may be null.
TPath ConfigFolder(const char* xdgConfigHome, const char* home);

// Settings in `configFolder`/Porvan.ini (beside the executable when it is empty), history.txt in
// `historyFolder`, filezilla and x-terminal-emulator as the client programs, launchers on the
// desktop.
TDesktopConventions LinuxDesktopConventions(const TPath& configFolder, const TPath& historyFolder);

// Makes `folder` and its parents (mode 0700 for the ones it makes); false when it cannot.
bool MakeFolders(const TPath& folder);

}  // namespace porvan
