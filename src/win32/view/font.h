// Fonts of the views: a face, a 96-DPI pixel height and a style, made at a window's DPI.
#pragma once

#include <windows.h>

#include "win32/view/dpi.h"
#include "win32/view/gdi.h"

namespace porvan {

struct TFontSpec {
  const wchar_t* Face = L"Gulim";
  int Height = 12;  // character height in pixels at 96 DPI
  bool Bold = false;
  bool Underline = false;
  BYTE Charset = DEFAULT_CHARSET;
};

TFontObject CreateFontAt(const TFontSpec& options, TDpi dpi);

}  // namespace porvan
