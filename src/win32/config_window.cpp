// The settings dialog's view: TfmConfig's controls in their places, its messages to the logic.
#include "win32/config_window.h"

#include "common/code_page.h"
#include "win32/dialog_parts.h"
#include "win32/view/visual_styles.h"
#include "win32/wide_text.h"

namespace porvan {
namespace {

const TFontSpec kUrlFont{L"Tahoma", 13, true};
const COLORREF kText = RGB(0, 0, 0);
// The group box's place; the places of the controls inside it are relative to its corner.
const TPlace kGroupPlace{12, 126, 447, 209};

TWindowSpec ConfigWindowSpec() {
  return TWindowSpec{.ClassName = L"TfmConfig",
                     .Caption = Utf8ToCp949("프로그램 실행 환경 설정"),
                     .ClientWidth = 477,
                     .ClientHeight = 388,
                     .Style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                     .ExStyle = WS_EX_DLGMODALFRAME,
                     .Background = GetSysColor(COLOR_BTNFACE),
                     .Font = kDialogFont};
}

TControlSpec InGroup(const char* utf8Caption, TPlace place, const TFontSpec* font = nullptr) {
  place.Left += kGroupPlace.Left;
  place.Top += kGroupPlace.Top;
  return DialogSpec(utf8Caption, place, font);
}

// The edit box of a path leaves room for its browse button at the right end of its place.
constexpr int kBrowseWidth = 20;
TPlace PathBoxPlace(int top) {
  return {10, top, 449 - kBrowseWidth, 20};
}
TPlace BrowsePlace(int top) {
  return {10 + 449 - kBrowseWidth, top, kBrowseWidth, 20};
}

bool NoKeyTaken(int /*key*/) {
  return false;
}

}  // namespace

TConfigWindow::TConfigWindow(TPlatform& platform)
    : TModalDialog(ConfigWindowSpec(), platform.Messages),
      platform_(platform),
      Label1(*this, DialogSpec("FTP 접속 프로그램 설정", {10, 18, 200, 12}), kText),
      fFTPPath(*this, DialogSpec("", PathBoxPlace(38)), TEditLook{}, NoKeyTaken),
      fFTPPathButton(*this, DialogSpec("...", BrowsePlace(38)),
                     [this] { form_->fPathButtonClick(fFTPPath); }),
      Label2(*this, DialogSpec("SSH 접속 프로그램 설정", {10, 70, 200, 12}), kText),
      fSSHPath(*this, DialogSpec("", PathBoxPlace(90)), TEditLook{}, NoKeyTaken),
      fSSHPathButton(*this, DialogSpec("...", BrowsePlace(90)),
                     [this] { form_->fPathButtonClick(fSSHPath); }),
      btnOk(*this, DialogSpec("확 인", {134, 351, 95, 25}),
            TwoStateButtonFace(Wide(Utf8ToCp949("확 인"))), [this] { form_->btnOkClick(); }),
      btnCancel(*this, DialogSpec("취 소", {238, 351, 95, 25}),
                TwoStateButtonFace(Wide(Utf8ToCp949("취 소"))),
                [this] { form_->btnCancelClick(); }),
      groupShortcut(*this, DialogSpec(" 바로가기 ", kGroupPlace)),
      // More height than its 12-pixel lines need, so a substitute font with taller lines still
      // shows the last one.
      Label3(*this,
             InGroup("바로가기란 ?\r\r포반 실행시 도메인을 미리 입력해 두고, 포반 실행시에 "
                     "\r\r자동으로 해당 도메인의 포반를 열어주는 기능입니다",
                     {16, 24, 300, 76}),
             kText),
      Label4(*this, InGroup("바로가기 도메인 : ", {16, 112, 100, 12}), kText),
      fUrl(*this, InGroup("", {119, 105, 195, 24}, &kUrlFont), TEditLook{.LowerCase = true},
           NoKeyTaken),
      Label5(*this, InGroup("도메인 접속후 실행 프로그램 : ", {16, 140, 170, 12}), kText),
      fClientType(*this, InGroup("", {188, 136, 75, 20}), {Utf8ToCp949("실행안함"), "FTP", "SSH"},
                  1),
      Label6(*this, InGroup("바로가기 실행시 프로그램 최소화 :", {16, 168, 192, 12}), kText),
      isMinimize(*this, InGroup("", {211, 165, 16, 17})),
      btnMakeShortcut(*this, InGroup("바로가기생성", {335, 104, 91, 81}),
                      [this] { form_->btnMakeShortcutClick(); }),
      form_(std::make_unique<TfmConfig>(
          platform, TfmConfigControls{fFTPPath, fSSHPath, fUrl, fClientType, isMinimize, host_})) {}

void TConfigWindow::OnCreated() {
  // The browse buttons belong to their boxes, which are the tab stops.
  for (HWND button : {fFTPPathButton.Handle(), fSSHPathButton.Handle()}) {
    SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) & ~WS_TABSTOP);
  }
  form_->FormActivate();
  fFTPPath.SetFocus();
}

bool TConfigWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // Escape, as the dialog keys deliver it, reaches the form as the key it was.
  if (IsEscapeCommand(message, wParam, lParam)) {
    Run([this] { form_->FormKeyDown(VK_ESCAPE); });
    return true;
  }
  return TModalDialog::OnMessage(message, wParam, lParam, result);
}

int ShowConfig(TPlatform& platform, HWND owner) {
  // Its check boxes, lists and push buttons are the system's own: themed, unlike the main window's.
  const TVisualStyles styles;
  TConfigWindow window(platform);
  return window.ShowModal(owner);
}

}  // namespace porvan
