// Writes the program's icon (the tray's first image) as a PNG of the given size, for the package.
#include <QGuiApplication>
#include <QPixmap>
#include <cstdlib>

#include "qt/pictures.h"

int main(int argc, char** argv) {
  // Needs no display: the icon is drawn in memory.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 3) {
    return 2;
  }
  const int size = arguments[2].toInt();
  if (size <= 0) {
    return 2;
  }
  return porvan::TrayTile(0).pixmap(size, size).save(arguments[1], "PNG") ? 0 : 1;
}
