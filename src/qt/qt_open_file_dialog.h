// The file-open dialog seam over QFileDialog.
#pragma once

#include <QString>

#include "platform/open_file_dialog.h"

namespace porvan {

class TQtOpenFileDialog : public IOpenFileDialog {
 public:
  std::optional<TPath> Choose(const TOpenFileRequest& request) override;
};

// "Programs(*.exe)|*.exe|All|*" as Qt writes filters: "Programs(*.exe) (*.exe);;All (*)".
QString QtFilter(const std::string& filter);

}  // namespace porvan
