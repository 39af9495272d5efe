// The file-open dialog seam on Windows.
#pragma once

#include "platform/open_file_dialog.h"

namespace porvan {

class TWin32OpenFileDialog : public IOpenFileDialog {
 public:
  std::optional<TPath> Choose(const TOpenFileRequest& request) override;
};

}  // namespace porvan
