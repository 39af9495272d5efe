// A label drawn as a web link.
#include "win32/view/link_label.h"

#include "win32/view/window.h"

namespace porvan {

TLinkLabel::TLinkLabel(TWindow& window, TControlSpec options, std::function<void()> onClick)
    : TControl(window, L"STATIC", SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP, std::move(options)),
      onClick_(std::move(onClick)),
      color_(GetSysColor(COLOR_HIGHLIGHT)) {}

void TLinkLabel::SetColor(TRgb color) {
  color_ = RGB(color.Red, color.Green, color.Blue);
  Redraw();
}

void TLinkLabel::OnCommand(WORD code) {
  if (code == STN_CLICKED) {
    onClick_();
  }
}

HBRUSH TLinkLabel::OnColor(HDC dc) {
  SetTextColor(dc, color_);
  SetBkColor(dc, Window().Background());
  return Window().BackgroundBrush();
}

bool TLinkLabel::OnOwnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) {
  if (message == WM_SETCURSOR) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    result = TRUE;
    return true;
  }
  return false;
}

}  // namespace porvan
