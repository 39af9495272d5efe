// The download folder from Qt's standard paths, with its separator, as the temporary folder is.
#include "qt/download_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <string>

namespace porvan {

std::string TDownloadFolder::Query(std::uint32_t bufferLength) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    return {};
  }
  // The file seams of this platform take paths as the bytes the file system holds (UTF-8).
  return PathIfItFits((QDir(folder).absolutePath() + QChar('/')).toStdString(), bufferLength);
}

}  // namespace porvan
