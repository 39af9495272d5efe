// A multi-line text area with a vertical scroll bar.
#include "win32/view/memo.h"

namespace porvan {

TMemo::TMemo(TWindow& window, TControlSpec options, COLORREF background,
             std::function<bool(int key)> onKeyDown)
    : TEditControl(window, std::move(options),
                   ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                   background),
      onKeyDown_(std::move(onKeyDown)) {}

bool TMemo::OnOwnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  if (message == WM_KEYDOWN && onKeyDown_(static_cast<int>(wParam))) {
    result = 0;
    return true;
  }
  // A multi-line box would take Escape for itself and close the window behind the form's back.
  if (message == WM_CHAR && wParam == VK_ESCAPE) {
    result = 0;
    return true;
  }
  return false;
}

}  // namespace porvan
