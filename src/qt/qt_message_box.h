// The message-box seam over QMessageBox, with the Win32 flags and results the logic states.
#pragma once

#include "platform/message_box.h"

namespace porvan {

class TQtMessageBox : public IMessageBox {
 public:
  int Show(const std::string& text, const std::string& caption, unsigned flags) override;
};

}  // namespace porvan
