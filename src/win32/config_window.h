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
  TLabel Label1;
  TEditBox fFTPPath;
  TPushButton fFTPPathButton;
  TLabel Label2;
  TEditBox fSSHPath;
  TPushButton fSSHPathButton;
  TPictureButton btnOk;
  TPictureButton btnCancel;
  TGroupBox groupShortcut;
  TLabel Label3;
  TLabel Label4;
  TEditBox fUrl;
  TLabel Label5;
  TDropDownList fClientType;
  TLabel Label6;
  TCheckBox isMinimize;
  TPushButton btnMakeShortcut;

  std::unique_ptr<TfmConfig> form_;
};

}  // namespace porvan
