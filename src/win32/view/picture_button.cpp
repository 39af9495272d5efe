// A button that paints its own faces and acts on a click like any button.
#include "win32/view/picture_button.h"

#include "win32/view/paint.h"
#include "win32/view/window.h"

namespace porvan {

TPictureButton::TPictureButton(TWindow& window, TControlSpec options, TFacePainter painter,
                               std::function<void()> onClick)
    : TControl(window, L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, std::move(options)),
      painter_(std::move(painter)),
      onClick_(std::move(onClick)) {}

void TPictureButton::OnCommand(WORD code) {
  // A quick second click arrives as a double click; it is a click all the same.
  if (code == BN_CLICKED || code == BN_DOUBLECLICKED) {
    onClick_();
  }
}

void TPictureButton::OnDraw(const DRAWITEMSTRUCT& item) {
  const TButtonFace face = (item.itemState & ODS_SELECTED) != 0 ? TButtonFace::Down
                           : hover_.Hot()                       ? TButtonFace::Hot
                                                                : TButtonFace::Up;
  const bool focused = (item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0;
  PaintBuffered(item.hDC, item.rcItem, Window().BackgroundBrush(),
                [&](HDC dc, const RECT& rect) { painter_(dc, rect, Dpi(), face, focused); });
}

bool TPictureButton::OnOwnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                  LRESULT& result) {
  if (hover_.OnMessage(Handle(), message)) {
    Redraw();
  }
  if (message == WM_GETDLGCODE) {
    // Enter on a focused picture button presses it, as on an ordinary push button.
    result = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    return true;
  }
  return false;
}

}  // namespace porvan
