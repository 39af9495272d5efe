// The message-box seam on Windows: MessageBoxW over the active window, texts from CP949.
#include "win32/win32_message_box.h"

#include "win32/view/visual_styles.h"
#include "win32/wide_text.h"

namespace porvan {

int TWin32MessageBox::Show(const std::string& text, const std::string& caption, unsigned flags) {
  // Owned by the active window of this thread, so the box is modal to it. While another program
  // is in front (the program closed from the taskbar) there is none: the main window on the
  // screen owns the box then, so that no second close or press reaches it while the box is up.
  HWND owner = GetActiveWindow();
  if (owner == nullptr && mainWindow_ != nullptr && IsWindowVisible(mainWindow_) != FALSE &&
      IsIconic(mainWindow_) == FALSE) {
    owner = mainWindow_;
  }
  const TVisualStyles styles;
  return MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), flags);
}

}  // namespace porvan
