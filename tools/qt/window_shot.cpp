// Shows one of the Linux client's five windows over fake seams on the current display until it is
// ended: porvan_window_shot <window>, one of main, splash, config, about, update-alert. The
// screenshots of ./dev shot --linux are taken of it from outside.
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/network_state.h"
#include "posix/posix_desktop_conventions.h"
#include "qt/about_window.h"
#include "qt/config_window.h"
#include "qt/init_window.h"
#include "qt/main_window.h"
#include "qt/qt_gui_wait.h"
#include "qt/update_alert_window.h"
#include "settings/run_state.h"
#include "support/fake_platform.h"

namespace {

using namespace porvan;

std::unique_ptr<QWidget> MakeWindow(const QString& name, TPlatform& platform) {
  if (name == "main") {
    auto window = std::make_unique<TMainWindow>(platform, TDialogTable{});
    window->findChild<QLabel*>("fClientIP")->setText("127.0.0.1");
    return window;
  }
  if (name == "splash") {
    return std::make_unique<TInitWindow>(platform, nullptr);
  }
  if (name == "config") {
    return std::make_unique<TConfigWindow>(platform, nullptr);
  }
  if (name == "about") {
    return std::make_unique<TAboutWindow>(platform, nullptr);
  }
  if (name == "update-alert") {
    auto window =
        std::make_unique<TUpdateAlertWindow>(platform, "http://127.0.0.1:1/porvan.deb", nullptr);
    // As it looks mid-download.
    auto* bar = window->findChild<QProgressBar*>("DownloadProgress");
    bar->setVisible(true);
    bar->setValue(42);
    bar->setFormat("42%");
    return window;
  }
  return nullptr;
}

// Keeps the splash's connection check waiting, events turning, until the shot has been taken.
class TWaitingNetwork : public INetworkState {
 public:
  bool IsOffline() override {
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 2) {
    return 2;
  }
  testing::TFakePlatform seams;
  TWaitingNetwork network;
  // The client's own wait, so the windows paint while the splash's check is out.
  TQtGuiWait waits;
  // The Linux client's places and default programs, as an installed client has them.
  TPlatform platform =
      seams.With({.Network = &network, .Waits = &waits},
                 LinuxDesktopConventions("/home/user/.config/porvan", "/usr/share/porvan"));
  seams.Files.Files["/usr/share/porvan/history.txt"] =
      "1.5.0.0  \xC1\xA2\xB1\xD9 \xC1\xA6\xBE\xEE\r\n1.0.0.0  \xC3\xB3\xC0\xBD\r\n";
  SysVar = std::make_unique<TSysVar>(platform);
  const std::unique_ptr<QWidget> window = MakeWindow(arguments[1], platform);
  if (!window) {
    return 2;
  }
  window->show();
  window->move(window->screen()->geometry().center() - window->rect().center());
  const int status = QApplication::exec();
  SysVar.reset();
  return status;
}
