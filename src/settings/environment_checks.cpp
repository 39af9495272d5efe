// TSysVar's operations that reach outside the process: the connection and version checks and
// the start of the FTP and SSH client programs.
#include <string>

#include "common/code_page.h"
#include "common/notice.h"
#include "common/path_text.h"
#include "platform/file_system.h"
#include "platform/gui_wait.h"
#include "platform/network_state.h"
#include "platform/program_launcher.h"
#include "server/remote_server_con.h"
#include "settings/run_state.h"

namespace porvan {
namespace {

struct TClientProgram {
  const std::string& Path;
  const char* NotSetNotice;   // UTF-8
  const char* MissingNotice;  // UTF-8
};

void Launch(TPlatform& platform, const TClientProgram& program) {
  if (program.Path.empty()) {
    ShowNotice(platform.Messages, Utf8ToCp949(program.NotSetNotice));
    return;
  }
  const TPath path = PathFromCp949(program.Path);
  if (!platform.Files.IsFile(path)) {
    ShowNotice(platform.Messages, Utf8ToCp949(program.MissingNotice));
    return;
  }
  // A program that fails to start is the user's to notice; nothing here can mend it.
  platform.Launcher.Open(path);
}

}  // namespace

void TSysVar::CheckConnection() {
  // The platform's answer may wait for the system's network service to start, so it waits off
  // the GUI thread as the request does.
  bool offline = false;
  platform_.Waits.Run([&] { offline = platform_.Network.IsOffline(); });
  if (offline) {
    IsOffline = true;
  }
  if (IsOffline) {
    return;
  }
  TRemoteServerCon server(platform_.Sockets, platform_.Messages, platform_.Waits, GetServerURL());
  ClientIP = server.GetClientIP();
  if (ClientIP.empty()) {
    IsOffline = true;
  }
}

TVersionCheck TSysVar::IsLatestVersion() {
  TRemoteServerCon server(platform_.Sockets, platform_.Messages, platform_.Waits, GetServerURL());
  const TVersionCheck result = server.CheckVersion(VersionInfo.FileVersion);
  if (result == TVersionCheck::UpdateAvailable) {
    UpdateURL = server.UpdateURL;
  }
  return result;
}

void TSysVar::ExecuteFTP() {
  Launch(platform_,
         {FTPPath, "FTP 프로그램이 지정되어 있지 않습니다.\r\r프로그램 지정 후 실행해주세요",
          "설정된 경로에 FTP 프로그램이 존재하지 않습니다.\r\r프로그램 지정 후 실행해주세요"});
}

void TSysVar::ExecuteSSH() {
  Launch(platform_,
         {SSHPath, "SSH 프로그램이 지정되어 있지 않습니다.\r\r프로그램 지정 후 실행해주세요",
          "설정된 경로에 SSH 프로그램이 존재하지 않습니다.\r\r프로그램 지정 후 실행해주세요"});
}

}  // namespace porvan
