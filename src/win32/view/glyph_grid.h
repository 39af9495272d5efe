// Glyphs drawn on a 16 x 16 grid and placed into a box of any size, so they scale with the DPI.
#pragma once

#include <windows.h>

namespace porvan {

// The grid point (x, y) inside `box`.
POINT OnGrid(const RECT& box, double x, double y);
RECT GridRect(const RECT& box, double left, double top, double right, double bottom);
// A line width of `gridWidth` grid units in the box's pixels, at least one.
int Stroke(const RECT& box, double gridWidth);

}  // namespace porvan
