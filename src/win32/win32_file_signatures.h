// The signature seam on Windows: WinVerifyTrust and the signing certificate's subject.
#pragma once

#include "platform/file_signatures.h"

namespace porvan {

class TWin32FileSignatures : public IFileSignatures {
 public:
  TSignatureFacts Check(const TPath& path) override;
};

}  // namespace porvan
