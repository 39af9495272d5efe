// Small drawing steps the pictures of every window are made of, in GDI at the window's DPI.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win32/view/dpi.h"
#include "win32/view/font.h"

namespace porvan {

void FillColor(HDC dc, const RECT& rect, COLORREF color);
// A rectangle with rounded corners (radius in device pixels), filled and framed.
void FillRounded(HDC dc, const RECT& rect, int radius, COLORREF fill, COLORREF frame);
// A vertical gradient from `top` to `bottom` inside the rounded rectangle.
void FillRoundedGradient(HDC dc, const RECT& rect, int radius, COLORREF top, COLORREF bottom,
                         COLORREF frame);
void FillEllipse(HDC dc, const RECT& rect, COLORREF fill, COLORREF frame);
// A polyline of `count` points, `width` device pixels wide, with round ends.
void DrawLines(HDC dc, const POINT* points, int count, int width, COLORREF color);

// Draws the text in the font, shrinking the font a pixel at a time (not below 8 at 96 DPI)
// until it fits the rectangle's width. `format` takes DT_ alignment flags.
void DrawFittedText(HDC dc, const std::wstring& text, const RECT& rect, TFontSpec font, TDpi dpi,
                    COLORREF color, UINT format);

COLORREF Darker(COLORREF color, int percent);
COLORREF Lighter(COLORREF color, int percent);

// Paints into a bitmap of the rectangle's size first (filled with `background`), then copies it
// to the target, so a repaint never flickers. `paint` gets the bitmap and its own rectangle.
void PaintBuffered(HDC target, const RECT& rect, HBRUSH background,
                   const std::function<void(HDC dc, const RECT& rect)>& paint);

}  // namespace porvan
