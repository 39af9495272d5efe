// Fonts of the views, made at a window's DPI.
#include "win32/view/font.h"

#include <cwchar>

namespace porvan {

TFontObject CreateFontAt(const TFontSpec& spec, TDpi dpi) {
  LOGFONTW font{};
  font.lfHeight = -dpi.Scale(spec.Height);  // negative: the character height, not the cell's
  font.lfWeight = spec.Bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = spec.Underline ? TRUE : FALSE;
  font.lfCharSet = spec.Charset;
  font.lfQuality = CLEARTYPE_QUALITY;
  wcsncpy(font.lfFaceName, spec.Face, LF_FACESIZE - 1);
  return TFontObject(CreateFontIndirectW(&font));
}

}  // namespace porvan
