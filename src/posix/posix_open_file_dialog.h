// The file-open dialog seam on POSIX systems.
#pragma once

#include "platform/open_file_dialog.h"

namespace porvan {

// The desktop's file chooser through zenity; without zenity the user cannot choose, which
// reads as a cancel.
class TPosixOpenFileDialog : public IOpenFileDialog {
 public:
  std::optional<TPath> Choose(const TOpenFileRequest& request) override;
};

}  // namespace porvan
