// The desktop shortcut that starts the client for one domain: its parts and CreateShortcut.
#pragma once

#include <string>

#include "common/path_text.h"
#include "settings/shell_folder.h"

namespace porvan {

struct TPlatform;

// "Porvan - " + domain + extension (".lnk" on Windows).
std::string ShortcutFileName(const std::string& domain, const std::string& extension);

// The command line the shortcut gives the client: domain, client type and "true" or "false",
// separated by one blank, unquoted, in the order the command line is read back.
std::string ShortcutArguments(const std::string& domain, const std::string& clientType,
                              bool minimise);

// False when the domain would turn the shortcut's file name into a path or an invalid name: a
// control character, one of \ / : * ? " < > |, or "..". CP949 trail bytes never take these
// values, so the bytes are checked one by one.
bool IsUsableInFileName(const std::string& domain);

// Writes the link `fileName` (CP949, as the arguments) into the folder of `kind`. When the
// folder is unknown or the link cannot be made or saved, shows the error box that says so and
// returns false.
bool CreateShortcut(TPlatform& platform, TShellFolderKind kind, const std::string& fileName,
                    const TPath& target, const TPath& workingDirectory,
                    const std::string& arguments);

}  // namespace porvan
