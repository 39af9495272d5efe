// The update alert's view: two lines, the progress bar and three picture buttons.
#include "qt/update_alert_window.h"

#include "qt/fonts.h"
#include "qt/pictures.h"
#include "qt/qt_text.h"

namespace porvan {

TUpdateAlertWindow::TUpdateAlertWindow(TPlatform& platform, const std::string& updateURL,
                                       QWidget* owner)
    : TQtDialog(owner,
                {.Caption = FromUtf8(kUpdateAlertCaption),
                 .ClientSize = {497, 145},
                 .CloseButton = false},
                platform.Messages),
      Label1(FromUtf8(kUpdateAlertLabel1), this),
      Label2(FromUtf8(kUpdateAlertLabel2), this),
      DownloadBar(this),
      BitBtn1(this, FromUtf8(kUpdateAlertRunText), {45, 108, 129, 25},
              AlertButtonFace(FromUtf8(kUpdateAlertRunText), TGlyph::GreenCheck),
              [this] { Run([this] { form_.BitBtn1Click(); }); }),
      BitBtn2(this, FromUtf8(kUpdateAlertQuitText), {185, 108, 129, 25},
              AlertButtonFace(FromUtf8(kUpdateAlertQuitText), TGlyph::RedCross),
              [this] { Run([this] { form_.BitBtn2Click(); }); }),
      BitBtn3(this, FromUtf8(kUpdateAlertSkipText), {325, 108, 129, 25},
              AlertButtonFace(FromUtf8(kUpdateAlertSkipText), TGlyph::GreenRunner),
              [this] { Run([this] { form_.BitBtn3Click(); }); }),
      form_(platform, {DownloadProgress, host_}, updateURL) {
  setFont(UiFont());
  Label1.setGeometry(15, 16, 265, 12);
  Label2.setGeometry(16, 46, 464, 12);
  DownloadBar.setObjectName(QStringLiteral("DownloadProgress"));
  DownloadBar.setGeometry(15, 75, 463, 18);
  DownloadBar.setFont(UiFont({.Pixels = 11}));
  DownloadBar.setAlignment(Qt::AlignCenter);
  DownloadBar.setVisible(false);
  SetKeyHandler([this](int key) { return form_.FormKeyDown(key); });
  Run([this] { form_.FormCreate(); });
}

void TUpdateAlertWindow::showEvent(QShowEvent* event) {
  TQtDialog::showEvent(event);
  BitBtn1.setFocus();
}

int ShowUpdateAlert(TPlatform& platform, const std::string& updateURL, QWidget* owner) {
  TUpdateAlertWindow window(platform, updateURL, owner);
  return window.exec();
}

}  // namespace porvan
