// Fonts of the views, made at a window's DPI.
#include "win32/view/font.h"

#include <cwchar>

namespace porvan {

TFontObject CreateFontAt(const TFontSpec& options, TDpi dpi) {
  LOGFONTW font{};
  font.lfHeight = -dpi.Scale(options.Height);  // negative: the character height, not the cell's
  font.lfWeight = options.Bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = options.Underline ? TRUE : FALSE;
  font.lfCharSet = options.Charset;
  font.lfQuality = CLEARTYPE_QUALITY;
  wcsncpy(font.lfFaceName, options.Face, LF_FACESIZE - 1);
  return TFontObject(CreateFontIndirectW(&font));
}

}  // namespace porvan
