// The main window's view: the real controls of TfmMain, its tray icon, and its messages routed
// to the form logic.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "app/main_form.h"
#include "win32/view/edit_box.h"
#include "win32/view/label.h"
#include "win32/view/picture.h"
#include "win32/view/picture_button.h"
#include "win32/view/tray_icon.h"
#include "win32/view/window.h"
#include "win32/view/window_host.h"

namespace porvan {

class TMainWindow : public TWindow {
 public:
  // `dialogs` are the modal windows the buttons and the start-up open; SysVar must exist.
  TMainWindow(TPlatform& platform, TDialogTable dialogs);
  ~TMainWindow() override;

  // Shows the window as the program starts: FormShow, then the show itself and FormActivate.
  void Show(int showCommand);

 protected:
  void OnCreated() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnActivate(WPARAM wParam, LPARAM lParam);
  void OnClose();

  TPlatform& platform_;
  TDialogTable dialogs_;
  const UINT taskbarCreated_;
  bool activeInProgram_ = false;
  HWND lastFocus_ = nullptr;

  // In tab order first, then the controls that take no focus.
  TPictureButton btnConfig;      // "설정"
  TPictureButton btnClose;       // "종료"
  TPictureButton btnExecuteFTP;  // "FTP 실행"
  TPictureButton btnExecuteSSH;  // "SSH 실행"
  TEditBox fUrl;                 // the domain to open
  TPictureButton btnAbout;       // "?"
  TPicture Image1;               // "접속주소(URL) :"
  TPicture Image2;               // "Your IP Addr. :"
  TLabel fClientIP;              // the client's address
  TPicture Image4;               // "연결상태", the frame around the state bars
  TPicture imgFTPClose;          // "FTP Closed"
  TPicture imgFTPOpen;           // "FTP Opened"
  TPicture imgSSHClose;          // "SSH Closed"
  TPicture imgSSHOpen;           // "SSH Opened"

  std::array<TIconObject, 2> ImageList1;  // the tray tiles: closed, open
  TIconObject bigIcon_;                   // the window's; its small icon is the tray's first image
  std::unique_ptr<TTrayIcon> TrayIcon;
  std::unique_ptr<TWindowHost> host_;
  std::unique_ptr<TfmMain> form_;
};

}  // namespace porvan
