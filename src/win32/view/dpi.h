// The program's layout is written for 96 DPI; TDpi scales it to a window's DPI.
#pragma once

#include <windows.h>

namespace porvan {

inline constexpr int kDesignDpi = 96;

class TDpi {
 public:
  explicit TDpi(int dpi = kDesignDpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}
  int Value() const { return dpi_; }
  int Scale(int designPixels) const { return MulDiv(designPixels, dpi_, kDesignDpi); }
  bool operator==(const TDpi& other) const { return dpi_ == other.dpi_; }

 private:
  int dpi_;
};

// The DPI of the monitor the window is on (per-monitor aware), else the system's.
TDpi DpiOfWindow(HWND window);
// The system's DPI, for what is made before any window exists (tray images, a first layout).
TDpi SystemDpi();

// A place in the 96-DPI layout: left, top, width, height.
struct TPlace {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

RECT ScaledRect(const TPlace& place, TDpi dpi);

}  // namespace porvan
