// A label that paints its text centred on white inside a coloured flat frame.
#include "win32/view/framed_label.h"

#include <string>

#include "win32/view/gdi.h"
#include "win32/view/paint.h"
#include "win32/view/window.h"
#include "win32/wide_text.h"

namespace porvan {
namespace {

void DrawEdgeLine(HDC dc, POINT from, POINT via, POINT to, COLORREF color) {
  const POINT points[] = {from, via, to};
  DrawLines(dc, points, 3, 1, color);
}

}  // namespace

TFramedLabel::TFramedLabel(TWindow& window, TControlSpec options, TFrameColors colors)
    : TControl(window, L"STATIC", SS_OWNERDRAW, std::move(options)), colors_(colors) {}

void TFramedLabel::SetText(const std::string& text) {
  SetWindowTextW(Handle(), Wide(text).c_str());
  Redraw();
  UpdateWindow(Handle());
}

void TFramedLabel::OnDraw(const DRAWITEMSTRUCT& item) {
  const int length = GetWindowTextLengthW(Handle());
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(Handle(), text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));

  PaintBuffered(item.hDC, item.rcItem, Window().BackgroundBrush(), [&](HDC dc, const RECT& rect) {
    FillColor(dc, rect, RGB(255, 255, 255));
    // A bold flat frame, then a one-pixel bevel inside it.
    const int bold = Dpi().Scale(2);
    TBrushObject frame(CreateSolidBrush(colors_.Frame));
    for (int i = 0; i < bold; ++i) {
      const RECT ring{rect.left + i, rect.top + i, rect.right - i, rect.bottom - i};
      FrameRect(dc, &ring, frame.get());
    }
    const RECT inner{rect.left + bold, rect.top + bold, rect.right - bold - 1,
                     rect.bottom - bold - 1};
    DrawEdgeLine(dc, {inner.left, inner.bottom}, {inner.left, inner.top}, {inner.right, inner.top},
                 colors_.Highlight);
    DrawEdgeLine(dc, {inner.left, inner.bottom}, {inner.right, inner.bottom},
                 {inner.right, inner.top}, colors_.Shadow);
    TSelection font(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT textRect = rect;
    DrawTextW(dc, text.c_str(), length, &textRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  });
}

}  // namespace porvan
