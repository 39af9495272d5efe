// The temporary-folder seam: the platform's answer to "where do temporary files go".
#pragma once

#include <cstdint>
#include <string>

namespace porvan {

// Contract
// - Query gives the platform's temporary folder as CP949, ending with the platform's
//   separator, when it fits a buffer of `bufferLength` bytes with a terminating NUL (as
//   GetTempPathA would fill it). It gives empty text when the platform cannot say or the path
//   does not fit: a cut path would name some other folder.
// - Nothing is created or checked.
class ITempPath {
 public:
  virtual ~ITempPath() = default;
  virtual std::string Query(std::uint32_t bufferLength) = 0;
};

// `path` when it fits a buffer of `bufferLength` bytes with its NUL, else empty text.
std::string PathIfItFits(std::string path, std::uint32_t bufferLength);

}  // namespace porvan
