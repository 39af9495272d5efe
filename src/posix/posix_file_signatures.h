// The signature seam on POSIX systems, where programs carry no embedded signature.
#pragma once

#include "platform/file_signatures.h"

namespace porvan {

// Every file is reported as carrying no signature: the running program then hands on whatever
// the update brought to the desktop's opener, which asks the user as it does for any download.
class TPosixFileSignatures : public IFileSignatures {
 public:
  TSignatureFacts Check(const TPath& /*path*/) override { return {kSignatureNone, {}}; }
};

}  // namespace porvan
