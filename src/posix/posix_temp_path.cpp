// The temporary-folder seam on POSIX systems: TMPDIR, else /tmp.
#include "posix/posix_temp_path.h"

#include <cstdlib>
#include <string>

#include "common/path_text.h"

namespace porvan {

TPath TPosixTempPath::Query(std::uint32_t bufferLength) {
  const char* folder = std::getenv("TMPDIR");
  std::string path = folder != nullptr && *folder != '\0' ? folder : "/tmp";
  if (path.back() != '/') {
    path += '/';
  }
  return PathIfItFits(TPath(path), bufferLength);
}

}  // namespace porvan
