// Porvan.exe: the Windows entry.
#include <windows.h>

#include "app/program_entry.h"
#include "platform/platform.h"
#include "platform/socket.h"
#include "settings/notice.h"
#include "win32/main_window.h"
#include "win32/win32_file_system.h"
#include "win32/win32_message_box.h"
#include "win32/win32_open_file_dialog.h"
#include "win32/win32_process_info.h"
#include "win32/win32_shell_folders.h"
#include "win32/win32_shell_links.h"
#include "win32/win32_url_opener.h"
#include "win32/win32_version_resource.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  using namespace porvan;
  TWin32FileSystem files;
  TWin32ProcessInfo process;
  TWin32VersionResource version;
  TWin32MessageBox messages;
  std::unique_ptr<ISocketFactory> sockets = CreateSystemSocketFactory();
  TWin32ShellFolders shellFolders;
  TWin32ShellLinks shellLinks;
  TWin32OpenFileDialog openDialog;
  TWin32UrlOpener urls;
  TPlatform platform{files,        process,    version,    messages, *sockets,
                     shellFolders, shellLinks, openDialog, urls};

  if (!CreateSysVar(platform)) {
    return 1;
  }
  int exitCode = RunMainWindow(instance, ApplicationTitle(), showCommand);
  DestroySysVar();
  return exitCode;
}
