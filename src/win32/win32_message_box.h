// The message-box seam on Windows.
#pragma once

#include <windows.h>

#include "platform/message_box.h"

namespace porvan {

class TWin32MessageBox : public IMessageBox {
 public:
  // The program's main window while it exists (null afterwards): it owns the boxes shown while
  // no window of the program is the active one.
  void SetMainWindow(HWND window) { mainWindow_ = window; }

  int Show(const std::string& text, const std::string& caption, unsigned flags) override;

 private:
  HWND mainWindow_ = nullptr;
};

}  // namespace porvan
