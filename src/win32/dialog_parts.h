// What the settings dialog and the about box share: their font, control options, button faces.
#pragma once

#include <string>

#include "win32/view/control.h"
#include "win32/view/font.h"
#include "win32/view/picture_button.h"

namespace porvan {

// "굴림" (Gulim), 12 pixels high, Hangul character set.
inline const TFontSpec kDialogFont{L"Gulim", 12, false, false, HANGEUL_CHARSET};

// A control's options from its UTF-8 caption and its place at 96 DPI.
TControlSpec DialogSpec(const char* utf8Caption, TPlace place, const TFontSpec* font = nullptr);

// Whether the message is the IDCANCEL the dialog keys make of Escape (no control sent it).
inline bool IsEscapeCommand(UINT message, WPARAM wParam, LPARAM lParam) {
  return message == WM_COMMAND && lParam == 0 && LOWORD(wParam) == IDCANCEL;
}

// A button face in two states: a light gradient, darker while pressed; a dotted frame with the
// focus.
TFacePainter TwoStateButtonFace(std::wstring text);

}  // namespace porvan
