// Conversions between CP949 and Qt's strings, through the code page tables every platform links.
#include "qt/qt_text.h"

#include "common/code_page.h"

namespace porvan {

QString FromCp949(const std::string& text) {
  return QString::fromStdString(Cp949ToUtf8(text));
}

std::string ToCp949(const QString& text) {
  return Utf8ToCp949(text.toStdString());
}

QString FromUtf8(const char* utf8) {
  return QString::fromUtf8(utf8);
}

}  // namespace porvan
