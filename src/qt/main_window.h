// The main window's view: the real controls of TfmMain, its tray icon, and its events routed to
// the form logic.
#pragma once

#include <QLabel>
#include <QSystemTrayIcon>
#include <QWidget>
#include <memory>

#include "app/main_form.h"
#include "qt/key_line_edit.h"
#include "qt/painted.h"
#include "qt/qt_controls.h"
#include "qt/window_host.h"

namespace porvan {

class TMainWindow : public QWidget {
 public:
  // `dialogs` are the modal windows the buttons and the start-up open; SysVar must exist.
  TMainWindow(TPlatform& platform, TDialogTable dialogs);
  ~TMainWindow() override;

  // Shows the window as the program starts: FormShow, then the show in the state the start
  // asks for (`requested`, as the launcher's show command on Windows).
  void Start(TWindowState requested);
  // Another instance asked this one to end: open access is closed without a question.
  void AppQuit();
  // The session or the process is ending: open access is closed without a question.
  void EndSession();
  bool Ended() const { return ended_; }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool Run(const std::function<void()>& handler);

  TPlatform& platform_;
  bool activeInProgram_ = false;
  bool ended_ = false;

  // In tab order first, then the controls that take no focus.
  TPictureButton btnConfig;      // "설정"
  TPictureButton btnClose;       // "종료"
  TPictureButton btnExecuteFTP;  // "FTP 실행"
  TPictureButton btnExecuteSSH;  // "SSH 실행"
  TKeyLineEdit fUrlEdit;         // the domain to open
  TPictureButton btnAbout;       // "?"
  TPaintedWidget Image1;         // "접속주소(URL) :"
  TPaintedWidget Image2;         // "Your IP Addr. :"
  QLabel fClientIPLabel;         // the client's address
  TPaintedWidget Image4;         // "연결상태", the frame around the state bars
  TPaintedWidget imgFTPClose;    // "FTP Closed"
  TPaintedWidget imgFTPOpen;     // "FTP Opened"
  TPaintedWidget imgSSHClose;    // "SSH Closed"
  TPaintedWidget imgSSHOpen;     // "SSH Opened"
  QSystemTrayIcon trayIcon_;

  TQtEditBox fUrl_{fUrlEdit};
  TQtLabel fClientIP_{fClientIPLabel};
  TQtPicture ftpOpen_{imgFTPOpen}, ftpClose_{imgFTPClose};
  TQtPicture sshOpen_{imgSSHOpen}, sshClose_{imgSSHClose};
  TQtTrayIcon TrayIcon;
  TQtWindowHost host_;
  std::unique_ptr<TfmMain> form_;
};

}  // namespace porvan
