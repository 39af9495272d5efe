// The temporary-folder seam on Windows: GetTempPathW, answered in CP949.
#pragma once

#include "platform/temp_path.h"

namespace porvan {

class TWin32TempPath final : public ITempPath {
 public:
  TPath Query(std::uint32_t bufferLength) override;
};

}  // namespace porvan
