// The temporary-folder seam's rule for a path that must fit the caller's buffer.
#include "platform/temp_path.h"

namespace porvan {

TPath PathIfItFits(const TPath& path, std::uint32_t bufferLength) {
  return path.native().size() < bufferLength ? path : TPath();
}

}  // namespace porvan
