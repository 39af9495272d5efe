// The download folder from Qt's standard paths, with its separator, as the temporary folder is.
#include "qt/download_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace porvan {

TPath TDownloadFolder::Query(std::uint32_t bufferLength) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    return {};
  }
  return PathIfItFits(PathFromUtf8((QDir(folder).absolutePath() + QChar('/')).toStdString()),
                      bufferLength);
}

}  // namespace porvan
