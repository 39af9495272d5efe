// The fonts of the windows: one Korean sans-serif face at the pixel sizes the layout uses.
#pragma once

#include <QFont>

namespace porvan {

struct TFontLook {
  int Pixels = 12;
  bool Bold = false;
  bool Underline = false;
  bool Italic = false;
};

QFont UiFont(TFontLook look = {});

}  // namespace porvan
