// The message-box seam on Windows.
#pragma once

#include "platform/message_box.h"

namespace porvan {

class TWin32MessageBox : public IMessageBox {
 public:
  int Show(const std::string& text, const std::string& caption, unsigned flags) override;
};

}  // namespace porvan
