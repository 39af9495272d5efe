// The main window's view: the real controls of TfmMain, its tray icon, its messages.
#include "win32/main_window.h"

#include "common/code_page.h"
#include "common/notice.h"
#include "win32/main_pictures.h"
#include "win32/wide_text.h"

namespace porvan {
namespace {

constexpr UINT kTrayCallback = WM_APP + 1;
const COLORREF kBackground = RGB(249, 249, 249);

const TFontSpec kGulim{L"Gulim", 12, false, false, HANGEUL_CHARSET};
const TFontSpec kGulimBold{L"Gulim", 12, true, false, HANGEUL_CHARSET};
const TFontSpec kUrlFont{L"Tahoma", 13, true};
const TFontSpec kClientIPFont{L"Tahoma", 12, true, true};
const TFontSpec kCaptionFont{L"Tahoma", 11, true};

TWindowSpec MainWindowSpec() {
  return TWindowSpec{.ClassName = L"TfmMain",
                     .Caption = Utf8ToCp949(kApplicationTitle),
                     .ClientWidth = 426,
                     .ClientHeight = 144,
                     .Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                     .Background = kBackground,
                     .Font = kGulim};
}

// A control's options from its UTF-8 caption and its place at 96 DPI.
TControlSpec Options(const char* caption, TPlace place, bool visible = true) {
  return TControlSpec{.Caption = Utf8ToCp949(caption), .Place = place, .Visible = visible};
}

std::wstring WideOf(const char* utf8) {
  return Wide(Utf8ToCp949(utf8));
}

// The state a launcher's show command asks for.
TWindowState RequestedState(int showCommand) {
  switch (showCommand) {
    case SW_HIDE:
      return TWindowState::Hidden;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
      return TWindowState::Minimized;
    case SW_SHOWMAXIMIZED:
      return TWindowState::Maximized;
    default:
      return TWindowState::Normal;
  }
}

// Whether the window that lost or gains the activation is one of this program's.
bool IsProgramWindow(HWND window) {
  DWORD process = 0;
  return window != nullptr && GetWindowThreadProcessId(window, &process) != 0 &&
         process == GetCurrentProcessId();
}

}  // namespace

TMainWindow::TMainWindow(TPlatform& platform, TDialogTable dialogs)
    : TWindow(MainWindowSpec(), platform.Messages),
      platform_(platform),
      dialogs_(std::move(dialogs)),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      btnConfig(*this, Options("설정", {277, 107, 51, 24}),
                CommandButtonFace(WideOf("설정"), TGlyph::GreenPadlock, kGulim),
                [this] { form_->btnConfigClick(); }),
      btnClose(*this, Options("종료", {351, 107, 52, 24}),
               CommandButtonFace(WideOf("종료"), TGlyph::RedCross, kGulim),
               [this] { form_->btnCloseClick(); }),
      btnExecuteFTP(*this, Options("FTP 실행", {18, 96, 114, 35}),
                    CommandButtonFace(WideOf("FTP 실행"), TGlyph::RunChevron, kGulimBold),
                    [this] { form_->btnExecuteFTPClick(); }),
      btnExecuteSSH(*this, Options("SSH 실행", {145, 96, 114, 35}),
                    CommandButtonFace(WideOf("SSH 실행"), TGlyph::RunChevron, kGulimBold),
                    [this] { form_->btnExecuteSSHClick(); }),
      fUrl(*this, TControlSpec{.Caption = {}, .Place = {99, 15, 158, 24}, .Font = &kUrlFont},
           TEditLook{.Background = RGB(242, 241, 240),
                     .Frame = RGB(181, 181, 181),
                     .HotFrame = RGB(100, 140, 200),
                     .LowerCase = true},
           [this](int key) { return form_->fUrlKeyDown(key); }),
      btnAbout(*this, Options("?", {404, 4, 17, 22}),
               FlatButtonFace(L"?", TFontSpec{L"Tahoma", 13, true}, kBackground),
               [this] { form_->btnAboutClick(); }),
      Image1(*this, Options("접속주소(URL) :", {13, 18, 78, 19}),
             CaptionPicture(WideOf("접속주소(URL) :"), kGulimBold)),
      Image2(*this, Options("Your IP Addr. :", {13, 53, 78, 16}),
             CaptionPicture(L"Your IP Addr. :", kCaptionFont)),
      fClientIP(*this,
                TControlSpec{.Caption = {}, .Place = {107, 54, 135, 14}, .Font = &kClientIPFont},
                RGB(0, 0, 0)),
      Image4(*this, Options("연결상태", {272, 15, 139, 78}), StateAreaPicture(WideOf("연결상태"))),
      imgFTPClose(*this, Options("FTP Closed", {286, 36, 111, 24}),
                  StateBarPicture(L"FTP Closed", false)),
      imgFTPOpen(*this, Options("FTP Opened", {286, 36, 111, 24}, false),
                 StateBarPicture(L"FTP Opened", true)),
      imgSSHClose(*this, Options("SSH Closed", {286, 64, 111, 24}),
                  StateBarPicture(L"SSH Closed", false)),
      imgSSHOpen(*this, Options("SSH Opened", {286, 64, 111, 24}, false),
                 StateBarPicture(L"SSH Opened", true)) {}

TMainWindow::~TMainWindow() {
  // The form's controls go before the window; the window must not reach them while it goes.
  if (Handle() != nullptr) {
    DestroyWindow(Handle());
  }
}

void TMainWindow::OnCreated() {
  const int trayIcon = GetSystemMetrics(SM_CXSMICON);
  ImageList1 = {TrayTile(0, trayIcon), TrayTile(1, trayIcon)};
  bigIcon_ = TrayTile(0, GetSystemMetrics(SM_CXICON));
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ImageList1[0].get()));
  TrayIcon = std::make_unique<TTrayIcon>(
      Handle(), kTrayCallback, std::vector<HICON>{ImageList1[0].get(), ImageList1[1].get()});
  host_ = std::make_unique<TWindowHost>(Handle(), dialogs_);
  form_ = std::make_unique<TfmMain>(
      platform_, TfmMainControls{fUrl, fClientIP, imgFTPOpen, imgFTPClose, imgSSHOpen, imgSSHClose,
                                 *TrayIcon, *host_});
  form_->FormCreate();
}

