// The main window's pictures, drawn in code at the window's DPI: captions, the connection-state
// area and its bars, the button faces and the two tray tiles.
#pragma once

#include <windows.h>

#include <string>

#include "win32/view/font.h"
#include "win32/view/gdi.h"
#include "win32/view/picture.h"
#include "win32/view/picture_button.h"

namespace porvan {

// A text painted left-aligned and vertically centred, shrunk if it would not fit.
TPainter CaptionPicture(std::wstring text, TFontSpec font);
// A small heading over an empty framed box, where the state bars lie.
TPainter StateAreaPicture(std::wstring heading);
// A rounded bar with its text: blue when open, red when closed.
TPainter StateBarPicture(std::wstring text, bool open);

enum class TGlyph { RunChevron, GreenPadlock, RedCross };
// A light face with a glyph and the text beside it; light blue under the pointer and pressed.
TFacePainter CommandButtonFace(std::wstring text, TGlyph glyph, TFontSpec font);
// A flat face with the text alone that lights up under the pointer; no focus rectangle.
TFacePainter FlatButtonFace(std::wstring text, TFontSpec font, COLORREF background);

// The tray's images, `size` pixels square: image 0 a red tile with a closed padlock, image 1 a
// green tile with a key.
TIconObject TrayTile(int image, int size);

}  // namespace porvan
