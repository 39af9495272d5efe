// Porvan.exe: the Windows entry: the seams, SysVar, the main window and the message loop.
#include <windows.h>

#include <optional>

#include "app/handler_guard.h"
#include "app/program_entry.h"
#include "platform/platform.h"
#include "settings/run_state.h"
#include "win32/about_window.h"
#include "win32/com_apartment.h"
#include "win32/config_window.h"
#include "win32/init_window.h"
#include "win32/main_window.h"
#include "win32/update_alert_window.h"
#include "win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  using namespace porvan;
  // One single-threaded apartment for the rest of the run, joined once the main window is on the
  // screen: shell links, the download and the program starts need COM, the window does not.
  std::optional<TComApartment> com;
  TWin32Platform seams;
  TPlatform platform = seams.Platform();

  if (!CreateSysVar(platform)) {
    return 1;
  }
  int exitCode = 1;
  {
    TMainWindow mainWindow(
        platform,
        TDialogTable{
            {TDialogKind::Init, [&platform](HWND owner) { return ShowInit(platform, owner); }},
            {TDialogKind::Config, [&platform](HWND owner) { return ShowConfig(platform, owner); }},
            {TDialogKind::About, [&platform](HWND owner) { return ShowAbout(platform, owner); }},
            {TDialogKind::UpdateAlert, [&platform](HWND owner) {
               return ShowUpdateAlert(platform, SysVar->UpdateURL, owner);
             }}});
    if (mainWindow.Create()) {
      seams.Messages.SetMainWindow(mainWindow.Handle());
      mainWindow.Show(showCommand);
      // A COM library that cannot be loaded is reported; the seams that need COM report it again.
      RunHandler(seams.Messages, [&com] { com.emplace(); });
      exitCode = RunMessageLoop();
    }
  }
  seams.Messages.SetMainWindow(nullptr);
  DestroySysVar();
  return exitCode;
}
