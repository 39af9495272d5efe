// The about box's view: the real controls of TfmAbout and its messages to the form logic.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/platform.h"
#include "settings/about_form.h"
#include "win32/view/label.h"
#include "win32/view/link_label.h"
#include "win32/view/memo.h"
#include "win32/view/modal_dialog.h"
#include "win32/view/modal_dialog_host.h"
#include "win32/view/picture.h"
#include "win32/view/push_button.h"

namespace porvan {

// Creates the box over `owner` (may be null), shows it modally, destroys it when it closes and
// gives its modal result. SysVar must exist.
int ShowAbout(TPlatform& platform, HWND owner);

class TAboutWindow : public TModalDialog {
 public:
  explicit TAboutWindow(TPlatform& platform);

 protected:
  void OnCreated() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TModalDialogHost host_{*this};

  // In tab order: btnClose, then Memo1; the rest take no focus.
  TPushButton btnClose;      // "닫기"
  TMemo Memo1;               // the version history
  TLabel Label1;             // "Porvan 란 ?"
  TLabel Label2;             // what the system is
  TLinkLabel lblWebAddress;  // the web address, opened by a click
  TLabel Label3;             // "Client Version :"
  TLabel lblVersionInfo;     // the version
  TPicture Bevel1;           // the line above the button

  std::unique_ptr<TfmAbout> form_;
};

}  // namespace porvan
