// The version-resource seam where executables carry none: the table generated at build time.
#pragma once

#include "platform/version_resource.h"

namespace porvan {

class TBuiltInVersionResource : public IVersionResource {
 public:
  std::unique_ptr<IVersionBlock> Load(const TPath& executablePath) override;
};

}  // namespace porvan
