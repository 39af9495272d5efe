// Porvan.exe: the Windows entry.
#include <windows.h>

#include "app/program_entry.h"
#include "platform/platform.h"
#include "platform/socket.h"
#include "settings/notice.h"
#include "win32/main_window.h"
#include "win32/win32_file_system.h"
#include "win32/win32_message_box.h"
#include "win32/win32_process_info.h"
#include "win32/win32_version_resource.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  using namespace porvan;
  TWin32FileSystem files;
  TWin32ProcessInfo process;
  TWin32VersionResource version;
  TWin32MessageBox messages;
  std::unique_ptr<ISocketFactory> sockets = CreateSystemSocketFactory();
  TPlatform platform{files, process, version, messages, *sockets};

  if (!CreateSysVar(platform)) {
    return 1;
  }
  int exitCode = RunMainWindow(instance, ApplicationTitle(), showCommand);
  DestroySysVar();
  return exitCode;
}
