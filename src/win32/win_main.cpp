// Porvan.exe: the Windows entry: the seams, SysVar, the main window and the message loop.
#include <windows.h>

#include <optional>

#include "app/handler_guard.h"
#include "app/program_entry.h"
#include "platform/platform.h"
#include "platform/socket.h"
#include "win32/about_window.h"
#include "win32/com_apartment.h"
#include "win32/config_window.h"
#include "win32/init_window.h"
#include "win32/main_window.h"
#include "win32/update_alert_window.h"
#include "win32/url_moniker_transfer.h"
#include "win32/win32_file_system.h"
#include "win32/win32_message_box.h"
#include "win32/win32_network_state.h"
#include "win32/win32_open_file_dialog.h"
#include "win32/win32_process_info.h"
#include "win32/win32_program_launcher.h"
#include "win32/win32_shell_folders.h"
#include "win32/win32_shell_links.h"
#include "win32/win32_temp_path.h"
#include "win32/win32_url_opener.h"
#include "win32/win32_version_resource.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  using namespace porvan;
  // One single-threaded apartment for the rest of the run, joined once the main window is on the
  // screen: shell links, the download and the program starts need COM, the window does not.
  std::optional<TComApartment> com;
  TWin32FileSystem files;
  TWin32ProcessInfo process;
  TWin32VersionResource version;
  TWin32MessageBox messages;
  std::unique_ptr<ISocketFactory> sockets = CreateSystemSocketFactory();
  TWin32NetworkState network;
  TWin32ProgramLauncher launcher;
  TWin32ShellFolders shellFolders;
  TWin32ShellLinks shellLinks;
  TWin32OpenFileDialog openDialog;
  TWin32UrlOpener urls;
  TUrlMonikerTransfer urlTransfer;
  TWin32TempPath tempPath;
  TPlatform platform{files,        process,    version,    messages, *sockets,    network, launcher,
                     shellFolders, shellLinks, openDialog, urls,     urlTransfer, tempPath};

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
            {TDialogKind::UpdateAlert,
             [&platform](HWND owner) { return ShowUpdateAlert(platform, owner); }}});
    if (mainWindow.Create()) {
      mainWindow.Show(showCommand);
      // A COM library that cannot be loaded is reported; the seams that need COM report it again.
      RunHandler(messages, [&com] { com.emplace(); });
      exitCode = RunMessageLoop();
    }
  }
  DestroySysVar();
  return exitCode;
}
