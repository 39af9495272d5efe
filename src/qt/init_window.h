// The splash's view: TfmInit's one label, without a frame, centred over the main window.
#pragma once

#include <QLabel>

#include "app/splash_form.h"
#include "platform/platform.h"
#include "qt/modal_dialog.h"
#include "qt/qt_controls.h"
#include "qt/window_host.h"

namespace porvan {

class TInitWindow : public TQtDialog {
 public:
  TInitWindow(TPlatform& platform, QWidget* owner);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool activated_ = false;
  QLabel lblMsgLabel;
  TQtLabel lblMsg{lblMsgLabel};
  TQtDialogHost host_;
  TfmInit form_;
};

// Shows the splash modally over `owner` (may be null) and gives its modal result.
int ShowInit(TPlatform& platform, QWidget* owner);

}  // namespace porvan
