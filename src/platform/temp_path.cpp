// The temporary-folder seam's rule for a path that must fit the caller's buffer.
#include "platform/temp_path.h"

namespace porvan {

std::string PathIfItFits(std::string path, std::uint32_t bufferLength) {
  return path.size() < bufferLength ? path : std::string();
}

}  // namespace porvan
