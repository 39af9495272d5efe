// The file-open dialog: Qt's own, over the active window, opening at the box's path.
#include "qt/qt_open_file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "common/path_text.h"
#include "qt/qt_text.h"

namespace porvan {

QString QtFilter(const std::string& filter) {
  const QStringList parts = FromCp949(filter).split(QChar('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QChar(')');
  }
  return filters.join(QStringLiteral(";;"));
}

std::optional<TPath> TQtOpenFileDialog::Choose(const TOpenFileRequest& request) {
  const QString chosen = QFileDialog::getOpenFileName(
      QApplication::activeWindow(), FromCp949(request.Title),
      QString::fromStdString(PathToUtf8(request.FileName)), QtFilter(request.Filter));
  if (chosen.isEmpty()) {
    return std::nullopt;
  }
  return PathFromUtf8(chosen.toStdString());
}

}  // namespace porvan
