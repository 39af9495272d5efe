// The splash's view: TfmInit's one label, borderless and centred, over the main window.
#include "win32/init_window.h"

#include "common/code_page.h"
#include "common/notice.h"
#include "win32/dialog_parts.h"

namespace porvan {
namespace {

TWindowSpec InitSpec() {
  // No border and no title bar: the caption is the window text, never drawn.
  return TWindowSpec{.ClassName = L"TfmInit",
                     .Caption = Utf8ToCp949(kApplicationTitle),
                     .ClientWidth = 222,
                     .ClientHeight = 70,
                     .Style = WS_POPUP,
                     .ExStyle = 0,
                     .Background = GetSysColor(COLOR_BTNFACE),
                     .Font = kDialogFont};
}

}  // namespace

TInitWindow::TInitWindow(TPlatform& platform)
    : TModalDialog(InitSpec(), platform.Messages),
      lblMsg(*this,
             TControlSpec{.Caption = Utf8ToCp949(kInitCheckingStateText), .Place = {0, 0, 222, 70}},
             TFrameColors{.Frame = RGB(0, 128, 255),
                          .Highlight = RGB(255, 255, 255),
                          .Shadow = RGB(202, 202, 202)}),
      form_({lblMsg, host_}) {}

bool TInitWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && !activated_) {
    activated_ = true;
    Run([this] { form_.FormActivate(); });
  } else if (message == WM_APP_STARTUP) {
    Run([this] { form_.WMAppStartup(); });
    result = 0;
    return true;
  }
  return TModalDialog::OnMessage(message, wParam, lParam, result);
}

int ShowInit(TPlatform& platform, HWND owner) {
  TInitWindow window(platform);
  return window.ShowModal(owner);
}

}  // namespace porvan
