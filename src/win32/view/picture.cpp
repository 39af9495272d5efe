// A picture drawn in code, double-buffered so a repaint never flickers.
#include "win32/view/picture.h"

#include "win32/view/paint.h"
#include "win32/view/window.h"

namespace porvan {

TPicture::TPicture(TWindow& window, TControlSpec options, TPainter painter)
    : TControl(window, L"STATIC", SS_OWNERDRAW, std::move(options)), painter_(std::move(painter)) {}

void TPicture::OnDraw(const DRAWITEMSTRUCT& item) {
  PaintBuffered(item.hDC, item.rcItem, Window().BackgroundBrush(),
                [&](HDC dc, const RECT& rect) { painter_(dc, rect, Dpi()); });
}

}  // namespace porvan
