// The main window's view: TfmMain's controls in their places, its tray icon, its events.
#include "qt/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>

#include "app/handler_guard.h"
#include "common/notice.h"
#include "qt/fonts.h"
#include "qt/pictures.h"
#include "qt/qt_text.h"

namespace porvan {
namespace {

const QColor kBackground(249, 249, 249);

}  // namespace

TMainWindow::TMainWindow(TPlatform& platform, TDialogTable dialogs)
    : platform_(platform),
      btnConfig(this, FromUtf8("설정"), {277, 107, 51, 24},
                CommandButtonFace(FromUtf8("설정"), TGlyph::GreenPadlock, UiFont()),
                [this] { Run([this] { form_->btnConfigClick(); }); }),
      btnClose(this, FromUtf8("종료"), {351, 107, 52, 24},
               CommandButtonFace(FromUtf8("종료"), TGlyph::RedCross, UiFont()),
               [this] { Run([this] { form_->btnCloseClick(); }); }),
      btnExecuteFTP(
          this, FromUtf8("FTP 실행"), {18, 96, 114, 35},
          CommandButtonFace(FromUtf8("FTP 실행"), TGlyph::RunChevron, UiFont({.Bold = true})),
          [this] { Run([this] { form_->btnExecuteFTPClick(); }); }),
      btnExecuteSSH(
          this, FromUtf8("SSH 실행"), {145, 96, 114, 35},
          CommandButtonFace(FromUtf8("SSH 실행"), TGlyph::RunChevron, UiFont({.Bold = true})),
          [this] { Run([this] { form_->btnExecuteSSHClick(); }); }),
      fUrlEdit(this, {99, 15, 158, 24}, true,
               [this](int key) {
                 bool taken = false;
                 Run([&] { taken = form_->fUrlKeyDown(key); });
                 return taken;
               }),
      btnAbout(
          this, QStringLiteral("?"), {404, 4, 17, 22},
          FlatButtonFace(QStringLiteral("?"), UiFont({.Pixels = 13, .Bold = true}), kBackground),
          [this] { Run([this] { form_->btnAboutClick(); }); }),
      Image1(this, FromUtf8("접속주소(URL) :"), {13, 18, 78, 19},
             CaptionPicture(FromUtf8("접속주소(URL) :"), UiFont({.Bold = true}))),
      Image2(
          this, QStringLiteral("Your IP Addr. :"), {13, 53, 78, 16},
          CaptionPicture(QStringLiteral("Your IP Addr. :"), UiFont({.Pixels = 11, .Bold = true}))),
      fClientIPLabel(this),
      Image4(this, FromUtf8("연결상태"), {272, 15, 139, 78},
             StateAreaPicture(FromUtf8("연결상태"))),
      imgFTPClose(this, QStringLiteral("FTP Closed"), {286, 36, 111, 24},
                  StateBarPicture(QStringLiteral("FTP Closed"), false)),
      imgFTPOpen(this, QStringLiteral("FTP Opened"), {286, 36, 111, 24},
                 StateBarPicture(QStringLiteral("FTP Opened"), true)),
      imgSSHClose(this, QStringLiteral("SSH Closed"), {286, 64, 111, 24},
                  StateBarPicture(QStringLiteral("SSH Closed"), false)),
      imgSSHOpen(this, QStringLiteral("SSH Opened"), {286, 64, 111, 24},
                 StateBarPicture(QStringLiteral("SSH Opened"), true)),
      trayIcon_(this),
      TrayIcon(trayIcon_, {TrayTile(0), TrayTile(1)}),
      host_(*this, std::move(dialogs), [this] { Run([this] { form_->WMAppStartup(); }); }) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(FromUtf8(kApplicationTitle));
  setWindowIcon(TrayTile(0));
  setFixedSize(426, 144);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);
  setAutoFillBackground(true);
  setFont(UiFont());

  fUrlEdit.setObjectName(QStringLiteral("fUrl"));
  fClientIPLabel.setObjectName(QStringLiteral("fClientIP"));
  fUrlEdit.setFont(UiFont({.Pixels = 13, .Bold = true}));
  fClientIPLabel.setGeometry(107, 54, 135, 14);
  fClientIPLabel.setFont(UiFont({.Bold = true, .Italic = true}));
  imgFTPOpen.setVisible(false);
  imgSSHOpen.setVisible(false);
  connect(&trayIcon_, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            // Desktop trays activate on one click where Windows waits for a double click.
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
              Run([this] { form_->TrayIconDblClick(); });
            }
          });

  form_ =
      std::make_unique<TfmMain>(platform_, TfmMainControls{fUrl_, fClientIP_, ftpOpen_, ftpClose_,
                                                           sshOpen_, sshClose_, TrayIcon, host_});
  Run([this] { form_->FormCreate(); });
}

TMainWindow::~TMainWindow() {
  trayIcon_.hide();
}

bool TMainWindow::Run(const std::function<void()>& handler) {
  return RunHandler(platform_.Messages, handler);
}

void TMainWindow::Start(TWindowState requested) {
  Run([this] { form_->FormShow(); });
  if (TfmMain::StartState(requested) == TWindowState::Minimized) {
    showMinimized();
  } else {
    show();
  }
}

void TMainWindow::AppQuit() {
  Run([this] { form_->WMAppQuit(); });
}

void TMainWindow::EndSession() {
  Run([this] { form_->WMEndSession(); });
}

void TMainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (ended_) {
    return;
  }
  if (event->type() == QEvent::WindowStateChange && isMinimized()) {
    // Hidden after the state change has finished, not inside it.
    Post(*this, [this] {
      if (isMinimized()) {
        Run([this] { form_->ApplicationMinimize(); });
      }
    });
  } else if (event->type() == QEvent::ActivationChange) {
    // Only coming back from another program activates the form; the program's own dialogs
    // taking the activation and giving it back do not.
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
      activeInProgram_ = false;
    } else if (isActiveWindow() && !activeInProgram_) {
      activeInProgram_ = true;
      Run([this] { form_->FormActivate(); });
    }
  }
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  if (ended_) {
    event->accept();
    return;
  }
  TCloseAction action = TCloseAction::Hide;
  if (!Run([&] { form_->FormClose(action); }) || action == TCloseAction::None) {
    event->ignore();
    return;
  }
  ended_ = true;
  event->accept();
  Run([this] { form_->FormDestroy(); });
  trayIcon_.hide();
  // Also ends the loops of any dialog still open, as WM_QUIT ends every modal loop on Windows.
  QCoreApplication::exit(0);
}

}  // namespace porvan
