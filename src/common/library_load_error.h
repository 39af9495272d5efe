// The error raised when a system library the program loads at first use is not there.
#pragma once

#include <stdexcept>
#include <string>

namespace porvan {

// What could not be loaded: a library, or one function in a loaded library. Texts are CP949.
struct TMissingLibraryPart {
  std::string Library;        // "urlmon.dll"
  std::string Function;       // empty when the library itself could not be loaded
  std::string SystemMessage;  // the system's text for the cause; may be empty
};

// An ordinary error, so the handler that made the call ends in the general error report.
class TLibraryLoadError : public std::runtime_error {
 public:
  explicit TLibraryLoadError(const TMissingLibraryPart& missing);
};

}  // namespace porvan
