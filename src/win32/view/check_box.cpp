// A check box with its caption on the window's background.
#include "win32/view/check_box.h"

#include "win32/view/window.h"

namespace porvan {

TCheckBox::TCheckBox(TWindow& window, TControlSpec options)
    : TControl(window, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, std::move(options)) {}

bool TCheckBox::Checked() {
  return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HBRUSH TCheckBox::OnColor(HDC dc) {
  SetBkColor(dc, Window().Background());
  return Window().BackgroundBrush();
}

}  // namespace porvan
