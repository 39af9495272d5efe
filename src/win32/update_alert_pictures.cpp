// The update alert's button faces: a standard push button with an 18 x 18 glyph left of its text.
#include "win32/update_alert_pictures.h"

#include <array>

#include "win32/dialog_parts.h"
#include "win32/view/gdi.h"
#include "win32/view/glyph_grid.h"
#include "win32/view/paint.h"

namespace porvan {
namespace {

const COLORREF kGreen = RGB(34, 150, 60);
const COLORREF kRed = RGB(205, 40, 40);
constexpr int kGlyphSize = 18;  // at 96 DPI
constexpr int kGlyphGap = 4;

void DrawCheck(HDC dc, const RECT& box) {
  const std::array<POINT, 3> tick = {OnGrid(box, 2.5, 8.5), OnGrid(box, 6.5, 12.5),
                                     OnGrid(box, 13.5, 3.5)};
  DrawLines(dc, tick.data(), static_cast<int>(tick.size()), Stroke(box, 2.6), kGreen);
}

void DrawCross(HDC dc, const RECT& box) {
  const std::array<POINT, 2> down = {OnGrid(box, 3.5, 3.5), OnGrid(box, 12.5, 12.5)};
  const std::array<POINT, 2> up = {OnGrid(box, 3.5, 12.5), OnGrid(box, 12.5, 3.5)};
  DrawLines(dc, down.data(), 2, Stroke(box, 2.4), kRed);
  DrawLines(dc, up.data(), 2, Stroke(box, 2.4), kRed);
}

// A figure in mid-stride, leaning forward: head, body, swinging arms and legs.
void DrawRunner(HDC dc, const RECT& box) {
  FillEllipse(dc, GridRect(box, 9.5, 0.8, 12.7, 4), kGreen, kGreen);
  const int limb = Stroke(box, 1.7);
  const std::array<POINT, 2> body = {OnGrid(box, 9.5, 5.2), OnGrid(box, 7.2, 10)};
  const std::array<POINT, 3> arms = {OnGrid(box, 4.2, 7.6), OnGrid(box, 8.8, 6.2),
                                     OnGrid(box, 12, 8.6)};
  const std::array<POINT, 3> front = {OnGrid(box, 7.2, 10), OnGrid(box, 10.2, 12),
                                      OnGrid(box, 9.2, 15.2)};
  const std::array<POINT, 3> back = {OnGrid(box, 7.2, 10), OnGrid(box, 5.2, 12.6),
                                     OnGrid(box, 1.8, 12.8)};
  DrawLines(dc, body.data(), 2, Stroke(box, 2.4), kGreen);
  for (const auto* part : {&arms, &front, &back}) {
    DrawLines(dc, part->data(), static_cast<int>(part->size()), limb, kGreen);
  }
}

void DrawGlyph(HDC dc, const RECT& box, TAlertGlyph glyph) {
  switch (glyph) {
    case TAlertGlyph::GreenCheck:
      DrawCheck(dc, box);
      break;
    case TAlertGlyph::RedCross:
      DrawCross(dc, box);
      break;
    case TAlertGlyph::GreenRunner:
      DrawRunner(dc, box);
      break;
  }
}

}  // namespace

TFacePainter AlertButtonFace(std::wstring text, TAlertGlyph glyph) {
  return [text = std::move(text), glyph](HDC dc, const RECT& rect, TDpi dpi, TButtonFace face,
                                         bool focused) {
    const bool down = face == TButtonFace::Down;
    RECT frame = rect;
    DrawFrameControl(
        dc, &frame, DFC_BUTTON,
        DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0) | (face == TButtonFace::Hot ? DFCS_HOT : 0));
    const TFontObject font = CreateFontAt(kDialogFont, dpi);
    const TSelection selected(dc, font.get());
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    // Glyph and text are centred together, the glyph on the left; a pressed face shifts by one.
    const int shift = down ? 1 : 0;
    const int glyphSize = dpi.Scale(kGlyphSize);
    const int groupWidth = glyphSize + dpi.Scale(kGlyphGap) + extent.cx;
    const int left = rect.left + (rect.right - rect.left - groupWidth) / 2 + shift;
    const int top = rect.top + (rect.bottom - rect.top - glyphSize) / 2 + shift;
    DrawGlyph(dc, RECT{left, top, left + glyphSize, top + glyphSize}, glyph);
    RECT textRect{left + glyphSize + dpi.Scale(kGlyphGap), rect.top + shift, rect.right,
                  rect.bottom + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (focused) {
      RECT focus = rect;
      InflateRect(&focus, -dpi.Scale(4), -dpi.Scale(4));
      DrawFocusRect(dc, &focus);
    }
  };
}

}  // namespace porvan
