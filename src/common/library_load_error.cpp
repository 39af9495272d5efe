// The text of the error for a system library, or a function in it, that cannot be loaded.
#include "common/library_load_error.h"

namespace porvan {
namespace {

std::string Text(const TMissingLibraryPart& missing) {
  std::string text = missing.Function.empty()
                         ? "Cannot load " + missing.Library + "."
                         : "Cannot find " + missing.Function + " in " + missing.Library + ".";
  if (!missing.SystemMessage.empty()) {
    text += "\r\n" + missing.SystemMessage;
  }
  return text;
}

}  // namespace

TLibraryLoadError::TLibraryLoadError(const TMissingLibraryPart& missing)
    : std::runtime_error(Text(missing)) {}

}  // namespace porvan
