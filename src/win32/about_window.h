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
  TPushButton btnClose;
  TMemo Memo1;
  TLabel Label1;
  TLabel Label2;
  TLinkLabel lblWebAddress;
  TLabel Label3;
  TLabel lblVersionInfo;
  TPicture Bevel1;

  std::unique_ptr<TfmAbout> form_;
};

}  // namespace porvan
