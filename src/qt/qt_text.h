// Conversions between the system's CP949 texts and Qt's strings, at the display boundary.
#pragma once

#include <QString>
#include <string>

namespace porvan {

QString FromCp949(const std::string& text);
std::string ToCp949(const QString& text);
// A fixed text of the system, written in UTF-8, as Qt shows it.
QString FromUtf8(const char* utf8);

}  // namespace porvan
