// The splash's view: one framed label; the check runs once the splash is on the screen.
#include "qt/init_window.h"

#include "common/notice.h"
#include "qt/qt_text.h"

namespace porvan {

TInitWindow::TInitWindow(TPlatform& platform, QWidget* owner)
    : TQtDialog(
          owner,
          {.Caption = FromUtf8(kApplicationTitle), .ClientSize = {222, 70}, .TitleBar = false},
          platform.Messages),
      lblMsgLabel(FromUtf8(kInitCheckingStateText), this),
      host_(*this, [this] { Run([this] { form_.WMAppStartup(); }); }),
      form_({lblMsg, host_}) {
  lblMsgLabel.setGeometry(0, 0, 222, 70);
  lblMsgLabel.setAlignment(Qt::AlignCenter);
  // The frame colours of the Windows splash: a blue line inside a raised edge.
  lblMsgLabel.setStyleSheet(
      QStringLiteral("QLabel { border: 1px solid rgb(0, 128, 255); border-top-color: white; "
                     "border-left-color: white; background: palette(window); }"));
  lblMsgLabel.setFrameShape(QFrame::Box);
}

void TInitWindow::showEvent(QShowEvent* event) {
  TQtDialog::showEvent(event);
  if (activated_) {
    return;
  }
  activated_ = true;
  // After the show has been handled, as the first activation comes on Windows.
  Post(*this, [this] { Run([this] { form_.FormActivate(); }); });
}

int ShowInit(TPlatform& platform, QWidget* owner) {
  TInitWindow window(platform, owner);
  return window.exec();
}

}  // namespace porvan
