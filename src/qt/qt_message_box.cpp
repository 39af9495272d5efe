// The message box: Yes/No or OK, the error or information icon, over the active window.
#include "qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "qt/qt_text.h"

namespace porvan {

int TQtMessageBox::Show(const std::string& text, const std::string& caption, unsigned flags) {
  // The system's texts break lines with CR alone.
  QString shown = FromCp949(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  const bool yesNo = (flags & mb::kYesNo) != 0;
  const QMessageBox::Icon icon = (flags & mb::kIconError) != 0         ? QMessageBox::Critical
                                 : (flags & mb::kIconInformation) != 0 ? QMessageBox::Information
                                                                       : QMessageBox::NoIcon;
  QMessageBox box(icon, FromCp949(caption), shown,
                  yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                  QApplication::activeWindow());
  // Notices carry the server's messages: shown as written, never as markup.
  box.setTextFormat(Qt::PlainText);
  const int pressed = box.exec();
  if (pressed == QMessageBox::Yes) {
    return mb::kIdYes;
  }
  return yesNo ? mb::kIdNo : mb::kIdOk;
}

}  // namespace porvan
