// The controls of the settings dialog and the about box that the main window has no use for.
#pragma once

#include <cstdint>
#include <string>

namespace porvan {

// Texts are CP949, as in controls.h.

// A drop-down list without free typing.
class IDropDownList {
 public:
  virtual ~IDropDownList() = default;
  // The text of the selected item; empty when none is selected.
  virtual std::string SelectedText() = 0;
};

class ICheckBox {
 public:
  virtual ~ICheckBox() = default;
  virtual bool Checked() = 0;
};

struct TRgb {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
  bool operator==(const TRgb&) const = default;
};

// A label drawn as a web link.
class ILinkLabel {
 public:
  virtual ~ILinkLabel() = default;
  virtual void SetColor(TRgb color) = 0;
};

// The modal results of the settings dialog, as the views give them (Win32 IDOK, IDCANCEL).
inline constexpr int kModalResultOk = 1;
inline constexpr int kModalResultCancel = 2;

}  // namespace porvan
