// The about box's view: the real controls of TfmAbout and its events to the form logic.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/platform.h"
#include "qt/link_label.h"
#include "qt/modal_dialog.h"
#include "qt/painted.h"
#include "qt/qt_controls.h"
#include "qt/window_host.h"
#include "settings/about_form.h"

namespace porvan {

class TAboutWindow : public TQtDialog {
 public:
  TAboutWindow(TPlatform& platform, QWidget* owner);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TQtDialogHost host_{*this, {}};

  // In tab order: btnClose, then Memo1; the rest take no focus.
  QPushButton btnClose;           // "닫기"
  QPlainTextEdit Memo1Edit;       // the version history
  QLabel Label1;                  // "Porvan 란 ?"
  QLabel Label2;                  // what the system is
  TLinkLabel lblWebAddressLabel;  // the web address, opened by a click
  QLabel Label3;                  // "Client Version :"
  QLabel lblVersionInfoLabel;     // the version
  TPaintedWidget Bevel1;          // the line above the button

  TQtLabel lblVersionInfo{lblVersionInfoLabel};
  TQtLinkLabel lblWebAddress{lblWebAddressLabel};
  TQtMemo Memo1{Memo1Edit};
  TfmAbout form_;
};

// Shows the box modally over `owner` and gives its modal result. SysVar must exist.
int ShowAbout(TPlatform& platform, QWidget* owner);

}  // namespace porvan
