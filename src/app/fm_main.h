// TfmMain: the main window's form logic: open access, launch the client, tray, close of access.
#pragma once

#include <cstdint>
#include <memory>

#include "app/access_journal.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "server/remote_server_con.h"

namespace porvan {

class TSysVar;

// The controls the form logic reaches, named as the window names them.
struct TfmMainControls {
  IEditBox& fUrl;
  ILabel& fClientIP;
  IPicture& imgFTPOpen;
  IPicture& imgFTPClose;
  IPicture& imgSSHOpen;
  IPicture& imgSSHClose;
  ITrayIcon& TrayIcon;
  IWindowHost& Window;
};

// Reads and writes the session state in SysVar, which must exist for the form's lifetime.
class TfmMain : public TfmMainControls {
 public:
  TfmMain(TPlatform& platform, const TfmMainControls& controls);

  void FormCreate();
  void FormDestroy();
  void FormShow();
  void FormActivate();
  // True when the key was taken (Enter), so the edit box must not act on it as well.
  bool fUrlKeyDown(int key);
  void btnExecuteFTPClick();
  void btnExecuteSSHClick();
  void btnCloseClick();
  void btnConfigClick();
  void btnAboutClick();
  void TrayIconDblClick();
  // The program was minimised: it goes into the tray.
  void ApplicationMinimize();
  // `action` comes preset to Hide; the handler may cancel the close (None) or free the window.
  void FormClose(TCloseAction& action);
  void WMAppQuit();
  // Windows ends the session: open access is closed without a question, as for WMAppQuit.
  void WMEndSession();
  // The start-up sequence: connection check behind the splash, the client IP, the close of access
  // that ended instances left open, the version check with the update alert, and the open a
  // shortcut's arguments ask for. Runs once per process.
  void WMAppStartup();

  bool CheckOnline();
  bool OpenFTPAccess();
  bool OpenSSHAccess();
  void SetFTPState(bool open);
  void SetSSHState(bool open);

  std::unique_ptr<TRemoteServerCon> RemoteServer;
  bool IsQuitting = false;

 private:
  // What the FTP and SSH roads differ in; everything else is one road.
  struct TProtocol {
    const char* Name;
    std::int32_t TSysVar::*Flag;
    bool (TRemoteServerCon::*OpenRequest)(const std::string& domain);
    bool (TRemoteServerCon::*CloseRequest)(const std::string& domain);
    IPicture& OpenPicture;
    IPicture& ClosedPicture;
    void (TSysVar::*Execute)();
  };

  void ExecuteClick(const TProtocol& protocol);
  bool OpenAccess(const TProtocol& protocol);
  void SetState(const TProtocol& protocol, bool open);
  void SendCloseRequests();

  TPlatform& platform_;
  // Every open request is recorded here before it is sent, until its close succeeds.
  TAccessJournal journal_;
  bool startupRan_ = false;
  bool destroyed_ = false;
  const TProtocol ftp_;
  const TProtocol ssh_;
};

}  // namespace porvan
