// The main window's view: the real controls of TfmMain, its tray icon, and its messages routed
// to the form logic.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "app/fm_main.h"
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
  TPictureButton btnConfig;
  TPictureButton btnClose;
  TPictureButton btnExecuteFTP;
  TPictureButton btnExecuteSSH;
  TEditBox fUrl;
  TPictureButton btnAbout;
  TPicture Image1;
  TPicture Image2;
  TLabel fClientIP;
  TPicture Image4;
  TPicture imgFTPClose;
  TPicture imgFTPOpen;
  TPicture imgSSHClose;
  TPicture imgSSHOpen;

  std::array<TIconObject, 2> ImageList1;
  TIconObject bigIcon_;  // the window's; its small icon is the tray's first image
  std::unique_ptr<TTrayIcon> TrayIcon;
  std::unique_ptr<TWindowHost> host_;
  std::unique_ptr<TfmMain> form_;
};

}  // namespace porvan
