// The temporary-folder seam: the platform's answer to "where do temporary files go".
#pragma once

#include <cstdint>
#include "platform/path.h"

namespace porvan {

// Contract
// - Query gives the platform's temporary folder, ending with the platform's separator, when it
//   fits a buffer of `bufferLength` units of the platform's path (UTF-16 on Windows, bytes
//   elsewhere) with a terminating NUL, as GetTempPathW would fill it. It gives an empty path
//   when the platform cannot say or the path does not fit: a cut path would name some other
//   folder.
// - Nothing is created or checked.
class ITempPath {
 public:
  virtual ~ITempPath() = default;
  virtual TPath Query(std::uint32_t bufferLength) = 0;
};

}  // namespace porvan
