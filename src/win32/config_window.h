// The settings dialog's view: the real controls of TfmConfig and its messages to the form logic.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/platform.h"
#include "settings/config_form.h"
#include "win32/view/check_box.h"
#include "win32/view/drop_down_list.h"
#include "win32/view/edit_box.h"
#include "win32/view/group_box.h"
#include "win32/view/label.h"
#include "win32/view/modal_dialog.h"
#include "win32/view/modal_dialog_host.h"
#include "win32/view/picture_button.h"
#include "win32/view/push_button.h"

namespace porvan {

// Creates the dialog over `owner` (may be null), shows it modally, destroys it when it closes
// and gives its modal result. SysVar must exist.
int ShowConfig(TPlatform& platform, HWND owner);

class TConfigWindow : public TModalDialog {
 public:
  explicit TConfigWindow(TPlatform& platform);

 protected:
  void OnCreated() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TPlatform& platform_;
  TModalDialogHost host_{*this};

  // In tab order; the labels take no focus.
  TLabel Label1;                // "FTP 접속 프로그램 설정"
  TEditBox fFTPPath;            // the FTP program's path
  TPushButton fFTPPathButton;   // "...", chooses the FTP program
  TLabel Label2;                // "SSH 접속 프로그램 설정"
  TEditBox fSSHPath;            // the SSH program's path
  TPushButton fSSHPathButton;   // "...", chooses the SSH program
  TPictureButton btnOk;         // "확 인"
  TPictureButton btnCancel;     // "취 소"
  TGroupBox groupShortcut;      // " 바로가기 "
  TLabel Label3;                // "바로가기란 ?", what a shortcut does
  TLabel Label4;                // "바로가기 도메인 : "
  TEditBox fUrl;                // the shortcut's domain
  TLabel Label5;                // "도메인 접속후 실행 프로그램 : "
  TDropDownList fClientType;    // 실행안함, FTP or SSH
  TLabel Label6;                // "바로가기 실행시 프로그램 최소화 :"
  TCheckBox isMinimize;         // start minimised
  TPushButton btnMakeShortcut;  // "바로가기생성"

  std::unique_ptr<TfmConfig> form_;
};

}  // namespace porvan
