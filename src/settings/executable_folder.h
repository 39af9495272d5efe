// The folder of the running executable, where its settings, history and shortcuts point.
#pragma once

#include "platform/path.h"

namespace porvan {

// The directory part of `executablePath`, without a trailing "\" except for a root ("C:\",
// "\"). Both "\" and "/" separate; "C:" alone is a drive. Empty for a bare file name.
TPath ExecutableFolder(const TPath& executablePath);

// `name` inside `folder`, with exactly one "\" between them.
TPath PathInFolder(const TPath& folder, const TPath& name);

}  // namespace porvan
