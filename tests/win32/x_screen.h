// The X display's own screen, read from the file Xvfb keeps it in: what a user of the display
// sees, which can differ from what Wine's own capture of the screen returns.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace porvan::testing {

class TXScreen {
 public:
  // Reads the screen file (XWD, as Xvfb -fbdir writes it) anew; false when it is missing, cut
  // short or not the 32-bit true-colour screen of a 24-bit display.
  bool Read(const std::wstring& path);
  // The colour at (x, y) as RGB(); CLR_INVALID outside the screen.
  COLORREF Pixel(int x, int y) const;

 private:
  std::string file_;
  std::size_t pixels_ = 0;  // where the first row starts
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
  std::uint32_t rowBytes_ = 0;
};

// The screen file ./dev test gives the Windows tests in PORVAN_SCREEN_FILE; empty without one.
std::wstring XScreenFile();

}  // namespace porvan::testing
