// The settings dialog's view: TfmConfig's controls in their places, its events to the logic.
#include "qt/config_window.h"

#include "qt/fonts.h"
#include "qt/pictures.h"
#include "qt/qt_text.h"

namespace porvan {
namespace {

// The group box's place; the places of the controls inside it are relative to its corner.
const QRect kGroupPlace{12, 126, 447, 209};
// The edit box of a path leaves room for its browse button at the right end of its place.
constexpr int kBrowseWidth = 20;

QRect InGroup(const QRect& place) {
  return place.translated(kGroupPlace.topLeft());
}

// A label with the system's text, whose CR line breaks Qt shows as LF.
void Place(QLabel& label, const char* utf8, const QRect& place) {
  label.setText(FromUtf8(utf8).replace(QChar('\r'), QChar('\n')));
  label.setGeometry(place);
  label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace

TConfigWindow::TConfigWindow(TPlatform& platform, QWidget* owner)
    : TQtDialog(owner, {.Caption = FromUtf8("프로그램 실행 환경 설정"), .ClientSize = {477, 388}},
                platform.Messages),
      Label1(this),
      fFTPPathEdit(this, {10, 38, 449 - kBrowseWidth, 20}, false, {}),
      fFTPPathButton(QStringLiteral("..."), this),
      Label2(this),
      fSSHPathEdit(this, {10, 90, 449 - kBrowseWidth, 20}, false, {}),
      fSSHPathButton(QStringLiteral("..."), this),
      btnOk(this, FromUtf8("확 인"), {134, 351, 95, 25}, TwoStateButtonFace(FromUtf8("확 인")),
            [this] { Run([this] { form_.btnOkClick(); }); }),
      btnCancel(this, FromUtf8("취 소"), {238, 351, 95, 25}, TwoStateButtonFace(FromUtf8("취 소")),
                [this] { Run([this] { form_.btnCancelClick(); }); }),
      groupShortcut(FromUtf8(" 바로가기 "), this),
      Label3(this),
      Label4(this),
      fUrlEdit(this, InGroup({119, 105, 195, 24}), true, {}),
      Label5(this),
      fClientTypeBox(this),
      Label6(this),
      isMinimizeBox(this),
      btnMakeShortcut(FromUtf8("바로가기생성"), this),
      form_(platform, TfmConfigControls{fFTPPath, fSSHPath, fUrl, fClientType, isMinimize, host_}) {
  setFont(UiFont());
  Place(Label1, "FTP 접속 프로그램 설정", {10, 18, 200, 12});
  Place(Label2, "SSH 접속 프로그램 설정", {10, 70, 200, 12});
  fFTPPathEdit.setObjectName(QStringLiteral("fFTPPath"));
  fSSHPathEdit.setObjectName(QStringLiteral("fSSHPath"));
  fUrlEdit.setObjectName(QStringLiteral("fUrl"));
  fClientTypeBox.setObjectName(QStringLiteral("fClientType"));
  isMinimizeBox.setObjectName(QStringLiteral("isMinimize"));
  fFTPPathButton.setGeometry(10 + 449 - kBrowseWidth, 38, kBrowseWidth, 20);
  fSSHPathButton.setGeometry(10 + 449 - kBrowseWidth, 90, kBrowseWidth, 20);
  // The browse buttons belong to their boxes, which are the tab stops.
  fFTPPathButton.setFocusPolicy(Qt::ClickFocus);
  fSSHPathButton.setFocusPolicy(Qt::ClickFocus);
  fFTPPathButton.setAutoDefault(false);
  fSSHPathButton.setAutoDefault(false);
  groupShortcut.setGeometry(kGroupPlace);
  // More height than its 12-pixel lines need, so a font with taller lines still shows the last.
  Place(Label3,
        "바로가기란 ?\r\r포반 실행시 도메인을 미리 입력해 두고, 포반 실행시에 "
        "\r\r자동으로 해당 도메인의 포반를 열어주는 기능입니다",
        InGroup({16, 24, 300, 76}));
  Place(Label4, "바로가기 도메인 : ", InGroup({16, 112, 100, 12}));
  fUrlEdit.setFont(UiFont({.Pixels = 13, .Bold = true}));
  Place(Label5, "도메인 접속후 실행 프로그램 : ", InGroup({16, 140, 170, 12}));
  fClientTypeBox.setGeometry(InGroup({188, 136, 75, 20}));
  fClientTypeBox.addItems({FromUtf8("실행안함"), QStringLiteral("FTP"), QStringLiteral("SSH")});
  fClientTypeBox.setCurrentIndex(1);
  Place(Label6, "바로가기 실행시 프로그램 최소화 :", InGroup({16, 168, 192, 12}));
  isMinimizeBox.setGeometry(InGroup({211, 165, 16, 17}));
  btnMakeShortcut.setGeometry(InGroup({335, 104, 91, 81}));
  btnMakeShortcut.setAutoDefault(false);

  connect(&fFTPPathButton, &QPushButton::clicked, this,
          [this] { Run([this] { form_.fPathButtonClick(fFTPPath); }); });
  connect(&fSSHPathButton, &QPushButton::clicked, this,
          [this] { Run([this] { form_.fPathButtonClick(fSSHPath); }); });
  connect(&btnMakeShortcut, &QPushButton::clicked, this,
          [this] { Run([this] { form_.btnMakeShortcutClick(); }); });
  SetKeyHandler([this](int key) { return form_.FormKeyDown(key); });
  Run([this] { form_.FormActivate(); });
}

void TConfigWindow::showEvent(QShowEvent* event) {
  TQtDialog::showEvent(event);
  fFTPPathEdit.setFocus();
}

int ShowConfig(TPlatform& platform, QWidget* owner) {
  TConfigWindow window(platform, owner);
  return window.exec();
}

}  // namespace porvan
