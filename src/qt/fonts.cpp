// The windows' fonts: NanumGothic where installed, the desktop's sans-serif otherwise.
#include "qt/fonts.h"

namespace porvan {

QFont UiFont(TFontLook look) {
  QFont font(QStringLiteral("NanumGothic"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(look.Pixels);
  font.setBold(look.Bold);
  font.setUnderline(look.Underline);
  font.setItalic(look.Italic);
  return font;
}

}  // namespace porvan
