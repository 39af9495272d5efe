// The about box's view: TfmAbout's controls in their places, its keys and clicks to the logic.
#include "qt/about_window.h"

#include "qt/fonts.h"
#include "qt/pictures.h"
#include "qt/qt_text.h"

namespace porvan {

TAboutWindow::TAboutWindow(TPlatform& platform, QWidget* owner)
    : TQtDialog(owner,
                {.Caption = FromUtf8("Porvan 접근통제 시스템에 대하여"),
                 .ClientSize = {410, 296},
                 .CloseButton = false},
                platform.Messages),
      btnClose(FromUtf8("닫기"), this),
      Memo1Edit(this),
      Label1(FromUtf8("Porvan 란 ?"), this),
      Label2(FromUtf8("Porvan는 서버 접근통제 시스템 입니다.\n\n사용자는 포반 클라이언트를 "
                      "통해 인증을 받아야만 접속이 가능합니다."),
             this),
      lblWebAddressLabel(this, FromUtf8(kWebAddress), {10, 86, 150, 13},
                         [this] { Run([this] { form_.lblWebAddressClick(); }); }),
      Label3(QStringLiteral("Client Version :"), this),
      lblVersionInfoLabel(this),
      Bevel1(this, QString(), {13, 243, 381, 2}, BevelLinePicture()),
      form_(platform, TfmAboutControls{lblVersionInfo, lblWebAddress, Memo1, host_}) {
  setFont(UiFont());
  btnClose.setGeometry(148, 257, 93, 25);
  Memo1Edit.setObjectName(QStringLiteral("Memo1"));
  lblVersionInfoLabel.setObjectName(QStringLiteral("lblVersionInfo"));
  Memo1Edit.setGeometry(12, 140, 383, 89);
  Memo1Edit.setReadOnly(true);
  Memo1Edit.setBackgroundRole(QPalette::Window);
  Label1.setGeometry(10, 12, 200, 12);
  Label1.setFont(UiFont({.Bold = true}));
  Label2.setGeometry(12, 36, 380, 44);
  Label2.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label3.setGeometry(10, 114, 90, 12);
  lblVersionInfoLabel.setGeometry(103, 114, 120, 12);
  connect(&btnClose, &QPushButton::clicked, this,
          [this] { Run([this] { form_.btnCloseClick(); }); });
  SetKeyHandler([this](int key) { return form_.FormKeyDown(key); });
  Run([this] { form_.FormActivate(); });
}

void TAboutWindow::showEvent(QShowEvent* event) {
  TQtDialog::showEvent(event);
  btnClose.setFocus();
}

int ShowAbout(TPlatform& platform, QWidget* owner) {
  TAboutWindow window(platform, owner);
  return window.exec();
}

}  // namespace porvan
