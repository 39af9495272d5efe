// The folder of the running executable, where its settings, history and shortcuts point.
#pragma once

#include <string>

namespace porvan {

struct TPlatform;

// The directory part of `executablePath`, without a trailing "\" except for a root ("C:\",
// "\"). Both "\" and "/" separate; "C:" alone is a drive. Empty for a bare file name.
std::string ExecutableFolder(const std::string& executablePath);

// The path the settings file and the access journal are named after: the desktop's stem, or
// the executable's path where it has none.
std::string StateFileStem(TPlatform& platform);

// `name` inside `folder`, with exactly one "\" between them.
std::string PathInFolder(const std::string& folder, const std::string& name);

}  // namespace porvan
