// The control adapters: CP949 texts converted at the widget, nothing decided here.
#include "qt/qt_controls.h"

#include <QPalette>
#include <QTextDocument>

#include "qt/qt_text.h"

namespace porvan {

std::string TQtEditBox::Text() {
  return ToCp949(edit_.text());
}

void TQtEditBox::SetText(const std::string& text) {
  edit_.setText(FromCp949(text));
}

void TQtEditBox::SetReadOnly(bool readOnly) {
  edit_.setReadOnly(readOnly);
}

void TQtEditBox::SetFocus() {
  edit_.setFocus();
}

std::string TQtMemo::Text() {
  return ToCp949(edit_.toPlainText());
}

void TQtMemo::SetText(const std::string& text) {
  // The history's lines end in CR LF; the box breaks lines at LF alone.
  QString shown = FromCp949(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  edit_.setPlainText(shown);
}

void TQtMemo::SetReadOnly(bool readOnly) {
  edit_.setReadOnly(readOnly);
}

void TQtMemo::SetFocus() {
  edit_.setFocus();
}

void TQtLabel::SetText(const std::string& text) {
  // What the server sends is shown as written, never as markup.
  label_.setTextFormat(Qt::PlainText);
  label_.setText(FromCp949(text));
}

void TQtProgressBar::SetProgress(int position, int max) {
  bar_.setRange(0, max);
  bar_.setValue(position);
}

void TQtProgressBar::SetText(const std::string& text) {
  // Shown in place of the bar's own text; only "%p", "%v" and "%m" would be replaced there, and
  // the logic's percentages ("37%") hold none of them.
  bar_.setFormat(FromCp949(text));
}

void TQtTrayIcon::SetHint(const std::string& hint) {
  // The hint's lines are separated by CR, as the Windows tray shows them.
  QString shown = FromCp949(hint);
  shown.replace(QChar('\r'), QChar('\n'));
  // The hint holds the server's reply and the typed domain, and some trays draw a tip as markup:
  // one that could be read so is escaped, to show as written everywhere.
  const bool markup = shown.contains(QChar('<')) || shown.contains(QChar('&'));
  icon_.setToolTip(markup ? Qt::convertFromPlainText(shown) : shown);
}

void TQtTrayIcon::SetImageIndex(int index) {
  if (index >= 0 && index < static_cast<int>(images_.size())) {
    icon_.setIcon(images_[static_cast<std::size_t>(index)]);
  }
}

std::string TQtDropDownList::SelectedText() {
  return box_.currentIndex() < 0 ? std::string() : ToCp949(box_.currentText());
}

void TQtLinkLabel::SetColor(TRgb color) {
  QPalette palette = label_.palette();
  palette.setColor(QPalette::WindowText, QColor(color.Red, color.Green, color.Blue));
  label_.setPalette(palette);
}

}  // namespace porvan
