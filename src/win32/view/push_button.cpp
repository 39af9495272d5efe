// A standard push button with one callback for its click.
#include "win32/view/push_button.h"

namespace porvan {

TPushButton::TPushButton(TWindow& window, TControlSpec spec, std::function<void()> onClick)
    : TControl(window,
               [&] {
                 spec.ClassName = L"BUTTON";
                 spec.Style |= BS_PUSHBUTTON | WS_TABSTOP;
                 return std::move(spec);
               }()),
      onClick_(std::move(onClick)) {}

void TPushButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) {
    onClick_();
  }
}

}  // namespace porvan
