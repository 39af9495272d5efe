// The folder of the running executable, where its settings, history and shortcuts point.
#pragma once

#include "common/path_text.h"

namespace porvan {

struct TPlatform;

// The directory part of `executablePath`, without a trailing "\" except for a root ("C:\",
// "\"). Both "\" and "/" separate; "C:" alone is a drive. Empty for a bare file name.
TPath ExecutableFolder(const TPath& executablePath);

// The path the settings file and the access journal are named after: the desktop's stem, or
// the executable's path where it has none.
TPath StateFileStem(TPlatform& platform);

// `name` inside `folder`, with exactly one "\" between them.
TPath PathInFolder(const TPath& folder, const TPath& name);

}  // namespace porvan
