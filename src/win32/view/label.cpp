// A one-line text label of fixed size on its window's background.
#include "win32/view/label.h"

#include "win32/view/window.h"
#include "win32/wide_text.h"

namespace porvan {

TLabel::TLabel(TWindow& window, TControlSpec options, COLORREF textColor)
    : TControl(window, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, std::move(options)),
      textColor_(textColor) {}

void TLabel::SetText(const std::string& text) {
  SetWindowTextW(Handle(), Wide(text).c_str());
}

HBRUSH TLabel::OnColor(HDC dc) {
  SetTextColor(dc, textColor_);
  SetBkColor(dc, Window().Background());
  return Window().BackgroundBrush();
}

}  // namespace porvan
