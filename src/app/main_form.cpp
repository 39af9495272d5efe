// TfmMain: the main window's form logic: open access, launch the client, tray, close of access.
#include "app/main_form.h"

#include "app/leftover_access.h"
#include "app/splash_form.h"
#include "app/tray_hint.h"
#include "common/code_page.h"
#include "common/notice.h"
#include "common/text_bytes.h"
#include "platform/message_box.h"
#include "settings/executable_folder.h"
#include "settings/run_state.h"
#include "update/update_alert.h"

namespace porvan {
namespace {

constexpr int kEnterKey = 13;
constexpr int kClosedImage = 0;
constexpr int kOpenImage = 1;

// The system's texts in UTF-8; each goes through Utf8ToCp949 where it is shown.
const char* const kStartHint = "Porvan접근통제시스템";
const char* const kOfflineMessage =
    "인터넷에 연결되어 있지 않습니다.\r\r인터넷연결 확인 후 프로그램을 다시 실행해주세요";
const char* const kOfflineClientIP = "인터넷에 연결되어 있지 않습니다.";
const char* const kEmptyDomainMessage = "접속할 URL을 입력 하세요";
const char* const kExitCaption = "Porvan 접근통제 시스템종료 확인";
// The trailing blanks of each paragraph are part of the system's text.
const char* const kExitQuestion =
    "포반가 종료되면 사용중인 FTP와 SSH 프로그램의 접속도      \r\r"
    "자동으로 끊어지며, 작업중이던 자료를 잃게 됩니다        \r\r"
    "반드시 작업을 완료하신 후에 포반를 종료하셔야 합니다    \r\r"
    "포반를 종료 하시겠습니까 ?";

std::string AccessHint(const std::string& clientIP, const std::string& domain) {
  return Utf8ToCp949(kApplicationTitle) + "\rLocalIP :" + clientIP + "\r" +
         "Connect URL : " + domain;
}

}  // namespace

TfmMain::TfmMain(TPlatform& platform, const TfmMainControls& controls)
    : TfmMainControls(controls),
      platform_(platform),
      journal_(platform.Files, platform.Instances, platform.Messages,
               JournalPathFor(StateFileStem(platform)), SystemSeconds),
      ftp_{"FTP",      &TSysVar::IsFTPOpen, &TRemoteServerCon::OpenFTP, &TRemoteServerCon::CloseFTP,
           imgFTPOpen, imgFTPClose,         &TSysVar::ExecuteFTP},
      ssh_{"SSH",      &TSysVar::IsSSHOpen, &TRemoteServerCon::OpenSSH, &TRemoteServerCon::CloseSSH,
           imgSSHOpen, imgSSHClose,         &TSysVar::ExecuteSSH} {
  TrayIcon.SetHint(Utf8ToCp949(kStartHint));
  TrayIcon.SetImageIndex(kClosedImage);
}

void TfmMain::FormCreate() {
  RemoteServer = NewServerConnection();
  IsQuitting = false;
}

void TfmMain::FormDestroy() {
  RemoteServer.reset();
  destroyed_ = true;
}

void TfmMain::FormShow() {
  Window.PostStartup();
}

TWindowState TfmMain::StartState(TWindowState requested) {
  switch (requested) {
    case TWindowState::Hidden:
    case TWindowState::Minimized:
      return TWindowState::Minimized;
    case TWindowState::Normal:
    case TWindowState::Maximized:
      break;
  }
  return TWindowState::Normal;
}

void TfmMain::FormActivate() {
  fUrl.SetFocus();
  TrayIcon.SetImageIndex(kClosedImage);
  TrayIcon.SetVisible(true);
}

bool TfmMain::fUrlKeyDown(int key) {
  if (key != kEnterKey) {
    return false;
  }
  btnExecuteFTPClick();
  return true;
}

void TfmMain::btnExecuteFTPClick() {
  ExecuteClick(ftp_);
}

void TfmMain::btnExecuteSSHClick() {
  ExecuteClick(ssh_);
}

void TfmMain::btnCloseClick() {
  Window.Close();
}

void TfmMain::btnConfigClick() {
  Window.ShowDialog(TDialogKind::Config);
}

void TfmMain::btnAboutClick() {
  Window.ShowDialog(TDialogKind::About);
}

void TfmMain::TrayIconDblClick() {
  if (Window.IsMinimized()) {
    Window.Restore();
  }
}

void TfmMain::ApplicationMinimize() {
  // Without a tray a hidden window could not be reached again: it stays on the taskbar.
  if (!TrayIcon.Available()) {
    return;
  }
  Window.SetVisible(false);
  TrayIcon.SetVisible(true);
}

void TfmMain::FormClose(TCloseAction& action) {
  if (SysVar->IsFTPOpen != 1 && SysVar->IsSSHOpen != 1) {
    return;
  }
  if (!IsQuitting) {
    action = TCloseAction::None;
    const int answer = platform_.Messages.Show(
        Utf8ToCp949(kExitQuestion), Utf8ToCp949(kExitCaption), mb::kYesNo | mb::kIconInformation);
    if (answer != mb::kIdYes) {
      return;
    }
  }
  SendCloseRequests();
  action = TCloseAction::Free;
}

void TfmMain::WMAppQuit() {
  if (Window.IsMinimized()) {
    Window.Restore();
  }
  IsQuitting = true;
  Window.Close();
}

void TfmMain::WMEndSession() {
  IsQuitting = true;
  Window.Close();
}

void TfmMain::WMAppStartup() {
  if (startupRan_) {
    return;
  }
  startupRan_ = true;
  // Each step that runs the message loop (the pumps, the modal dialogs) may end the window
  // with a WM_APP_QUIT or a close; the sequence stops there.
  Window.ProcessMessages();
  if (destroyed_) {
    return;
  }
  const int connection = Window.ShowDialog(TDialogKind::Init);
  if (destroyed_) {
    return;
  }
  fClientIP.SetText(connection == kInitOffline ? Utf8ToCp949(kOfflineClientIP) : SysVar->ClientIP);
  // Offline, the journal keeps its records for a start that can reach the server.
  if (connection == kInitOnline && CloseLeftoverAccess(journal_, Server()) > 0) {
    TrayIcon.SetHint(LeftoverAccessHint());
  }

  // A check that gets no answer goes on as if the version were current.
  if (SysVar->IsLatestVersion() == TVersionCheck::UpdateAvailable &&
      Window.ShowDialog(TDialogKind::UpdateAlert) == kUpdateAlertQuit) {
    Window.Close();
    return;
  }
  if (destroyed_) {
    return;
  }

  if (SysVar->ShortcutDomain.empty()) {
    return;
  }
  if (SysVar->StartMinimized) {
    Window.Minimize();
    Window.ProcessMessages();
    if (destroyed_) {
      return;
    }
  }
  fUrl.SetText(SysVar->ShortcutDomain);
  if (SysVar->ShortcutClientType == "FTP") {
    btnExecuteFTPClick();
  } else if (SysVar->ShortcutClientType == "SSH") {
    btnExecuteSSHClick();
  }
}

bool TfmMain::CheckOnline() {
  if (!SysVar->IsOffline) {
    return true;
  }
  ShowNotice(platform_.Messages, Utf8ToCp949(kOfflineMessage));
  return false;
}

void TfmMain::ExecuteClick(const TProtocol& protocol) {
  if (!CheckOnline()) {
    return;
  }
  if ((*SysVar).*protocol.Flag == 0) {
    if (!OpenAccess(protocol)) {
      return;
    }
    TrayIcon.SetImageIndex(kOpenImage);
    SetState(protocol, true);
  }
  ((*SysVar).*protocol.Execute)();
}

bool TfmMain::OpenAccess(const TProtocol& protocol) {
  const std::string domain = fUrl.Text();
  if (TrimBlanks(domain).empty()) {
    ShowNotice(platform_.Messages, Utf8ToCp949(kEmptyDomainMessage));
    fUrl.SetFocus();
    return false;
  }
  TRemoteServerCon& server = Server();
  // Recorded first: a crash while the request is on its way still leaves a record to close.
  if (!journal_.Add(protocol.Name, domain)) {
    return false;
  }
  // The server is given the field as it stands: blanks around the domain are the user's.
  if (!(server.*protocol.OpenRequest)(domain)) {
    journal_.Remove(protocol.Name, domain);
    return false;
  }
  SysVar->ConnectedDomain = domain;
  (*SysVar).*protocol.Flag = 1;
  fUrl.SetReadOnly(true);
  TrayIcon.SetHint(CutTrayHint(AccessHint(SysVar->ClientIP, domain)));
  return true;
}

void TfmMain::SetState(const TProtocol& protocol, bool open) {
  (*SysVar).*protocol.Flag = open ? 1 : 0;
  // Show the new picture before hiding the old, so the place is never empty.
  (open ? protocol.OpenPicture : protocol.ClosedPicture).SetVisible(true);
  (open ? protocol.ClosedPicture : protocol.OpenPicture).SetVisible(false);
}

void TfmMain::SendCloseRequests() {
  // Only the domain field at closing time says what was opened. A failed close ends the program
  // all the same; its record stays, for the next start to close.
  const std::string domain = fUrl.Text();
  for (const TProtocol* protocol : {&ftp_, &ssh_}) {
    if ((*SysVar).*protocol->Flag == 1 && (Server().*protocol->CloseRequest)(domain)) {
      journal_.Remove(protocol->Name, domain);
    }
  }
}

TRemoteServerCon& TfmMain::Server() {
  // FormCreate fails when the server URL is missing and the settings file cannot be written;
  // making the connection again shows that error again instead of reaching a missing one.
  if (RemoteServer == nullptr) {
    RemoteServer = NewServerConnection();
  }
  return *RemoteServer;
}

std::unique_ptr<TRemoteServerCon> TfmMain::NewServerConnection() {
  return std::make_unique<TRemoteServerCon>(platform_.Sockets, platform_.Messages, platform_.Waits,
                                            SysVar->GetServerURL());
}

}  // namespace porvan
