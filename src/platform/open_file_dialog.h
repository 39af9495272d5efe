// The file-open dialog seam: the user picks one file.
#pragma once

#include <optional>
#include <string>

#include "platform/path.h"

namespace porvan {

struct TOpenFileRequest {
  std::string Title;  // CP949, as the filter
  // Descriptions and patterns in turn, separated by "|": "Programs(*.exe)|*.exe".
  std::string Filter;
  // The dialog opens at this file (its folder, its name in the name field); may be empty,
  // relative, or name a file that does not exist.
  TPath FileName;
};

class IOpenFileDialog {
 public:
  virtual ~IOpenFileDialog() = default;

  // Runs the dialog modally over the active window. The full path of the file chosen, or
  // nothing when the user cancels. The chosen file need not exist; the process's current
  // directory is left as it was.
  virtual std::optional<TPath> Choose(const TOpenFileRequest& request) = 0;
};

}  // namespace porvan
