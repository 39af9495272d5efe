// The message-box seam on Windows: MessageBoxW over the active window, texts from CP949.
#include "win32/win32_message_box.h"

#include <windows.h>

#include "win32/wide_text.h"

namespace porvan {

int TWin32MessageBox::Show(const std::string& text, const std::string& caption, unsigned flags) {
  // Owned by the active window of this thread, so the box is modal to it.
  return MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(caption).c_str(), flags);
}

}  // namespace porvan
