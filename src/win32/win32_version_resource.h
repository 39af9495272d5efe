// The version-resource seam on Windows.
#pragma once

#include "platform/version_resource.h"

namespace porvan {

class TWin32VersionResource : public IVersionResource {
 public:
  std::unique_ptr<IVersionBlock> Load(const TPath& executablePath) override;
};

}  // namespace porvan
