// What every platform's file seam must do alike with the files the access journal uses.
#pragma once

#include "common/path_text.h"

namespace porvan {
class IFileSystem;
}

namespace porvan::testing {

// Bounded reads, renaming over a file, and removal of files that may not be there, in `folder`
// (which ends with the platform's separator and exists).
void CheckBoundedReadRenameAndRemove(IFileSystem& files, const TPath& folder);

}  // namespace porvan::testing
