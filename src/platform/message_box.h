// The message-box seam: the modal boxes the system shows, with their Win32 flags and results.
#pragma once

#include <string>

namespace porvan {

// Flags and results carry the Win32 values so that the portable code states exactly which box
// it shows (MB_YESNO | MB_ICONINFORMATION ...) and a test can check them. The names differ from
// the Win32 macros so that both can be seen in one file.
namespace mb {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconInformation = 0x40;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace mb

class IMessageBox {
 public:
  virtual ~IMessageBox() = default;
  // Shows a modal box over the active window and returns the button pressed. Text and caption
  // are CP949.
  virtual int Show(const std::string& text, const std::string& caption, unsigned flags) = 0;
};

}  // namespace porvan
