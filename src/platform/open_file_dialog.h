// The file-open dialog seam: the user picks one file.
#pragma once

#include <optional>
#include <string>

namespace porvan {

struct TOpenFileRequest {
  std::string Title;
  // Descriptions and patterns in turn, separated by "|": "Programs(*.exe)|*.exe".
  std::string Filter;
  // The dialog opens at this file (its folder, its name in the name field); may be empty,
  // relative, or name a file that does not exist.
  std::string FileName;
};

class IOpenFileDialog {
 public:
  virtual ~IOpenFileDialog() = default;

  // Runs the dialog modally over the active window. The full path of the file chosen, CP949,
  // or nothing when the user cancels. The chosen file need not exist; the process's current
  // directory is left as it was.
  virtual std::optional<std::string> Choose(const TOpenFileRequest& request) = 0;
};

}  // namespace porvan
