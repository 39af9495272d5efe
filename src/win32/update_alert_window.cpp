// The update alert's view: TfmUpdateAlert's controls in their places, its keys and messages.
#include "win32/update_alert_window.h"

#include "common/code_page.h"
#include "win32/dialog_parts.h"
#include "win32/update_alert_pictures.h"
#include "win32/wide_text.h"

namespace porvan {
namespace {

const TFontSpec kProgressFont{L"Gulim", 11, false, false, HANGEUL_CHARSET};

TWindowSpec UpdateAlertSpec() {
  // No system menu, so no title-bar button at all.
  return TWindowSpec{.ClassName = L"TfmUpdateAlert",
                     .Caption = Utf8ToCp949(kUpdateAlertCaption),
                     .ClientWidth = 497,
                     .ClientHeight = 145,
                     .Style = WS_POPUP | WS_CAPTION,
                     .ExStyle = WS_EX_DLGMODALFRAME,
                     .Background = GetSysColor(COLOR_BTNFACE),
                     .Font = kDialogFont};
}

TControlSpec Options(const std::string& caption, TPlace place, const TFontSpec* font = nullptr) {
  return TControlSpec{.Caption = caption, .Place = place, .Font = font};
}

TControlSpec HiddenSpec(TPlace place, const TFontSpec* font) {
  TControlSpec options = Options("", place, font);
  options.Visible = false;
  return options;
}

}  // namespace

TUpdateAlertWindow::TUpdateAlertWindow(TPlatform& platform, const std::string& updateURL)
    : TModalDialog(UpdateAlertSpec(), platform.Messages),
      Label1(*this, Options(Utf8ToCp949(kUpdateAlertLabel1), {15, 16, 265, 12}), RGB(0, 0, 0)),
      Label2(*this, Options(Utf8ToCp949(kUpdateAlertLabel2), {16, 46, 464, 12}), RGB(0, 0, 0)),
      DownloadProgress(*this, HiddenSpec({15, 75, 463, 18}, &kProgressFont)),
      BitBtn1(*this, Options(Utf8ToCp949(kUpdateAlertRunText), {45, 108, 129, 25}),
              AlertButtonFace(Wide(Utf8ToCp949(kUpdateAlertRunText)), TAlertGlyph::GreenCheck),
              [this] { Run([this] { form_.BitBtn1Click(); }); }),
      BitBtn2(*this, Options(Utf8ToCp949(kUpdateAlertQuitText), {185, 108, 129, 25}),
              AlertButtonFace(Wide(Utf8ToCp949(kUpdateAlertQuitText)), TAlertGlyph::RedCross),
              [this] { Run([this] { form_.BitBtn2Click(); }); }),
      BitBtn3(*this, Options(Utf8ToCp949(kUpdateAlertSkipText), {325, 108, 129, 25}),
              AlertButtonFace(Wide(Utf8ToCp949(kUpdateAlertSkipText)), TAlertGlyph::GreenRunner),
              [this] { Run([this] { form_.BitBtn3Click(); }); }),
      form_(platform, {DownloadProgress, host_}, updateURL) {}

void TUpdateAlertWindow::OnCreated() {
  Run([this] { form_.FormCreate(); });
  SetFocus(BitBtn1.Handle());
}

bool TUpdateAlertWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_APP_QUIT) {
    Run([this] { form_.WMAppQuit(); });
    result = 0;
    return true;
  }
  // Escape, as the dialog keys deliver it, reaches the form as the key it was.
  if (IsEscapeCommand(message, wParam, lParam)) {
    Run([this] { form_.FormKeyDown(VK_ESCAPE); });
    return true;
  }
  return TModalDialog::OnMessage(message, wParam, lParam, result);
}

int ShowUpdateAlert(TPlatform& platform, const std::string& updateURL, HWND owner) {
  TUpdateAlertWindow window(platform, updateURL);
  return window.ShowModal(owner);
}

}  // namespace porvan
