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
  IEditBox& fUrl;         // the domain to open, after "접속주소(URL) :"
  ILabel& fClientIP;      // the client's address, after "Your IP Addr. :"
  IPicture& imgFTPOpen;   // "FTP Opened"
  IPicture& imgFTPClose;  // "FTP Closed"
  IPicture& imgSSHOpen;   // "SSH Opened"
  IPicture& imgSSHClose;  // "SSH Closed"
  ITrayIcon& TrayIcon;    // the icon in the tray, with the access hint
  IWindowHost& Window;    // the main window and the program around it
};

// Reads and writes the session state in SysVar, which must exist for the form's lifetime.
class TfmMain : public TfmMainControls {
 public:
  TfmMain(TPlatform& platform, const TfmMainControls& controls);

  void FormCreate();
  void FormDestroy();
  void FormShow();
  // The state the window starts in when the launcher asks for `requested` (a shortcut set to run
  // minimised, say): hidden or minimised starts go into the tray, as the program's own minimise
  // does, so the program can always be reached; the fixed-size window is never maximised.
  static TWindowState StartState(TWindowState requested);
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

  std::unique_ptr<TRemoteServerCon> RemoteServer;
  bool IsQuitting = false;

 private:
  // What the FTP and SSH roads differ in; everything else is one road (OpenAccess for both
  // open requests, SetState for both state pictures).
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
  // RemoteServer, made anew when FormCreate could not make it; the error then escapes again.
  TRemoteServerCon& Server();
  std::unique_ptr<TRemoteServerCon> NewServerConnection();

  TPlatform& platform_;
  // Every open request is recorded here before it is sent, until its close succeeds.
  TAccessJournal journal_;
  bool startupRan_ = false;
  bool destroyed_ = false;
  const TProtocol ftp_;
  const TProtocol ssh_;
};

}  // namespace porvan
