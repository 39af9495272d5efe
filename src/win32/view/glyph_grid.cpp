// Glyphs drawn on a 16 x 16 grid and placed into a box of any size, so they scale with the DPI.
#include "win32/view/glyph_grid.h"

#include <algorithm>

namespace porvan {

POINT OnGrid(const RECT& box, double x, double y) {
  const double width = box.right - box.left;
  const double height = box.bottom - box.top;
  return POINT{box.left + static_cast<LONG>(x * width / 16.0 + 0.5),
               box.top + static_cast<LONG>(y * height / 16.0 + 0.5)};
}

RECT GridRect(const RECT& box, double left, double top, double right, double bottom) {
  const POINT a = OnGrid(box, left, top);
  const POINT b = OnGrid(box, right, bottom);
  return RECT{a.x, a.y, b.x, b.y};
}

int Stroke(const RECT& box, double gridWidth) {
  return std::max(1, static_cast<int>(gridWidth * (box.right - box.left) / 16.0 + 0.5));
}

}  // namespace porvan
