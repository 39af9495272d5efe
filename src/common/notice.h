// The program's title and its two standard boxes: the plain notice and the general error report.
#pragma once

#include <string>

namespace porvan {

class IMessageBox;

// The application title and the caption of every box, UTF-8.
inline constexpr const char* kApplicationTitle = "Porvan 접근통제 시스템";

// The plain notice: the text, one OK button, no icon, the application title as caption.
void ShowNotice(IMessageBox& messages, const std::string& text);

// The general error report for an error that escaped a handler: its text, the error icon, OK.
void ShowErrorReport(IMessageBox& messages, const std::string& text);

}  // namespace porvan
