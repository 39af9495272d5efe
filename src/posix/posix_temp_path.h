// The temporary-folder seam on POSIX systems: TMPDIR, else /tmp.
#pragma once

#include "platform/temp_path.h"

namespace porvan {

class TPosixTempPath final : public ITempPath {
 public:
  TPath Query(std::uint32_t bufferLength) override;
};

}  // namespace porvan
