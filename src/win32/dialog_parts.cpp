// What the settings dialog and the about box share.
#include "win32/dialog_parts.h"

#include "common/code_page.h"
#include "win32/view/paint.h"

namespace porvan {

TControlSpec DialogSpec(const char* utf8Caption, TPlace place, const TFontSpec* font) {
  return TControlSpec{.Caption = Utf8ToCp949(utf8Caption), .Place = place, .Font = font};
}

TFacePainter TwoStateButtonFace(std::wstring text) {
  return
      [text = std::move(text)](HDC dc, const RECT& rect, TDpi dpi, TButtonFace face, bool focused) {
        const bool down = face == TButtonFace::Down;
        const COLORREF top = down ? RGB(205, 218, 235) : RGB(252, 252, 252);
        const COLORREF bottom = down ? RGB(226, 234, 245) : RGB(226, 228, 232);
        FillRoundedGradient(dc, rect, dpi.Scale(3), top, bottom, RGB(140, 146, 156));
        RECT textRect = rect;
        if (down) {
          OffsetRect(&textRect, 0, 1);
        }
        DrawFittedText(dc, text, textRect, kDialogFont, dpi, RGB(0, 0, 0), DT_CENTER);
        if (focused) {
          RECT focus = rect;
          InflateRect(&focus, -dpi.Scale(3), -dpi.Scale(3));
          DrawFocusRect(dc, &focus);
        }
      };
}

}  // namespace porvan
