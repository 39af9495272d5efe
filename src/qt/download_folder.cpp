// The download folder from Qt's standard paths. Without a separator at its end: the download
// puts one between the folder and the name.
#include "qt/download_folder.h"

#include <QDir>
#include <QStandardPaths>

#include "common/path_text.h"

namespace porvan {

TPath TDownloadFolder::Query(std::uint32_t bufferLength) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    return {};
  }
  return PathIfItFits(PathFromUtf8(QDir(folder).absolutePath().toStdString()), bufferLength);
}

}  // namespace porvan
