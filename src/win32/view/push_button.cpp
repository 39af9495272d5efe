// A standard push button with one callback for its click.
#include "win32/view/push_button.h"

namespace porvan {

TPushButton::TPushButton(TWindow& window, TControlSpec options, std::function<void()> onClick)
    : TControl(window, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, std::move(options)),
      onClick_(std::move(onClick)) {}

void TPushButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) {
    onClick_();
  }
}

}  // namespace porvan