void TMainWindow::Show(int showCommand) {
  Run([this] { form_->FormShow(); });
  // Minimised, the window goes into the tray through WM_SIZE, as the user's own minimise does.
  // Windows puts the launcher's command in place of SW_SHOW or SW_SHOWNORMAL on a program's
  // first show; these two commands it leaves alone.
  const bool inTray = TfmMain::StartState(RequestedState(showCommand)) == TWindowState::Minimized;
  ShowWindow(Handle(), inTray ? SW_SHOWMINNOACTIVE : SW_RESTORE);
  UpdateWindow(Handle());
}

void TMainWindow::OnActivate(WPARAM wParam, LPARAM lParam) {
  const auto other = reinterpret_cast<HWND>(lParam);
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    lastFocus_ = IsChild(Handle(), focus) ? focus : nullptr;
    // Only a window of this program takes the activation away; another program's does not.
    activeInProgram_ = activeInProgram_ && !IsProgramWindow(other);
    return;
  }
  if (lastFocus_ != nullptr) {
    SetFocus(lastFocus_);
  }
  if (!activeInProgram_) {
    activeInProgram_ = true;
    form_->FormActivate();
  }
}

void TMainWindow::OnClose() {
  TCloseAction action = TCloseAction::Hide;
  if (Run([&] { form_->FormClose(action); }) && action != TCloseAction::None) {
    DestroyWindow(Handle());
  }
}

bool TMainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (form_ == nullptr) {
    return false;
  }
  result = 0;
  if (message == taskbarCreated_) {
    TrayIcon->AddAgain();
    return true;
  }
  switch (message) {
    case WM_ACTIVATE:
      // The default handling gives the focus to the window itself; the form's goes after it.
      result = DefWindowProcW(Handle(), message, wParam, lParam);
      OnActivate(wParam, lParam);
      return true;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) {
        form_->ApplicationMinimize();
      }
      return false;
    case kTrayCallback:
      if (LOWORD(lParam) == WM_LBUTTONDBLCLK) {
        form_->TrayIconDblClick();
      }
      return true;
    case WM_APP_STARTUP:
      form_->WMAppStartup();
      return true;
    case WM_APP_QUIT:
      form_->WMAppQuit();
      return true;
    case WM_ENDSESSION:
      // The session really ends: close open access now, nobody is there to answer a question.
      if (wParam != FALSE) {
        form_->WMEndSession();
      }
      return true;
    case WM_CLOSE:
      OnClose();
      return true;
    case WM_DESTROY:
      form_->FormDestroy();
      TrayIcon->SetVisible(false);
      PostQuitMessage(0);
      return true;
    default:
      return false;
  }
}

}  // namespace porvan
