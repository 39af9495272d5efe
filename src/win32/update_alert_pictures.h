// The update alert's button faces: a standard push button with an 18 x 18 glyph left of its text.
#pragma once

#include <string>

#include "win32/view/picture_button.h"

namespace porvan {

enum class TAlertGlyph { GreenCheck, RedCross, GreenRunner };

TFacePainter AlertButtonFace(std::wstring text, TAlertGlyph glyph);

}  // namespace porvan
