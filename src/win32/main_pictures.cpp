// The main window's pictures, drawn in code at the window's DPI.
#include "win32/main_pictures.h"

#include <algorithm>
#include <array>

#include "win32/view/glyph_grid.h"
#include "win32/view/paint.h"

namespace porvan {
namespace {

const COLORREF kInk = RGB(51, 51, 51);
const COLORREF kFrame = RGB(181, 181, 181);
const COLORREF kGreen = RGB(46, 158, 69);
const COLORREF kRed = RGB(210, 59, 59);
const COLORREF kBlue = RGB(41, 105, 201);
const COLORREF kWhite = RGB(255, 255, 255);

void DrawPadlock(HDC dc, const RECT& box, COLORREF body, COLORREF shackle) {
  const std::array<POINT, 5> arch = {OnGrid(box, 5, 8), OnGrid(box, 5, 4.5), OnGrid(box, 8, 2.5),
                                     OnGrid(box, 11, 4.5), OnGrid(box, 11, 8)};
  DrawLines(dc, arch.data(), static_cast<int>(arch.size()), Stroke(box, 1.8), shackle);
  FillRounded(dc, GridRect(box, 3, 7.5, 13, 14.5), Stroke(box, 1.2), body, body);
  FillEllipse(dc, GridRect(box, 7, 9.5, 9, 11.5), shackle, shackle);
}

void DrawKey(HDC dc, const RECT& box, COLORREF color, COLORREF hole) {
  FillEllipse(dc, GridRect(box, 1.5, 5, 8, 11.5), color, color);
  FillEllipse(dc, GridRect(box, 3.5, 7, 5.5, 9.5), hole, hole);
  const std::array<POINT, 2> shaft = {OnGrid(box, 7.5, 8.2), OnGrid(box, 14.5, 8.2)};
  DrawLines(dc, shaft.data(), 2, Stroke(box, 1.8), color);
  const std::array<POINT, 2> bit1 = {OnGrid(box, 12.5, 8.2), OnGrid(box, 12.5, 11)};
  const std::array<POINT, 2> bit2 = {OnGrid(box, 10.5, 8.2), OnGrid(box, 10.5, 10.5)};
  DrawLines(dc, bit1.data(), 2, Stroke(box, 1.6), color);
  DrawLines(dc, bit2.data(), 2, Stroke(box, 1.6), color);
}

void DrawRunChevron(HDC dc, const RECT& box) {
  FillEllipse(dc, box, kGreen, Darker(kGreen, 20));
  const std::array<POINT, 3> chevron = {OnGrid(box, 4.5, 6), OnGrid(box, 8, 10),
                                        OnGrid(box, 11.5, 6)};
  DrawLines(dc, chevron.data(), 3, Stroke(box, 2.2), kWhite);
}

void DrawCross(HDC dc, const RECT& box) {
  const std::array<POINT, 2> down = {OnGrid(box, 3.5, 3.5), OnGrid(box, 12.5, 12.5)};
  const std::array<POINT, 2> up = {OnGrid(box, 3.5, 12.5), OnGrid(box, 12.5, 3.5)};
  DrawLines(dc, down.data(), 2, Stroke(box, 2.6), kRed);
  DrawLines(dc, up.data(), 2, Stroke(box, 2.6), kRed);
}

void DrawGlyph(HDC dc, const RECT& box, TGlyph glyph) {
  switch (glyph) {
    case TGlyph::RunChevron:
      DrawRunChevron(dc, box);
      break;
    case TGlyph::GreenPadlock:
      DrawPadlock(dc, box, kGreen, Darker(kGreen, 25));
      break;
    case TGlyph::RedCross:
      DrawCross(dc, box);
      break;
  }
}

void DrawFocus(HDC dc, const RECT& rect, TDpi dpi) {
  RECT focus = rect;
  InflateRect(&focus, -dpi.Scale(3), -dpi.Scale(3));
  SetTextColor(dc, kInk);
  SetBkColor(dc, kWhite);
  DrawFocusRect(dc, &focus);
}

}  // namespace

TPainter CaptionPicture(std::wstring text, TFontSpec font) {
  return [text = std::move(text), font](HDC dc, const RECT& rect, TDpi dpi) {
    DrawFittedText(dc, text, rect, font, dpi, kInk, DT_LEFT);
  };
}

TPainter StateAreaPicture(std::wstring heading) {
  return [heading = std::move(heading)](HDC dc, const RECT& rect, TDpi dpi) {
    const int headingHeight = dpi.Scale(15);
    RECT top{rect.left + dpi.Scale(2), rect.top, rect.right, rect.top + headingHeight};
    DrawFittedText(dc, heading, top, TFontSpec{L"Gulim", 11, true, false, HANGEUL_CHARSET}, dpi,
                   kInk, DT_LEFT);
    const RECT box{rect.left, rect.top + dpi.Scale(16), rect.right, rect.bottom};
    FillRounded(dc, box, dpi.Scale(3), kWhite, kFrame);
  };
}

TPainter StateBarPicture(std::wstring text, bool open) {
  return [text = std::move(text), open](HDC dc, const RECT& rect, TDpi dpi) {
    const COLORREF base = open ? kBlue : kRed;
    FillRoundedGradient(dc, rect, dpi.Scale(3), Lighter(base, 25), base, Darker(base, 25));
    const int lamp = dpi.Scale(8);
    const int middle = (rect.top + rect.bottom) / 2;
    const RECT lampRect{rect.left + dpi.Scale(8), middle - lamp / 2,
                        rect.left + dpi.Scale(8) + lamp, middle - lamp / 2 + lamp};
    FillEllipse(dc, lampRect, open ? RGB(140, 235, 150) : RGB(120, 20, 20), kWhite);
    RECT label{lampRect.right + dpi.Scale(4), rect.top, rect.right - dpi.Scale(4), rect.bottom};
    DrawFittedText(dc, text, label, TFontSpec{L"Tahoma", 12, true}, dpi, kWhite, DT_CENTER);
  };
}

TFacePainter CommandButtonFace(std::wstring text, TGlyph glyph, TFontSpec font) {
  return [text = std::move(text), glyph, font](HDC dc, const RECT& rect, TDpi dpi, TButtonFace face,
                                               bool focused) {
    const COLORREF fill = face == TButtonFace::Up    ? RGB(236, 236, 236)
                          : face == TButtonFace::Hot ? RGB(221, 236, 250)
                                                     : RGB(196, 222, 246);
    const COLORREF frame = face == TButtonFace::Up ? RGB(190, 190, 190) : RGB(120, 165, 215);
    RECT body = rect;
    FillRounded(dc, body, dpi.Scale(3), fill, frame);
    const int shift = face == TButtonFace::Down ? dpi.Scale(1) : 0;
    OffsetRect(&body, shift, shift);
    const int height = body.bottom - body.top;
    const int glyphSize = std::min(height - dpi.Scale(8), dpi.Scale(22));
    const int glyphLeft = body.left + std::max(dpi.Scale(5), (height - glyphSize) / 2);
    const int glyphTop = body.top + (height - glyphSize) / 2;
    DrawGlyph(dc, RECT{glyphLeft, glyphTop, glyphLeft + glyphSize, glyphTop + glyphSize}, glyph);
    RECT label{glyphLeft + glyphSize + dpi.Scale(3), body.top, body.right - dpi.Scale(3),
               body.bottom};
    DrawFittedText(dc, text, label, font, dpi, kInk, DT_CENTER);
    if (focused) {
      DrawFocus(dc, rect, dpi);
    }
  };
}

TFacePainter FlatButtonFace(std::wstring text, TFontSpec font, COLORREF background) {
  return [text = std::move(text), font, background](HDC dc, const RECT& rect, TDpi dpi,
                                                    TButtonFace face, bool /*focused*/) {
    FillColor(dc, rect, face == TButtonFace::Up ? background : Darker(background, 9));
    DrawFittedText(dc, text, rect, font, dpi, face == TButtonFace::Up ? RGB(110, 110, 110) : kBlue,
                   DT_CENTER);
  };
}

TIconObject TrayTile(int image, int size) {
  TWindowDC screen(nullptr, false);
  TMemoryDC dc(screen.get());
  TBitmapObject color(CreateCompatibleBitmap(screen.get(), size, size));
  TBitmapObject mask(CreateBitmap(size, size, 1, 1, nullptr));
  const RECT all{0, 0, size, size};
  const RECT tile{0, 0, size, size};
  const int radius = std::max(1, size / 6);
  {
    // The mask: black where the tile is, white (transparent) around its rounded corners.
    TSelection useMask(dc.get(), mask.get());
    FillColor(dc.get(), all, RGB(255, 255, 255));
    FillRounded(dc.get(), tile, radius, RGB(0, 0, 0), RGB(0, 0, 0));
  }
  {
    TSelection useColor(dc.get(), color.get());
    FillColor(dc.get(), all, RGB(0, 0, 0));
    const COLORREF base = image == 0 ? kRed : kGreen;
    FillRoundedGradient(dc.get(), tile, radius, Lighter(base, 30), base, Darker(base, 30));
    const int inset = size / 8;
    const RECT glyph{inset, inset, size - inset, size - inset};
    if (image == 0) {
      DrawPadlock(dc.get(), glyph, kWhite, kWhite);
      FillEllipse(dc.get(), GridRect(glyph, 7, 9.5, 9, 11.5), base, base);
    } else {
      DrawKey(dc.get(), glyph, kWhite, base);
    }
  }
  ICONINFO info{TRUE, 0, 0, mask.get(), color.get()};
  return TIconObject(CreateIconIndirect(&info));
}

}  // namespace porvan
