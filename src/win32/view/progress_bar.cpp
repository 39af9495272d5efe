// A flat progress bar that fills from the left and shows its text centred over the fill.
#include "win32/view/progress_bar.h"

#include <algorithm>

#include "win32/view/gdi.h"
#include "win32/view/paint.h"
#include "win32/view/window.h"
#include "win32/wide_text.h"

namespace porvan {

namespace {

const COLORREF kFrame = RGB(100, 100, 100);
const COLORREF kEmpty = RGB(255, 255, 255);
const COLORREF kFill = RGB(0, 84, 166);

// The text in `color`, centred in `whole` but drawn only inside `clip`.
void DrawClippedText(HDC dc, const std::wstring& text, const RECT& whole, const RECT& clip,
                     COLORREF color) {
  TGdiObject<HRGN> region(CreateRectRgnIndirect(&clip));
  SelectClipRgn(dc, region.get());
  SetTextColor(dc, color);
  RECT rect = whole;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectClipRgn(dc, nullptr);
}

}  // namespace

TProgressBar::TProgressBar(TWindow& window, TControlSpec options)
    : TControl(window, L"STATIC", SS_OWNERDRAW, std::move(options)) {}

void TProgressBar::SetProgress(int position, int max) {
  max_ = std::max(max, 1);
  position_ = std::clamp(position, 0, max_);
  Redraw();
}

void TProgressBar::SetText(const std::string& text) {
  text_ = Wide(text);
  SetWindowTextW(Handle(), text_.c_str());
  Redraw();
}

void TProgressBar::OnDraw(const DRAWITEMSTRUCT& item) {
  PaintBuffered(item.hDC, item.rcItem, Window().BackgroundBrush(), [&](HDC dc, const RECT& rect) {
    // A one-pixel frame with the bar right inside it.
    FillColor(dc, rect, kFrame);
    RECT inside = rect;
    InflateRect(&inside, -1, -1);
    const int width = inside.right - inside.left;
    const RECT filled{inside.left, inside.top, inside.left + MulDiv(width, position_, max_),
                      inside.bottom};
    const RECT empty{filled.right, inside.top, inside.right, inside.bottom};
    FillColor(dc, filled, kFill);
    FillColor(dc, empty, kEmpty);
    const TSelection font(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    // Light text over the fill, dark over the rest, so every digit stays readable.
    DrawClippedText(dc, text_, inside, filled, kEmpty);
    DrawClippedText(dc, text_, inside, empty, RGB(0, 0, 0));
  });
}

}  // namespace porvan
