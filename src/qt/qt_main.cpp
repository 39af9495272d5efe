// porvan: the Linux entry: the seams, SysVar, the main window, the quit channel and the loop.
#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program_entry.h"
#include "common/path_text.h"
#include "posix/posix_desktop_conventions.h"
#include "qt/about_window.h"
#include "qt/config_window.h"
#include "qt/init_window.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "qt/qt_text.h"
#include "qt/quit_channel.h"
#include "qt/termination_signals.h"
#include "qt/update_alert_window.h"
#include "settings/run_state.h"

namespace {

// How long `porvan --quit` waits for the running instance to close its access and end.
constexpr int kQuitWaitMs = 30000;

// The command line after Qt took its own options, as the CP949 texts the logic reads.
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  for (const QString& argument : QCoreApplication::arguments()) {
    arguments.push_back(porvan::ToCp949(argument));
  }
  return arguments;
}

// history.txt is installed in share/porvan beside the bin folder of the executable.
porvan::TPath HistoryFolder() {
  return porvan::PathFromUtf8(
      QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/porvan"))
          .toStdString());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace porvan;
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  const std::vector<std::string> arguments = Arguments();
  if (arguments.size() == 2 && arguments[1] == "--quit") {
    return SendQuit(QuitChannelName(), kQuitWaitMs) ? 0 : 1;
  }

  const TPath configFolder = ConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  // A folder that cannot be made shows up as the settings file's write error below.
  MakeFolders(configFolder);
  TQtPlatform seams(arguments, LinuxDesktopConventions(configFolder, HistoryFolder()));
  TPlatform platform = seams.Platform();
  TPlatform updatePlatform = seams.With(seams.Opener);
  if (!CreateSysVar(platform)) {
    return 1;
  }
  int exitCode = 1;
  {
    TMainWindow mainWindow(
        platform,
        TDialogTable{
            {TDialogKind::Init, [&platform](QWidget* owner) { return ShowInit(platform, owner); }},
            {TDialogKind::Config,
             [&platform](QWidget* owner) { return ShowConfig(platform, owner); }},
            {TDialogKind::About,
             [&platform](QWidget* owner) { return ShowAbout(platform, owner); }},
            {TDialogKind::UpdateAlert, [&updatePlatform](QWidget* owner) {
               return ShowUpdateAlert(updatePlatform, SysVar->UpdateURL, owner);
             }}});
    // Each waits for a request that is out: it would start a road of its own inside the wait.
    const auto endSession = [&mainWindow, &seams] {
      seams.Waits.WhenIdle([&mainWindow] {
        if (mainWindow.Ended()) {
          QCoreApplication::exit(0);
        } else {
          mainWindow.EndSession();
        }
      });
    };
    const TQuitChannel quitChannel(QuitChannelName(), [&mainWindow, &seams] {
      seams.Waits.WhenIdle([&mainWindow] {
        if (!mainWindow.Ended()) {
          mainWindow.AppQuit();
        }
      });
    });
    const TTerminationSignals terminationSignals(endSession);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [&endSession](QSessionManager& /*manager*/) { endSession(); });
    mainWindow.Start(TWindowState::Normal);
    exitCode = QApplication::exec();
  }
  DestroySysVar();
  return exitCode;
}
