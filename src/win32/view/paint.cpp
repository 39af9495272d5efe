// Small drawing steps the pictures of every window are made of.
#include "win32/view/paint.h"

#include <algorithm>

#include "win32/view/gdi.h"

namespace porvan {

void FillColor(HDC dc, const RECT& rect, COLORREF color) {
  TBrushObject brush(CreateSolidBrush(color));
  FillRect(dc, &rect, brush.get());
}

void FillRounded(HDC dc, const RECT& rect, int radius, COLORREF fill, COLORREF frame) {
  TBrushObject brush(CreateSolidBrush(fill));
  TPenObject pen(CreatePen(PS_SOLID, 1, frame));
  TSelection useBrush(dc, brush.get());
  TSelection usePen(dc, pen.get());
  RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, radius * 2, radius * 2);
}

void FillRoundedGradient(HDC dc, const RECT& rect, int radius, COLORREF top, COLORREF bottom,
                         COLORREF frame) {
  TGdiObject<HRGN> region(
      CreateRoundRectRgn(rect.left, rect.top, rect.right, rect.bottom, radius * 2, radius * 2));
  SelectClipRgn(dc, region.get());
  const int height = std::max<int>(1, rect.bottom - rect.top);
  for (int y = 0; y < height; ++y) {
    const auto mix = [&](int from, int to) { return from + (to - from) * y / height; };
    const COLORREF color =
        RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
            mix(GetBValue(top), GetBValue(bottom)));
    FillColor(dc, RECT{rect.left, rect.top + y, rect.right, rect.top + y + 1}, color);
  }
  SelectClipRgn(dc, nullptr);
  TPenObject pen(CreatePen(PS_SOLID, 1, frame));
  TSelection usePen(dc, pen.get());
  TSelection noFill(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, radius * 2, radius * 2);
}

void FillEllipse(HDC dc, const RECT& rect, COLORREF fill, COLORREF frame) {
  TBrushObject brush(CreateSolidBrush(fill));
  TPenObject pen(CreatePen(PS_SOLID, 1, frame));
  TSelection useBrush(dc, brush.get());
  TSelection usePen(dc, pen.get());
  Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void DrawLines(HDC dc, const POINT* points, int count, int width, COLORREF color) {
  LOGBRUSH brush{BS_SOLID, color, 0};
  TPenObject pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                              static_cast<DWORD>(width), &brush, 0, nullptr));
  TSelection usePen(dc, pen.get());
  Polyline(dc, points, count);
}

void DrawFittedText(HDC dc, const std::wstring& text, const RECT& rect, TFontSpec font, TDpi dpi,
                    COLORREF color, UINT format) {
  const int width = rect.right - rect.left;
  TFontObject made;
  for (;; --font.Height) {
    made = CreateFontAt(font, dpi);
    TSelection useFont(dc, made.get());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (size.cx <= width || font.Height <= 8) {
      break;
    }
  }
  TSelection useFont(dc, made.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  RECT place = rect;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
            format | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
}

COLORREF Darker(COLORREF color, int percent) {
  const auto part = [&](int value) { return value * (100 - percent) / 100; };
  return RGB(part(GetRValue(color)), part(GetGValue(color)), part(GetBValue(color)));
}

COLORREF Lighter(COLORREF color, int percent) {
  const auto part = [&](int value) { return value + (255 - value) * percent / 100; };
  return RGB(part(GetRValue(color)), part(GetGValue(color)), part(GetBValue(color)));
}

void PaintBuffered(HDC target, const RECT& rect, HBRUSH background,
                   const std::function<void(HDC dc, const RECT& rect)>& paint) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  TMemoryDC buffer(target);
  TBitmapObject bitmap(CreateCompatibleBitmap(target, width, height));
  TSelection useBitmap(buffer.get(), bitmap.get());
  const RECT local{0, 0, width, height};
  FillRect(buffer.get(), &local, background);
  paint(buffer.get(), local);
  BitBlt(target, rect.left, rect.top, width, height, buffer.get(), 0, 0, SRCCOPY);
}

}  // namespace porvan
