// A framed group with its caption.
#include "win32/view/group_box.h"

#include "win32/view/window.h"

namespace porvan {

TGroupBox::TGroupBox(TWindow& window, TControlSpec options)
    : TControl(window, L"BUTTON", BS_GROUPBOX, options), place_(options.Place) {}

HBRUSH TGroupBox::OnColor(HDC dc) {
  SetBkColor(dc, Window().Background());
  return Window().BackgroundBrush();
}

TPlace TGroupBox::Inside(TPlace place) const {
  place.Left += place_.Left;
  place.Top += place_.Top;
  return place;
}

}  // namespace porvan
