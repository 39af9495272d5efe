// The folder of the running executable, where its settings, history and shortcuts point.
#pragma once

#include <string>

namespace porvan {

// The directory part of `executablePath`, without a trailing "\" except for a root ("C:\",
// "\"). Both "\" and "/" separate; "C:" alone is a drive. Empty for a bare file name.
std::string ExecutableFolder(const std::string& executablePath);

// `name` inside `folder`, with exactly one "\" between them.
std::string PathInFolder(const std::string& folder, const std::string& name);

}  // namespace porvan
