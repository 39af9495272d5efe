// The about box's view: TfmAbout's controls in their places, its keys and clicks to the logic.
#include "win32/about_window.h"

#include "common/code_page.h"
#include "win32/dialog_parts.h"
#include "win32/view/visual_styles.h"

namespace porvan {
namespace {

const TFontSpec kBoldFont{L"Gulim", 12, true, false, HANGEUL_CHARSET};
// 8 points, sans-serif, underlined.
const TFontSpec kLinkFont{L"Tahoma", 11, false, true};
const COLORREF kText = RGB(0, 0, 0);

TWindowSpec AboutWindowSpec() {
  // A caption without any title-bar button: no system menu, so no close box either.
  return TWindowSpec{.ClassName = L"TfmAbout",
                     .Caption = Utf8ToCp949("Porvan 접근통제 시스템에 대하여"),
                     .ClientWidth = 410,
                     .ClientHeight = 296,
                     .Style = WS_POPUP | WS_CAPTION,
                     .ExStyle = WS_EX_DLGMODALFRAME,
                     .Background = GetSysColor(COLOR_BTNFACE),
                     .Font = kDialogFont};
}

// The sunken horizontal line of a bevel: a shadow line over a highlight line.
void PaintBevelLine(HDC dc, const RECT& rect, TDpi /*dpi*/) {
  RECT shadow{rect.left, rect.top, rect.right, rect.top + 1};
  RECT light{rect.left, rect.top + 1, rect.right, rect.top + 2};
  FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
  FillRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
}

}  // namespace

TAboutWindow::TAboutWindow(TPlatform& platform)
    : TModalDialog(AboutWindowSpec(), platform.Messages),
      btnClose(*this, DialogSpec("닫기", {148, 257, 93, 25}), [this] { form_->btnCloseClick(); }),
      Memo1(*this, DialogSpec("", {12, 140, 383, 89}), GetSysColor(COLOR_BTNFACE),
            [this](int key) { return form_->FormKeyDown(key); }),
      Label1(*this, DialogSpec("Porvan 란 ?", {10, 12, 200, 12}, &kBoldFont), kText),
      Label2(*this,
             DialogSpec("Porvan는 서버 접근통제 시스템 입니다.\r\r사용자는 포반 클라이언트를 "
                        "통해 인증을 받아야만 접속이 가능합니다.",
                        {12, 36, 380, 44}),
             kText),
      lblWebAddress(
          *this,
          TControlSpec{.Caption = kWebAddress, .Place = {10, 86, 150, 13}, .Font = &kLinkFont},
          [this] { form_->lblWebAddressClick(); }),
      Label3(*this, DialogSpec("Client Version :", {10, 114, 90, 12}), kText),
      lblVersionInfo(*this, DialogSpec("", {103, 114, 120, 12}), kText),
      Bevel1(*this, DialogSpec("", {13, 243, 381, 2}), PaintBevelLine),
      form_(std::make_unique<TfmAbout>(
          platform, TfmAboutControls{lblVersionInfo, lblWebAddress, Memo1, host_})) {}

void TAboutWindow::OnCreated() {
  form_->FormActivate();
  SetFocus(btnClose.Handle());
}

bool TAboutWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // With the focus on the button, the dialog keys turn Escape into IDCANCEL before any key
  // message; it reaches the form as the key it was.
  if (IsEscapeCommand(message, wParam, lParam)) {
    Run([this] { form_->FormKeyDown(VK_ESCAPE); });
    return true;
  }
  return TModalDialog::OnMessage(message, wParam, lParam, result);
}

int ShowAbout(TPlatform& platform, HWND owner) {
  // Its push button and memo are the system's own: themed, unlike the main window's.
  const TVisualStyles styles;
  TAboutWindow window(platform);
  return window.ShowModal(owner);
}

}  // namespace porvan
