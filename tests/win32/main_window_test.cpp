// The real main window: its make-up, typing and pressing into it, closing it, and WM_APP_QUIT
// from another process, against loopback servers.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/notice.h"
#include "settings/run_state.h"
#include "support/request_bodies.h"
#include "support/server_session.h"
#include "win32/init_window.h"
#include "win32/main_window.h"
#include "win32/view/dpi.h"
#include "win32/wide_text.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using namespace testing::bodies;
using testing::HttpReply;
using testing::TServerTurn;

const TServerTurn kCurrentVersion{HttpReply("OK")};

std::wstring Caption(const char* utf8) {
  return Wide(Utf8ToCp949(utf8));
}

HWND Child(HWND parent, const wchar_t* className, const std::wstring& caption) {
  return FindWindowExW(parent, nullptr, className, caption.c_str());
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// Lets the window handle what is queued for it, as the program's loop would.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      continue;  // the test has no outer loop to hand it to
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The main window of this test process, created and shown as the entry does.
struct TShownMainWindow {
  explicit TShownMainWindow(std::vector<TServerTurn> turns, int showCommand = SW_SHOWNORMAL)
      : session(std::move(turns)) {
    EXPECT_TRUE(window.Create());
    window.Show(showCommand);
    Pump();  // the start-up: the splash's connection check, the client IP, the version check
    edit = FindWindowExW(window.Handle(), nullptr, L"EDIT", nullptr);
  }

  testing::TServerSession session;
  // The splash is the real one, so the start-up asks the server as the program does.
  TMainWindow window{session.Fake.Platform, TDialogTable{{TDialogKind::Init, [this](HWND owner) {
                                                            return ShowInit(session.Fake.Platform,
                                                                            owner);
                                                          }}}};
  HWND edit = nullptr;
};

TEST(MainWindowTest, IsMadeAsDesigned) {
  TShownMainWindow main({{HttpReply("198.51.100.4")}, kCurrentVersion});
  HWND window = FindWindowW(L"TfmMain", Wide(Utf8ToCp949(kApplicationTitle)).c_str());
  ASSERT_EQ(window, main.window.Handle());
  const TDpi dpi = DpiOfWindow(window);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, dpi.Scale(426));
  EXPECT_EQ(client.bottom, dpi.Scale(144));
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_SYSMENU),
            WS_MINIMIZEBOX | WS_SYSMENU);

  struct {
    const char* caption;
    const wchar_t* className;
    TPlace place;
    bool visible;
  } const controls[] = {
      {"설정", L"BUTTON", {277, 107, 51, 24}, true},
      {"종료", L"BUTTON", {351, 107, 52, 24}, true},
      {"FTP 실행", L"BUTTON", {18, 96, 114, 35}, true},
      {"SSH 실행", L"BUTTON", {145, 96, 114, 35}, true},
      {"?", L"BUTTON", {404, 4, 17, 22}, true},
      {"접속주소(URL) :", L"STATIC", {13, 18, 78, 19}, true},
      {"Your IP Addr. :", L"STATIC", {13, 53, 78, 16}, true},
      {"198.51.100.4", L"STATIC", {107, 54, 135, 14}, true},
      {"연결상태", L"STATIC", {272, 15, 139, 78}, true},
      {"FTP Closed", L"STATIC", {286, 36, 111, 24}, true},
      {"FTP Opened", L"STATIC", {286, 36, 111, 24}, false},
      {"SSH Closed", L"STATIC", {286, 64, 111, 24}, true},
      {"SSH Opened", L"STATIC", {286, 64, 111, 24}, false},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.caption);
    HWND control = Child(window, c.className, Caption(c.caption));
    ASSERT_NE(control, nullptr);
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    const RECT expected = ScaledRect(c.place, dpi);
    EXPECT_TRUE(EqualRect(&place, &expected) != FALSE);
    EXPECT_EQ(IsWindowVisible(control) != FALSE, c.visible);
  }

  // The tab order: settings, exit, FTP, SSH, the domain field, "?".
  std::vector<HWND> order = {Child(window, L"BUTTON", Caption("설정"))};
  for (int step = 0; step < 6; ++step) {
    order.push_back(GetNextDlgTabItem(window, order.back(), FALSE));
  }
  EXPECT_EQ(order, (std::vector<HWND>{Child(window, L"BUTTON", Caption("설정")),
                                      Child(window, L"BUTTON", Caption("종료")),
                                      Child(window, L"BUTTON", Caption("FTP 실행")),
                                      Child(window, L"BUTTON", Caption("SSH 실행")), main.edit,
                                      Child(window, L"BUTTON", L"?"),
                                      Child(window, L"BUTTON", Caption("설정"))}));

  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(main.edit, WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(std::wstring(font.lfFaceName), L"Tahoma");
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -dpi.Scale(13));
  HWND clientIP = Child(window, L"STATIC", L"198.51.100.4");
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(clientIP, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfUnderline, TRUE);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(main.session.Bodies(), (std::vector<std::string>{kClientIPBody, kVersionBody}));
}

// Whether the window has its icon in the tray: only a known icon can be modified.
bool HasTrayIcon(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = 1;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

TEST(MainWindowTest, EveryShowCommandOfALauncherLeavesTheProgramReachable) {
  struct {
    const char* name;
    int command;
    bool inTray;
  } const cases[] = {
      {"hidden", SW_HIDE, true},
      {"run minimised (a shortcut's choice)", SW_SHOWMINNOACTIVE, true},
      {"minimised", SW_SHOWMINIMIZED, true},
      {"maximised", SW_SHOWMAXIMIZED, false},
      {"normal", SW_SHOWNORMAL, false},
      {"default", SW_SHOWDEFAULT, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TShownMainWindow main({{HttpReply("198.51.100.4")}, kCurrentVersion}, c.command);
    HWND window = main.window.Handle();
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_EQ(IsWindowVisible(window) == FALSE, c.inTray);
    if (c.inTray) {
      EXPECT_TRUE(HasTrayIcon(window));
      // A double click on the tray icon brings the window back.
      SendMessageW(window, WM_APP + 1, 1, WM_LBUTTONDBLCLK);
      Pump();
      EXPECT_TRUE(IsWindowVisible(window));
      EXPECT_FALSE(IsIconic(window));
    }
  }
}

TEST(MainWindowTest, EveryLetterEntersTheDomainFieldInLowerCase) {
  TShownMainWindow main({{HttpReply("198.51.100.4")}, kCurrentVersion});
  for (wchar_t c : std::wstring(L"Ex\u00C4")) {  // typed, a capital A with umlaut too
    SendMessageW(main.edit, WM_CHAR, c, 0);
  }
  EXPECT_EQ(TextOf(main.edit), L"ex\u00E4");

  ASSERT_TRUE(OpenClipboard(main.window.Handle()));
  EmptyClipboard();
  const std::wstring pasted = L"AMPLE.COM";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  SendMessageW(main.edit, WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(main.edit), L"ex\u00E4ample.com");

  SendMessageW(main.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Set.By.PROGRAM"));
  EXPECT_EQ(TextOf(main.edit), L"set.by.program");
}

TEST(MainWindowTest, EnterAndTheButtonsOpenAccessAndTheCloseAsksFirst) {
  TShownMainWindow main({{HttpReply("198.51.100.4")},
                         kCurrentVersion,
                         {HttpReply("SUCCESS:opened")},
                         {HttpReply("SUCCESS:opened")},
                         {HttpReply("SUCCESS:closed")},
                         {HttpReply("SUCCESS:closed")}});
  HWND window = main.window.Handle();
  SendMessageW(main.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"example.com"));
  SendMessageW(main.edit, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(IsWindowVisible(Child(window, L"STATIC", L"FTP Opened")));
  EXPECT_FALSE(IsWindowVisible(Child(window, L"STATIC", L"FTP Closed")));
  EXPECT_NE(GetWindowLongW(main.edit, GWL_STYLE) & ES_READONLY, 0);
  EXPECT_EQ(main.session.Fake.Launcher.Opened, std::vector<std::string>{testing::kFtpProgram});

  SendMessageW(Child(window, L"BUTTON", Caption("SSH 실행")), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindowVisible(Child(window, L"STATIC", L"SSH Opened")));
  EXPECT_FALSE(IsWindowVisible(Child(window, L"STATIC", L"SSH Closed")));

  // No keeps the window and sends nothing; Yes closes FTP, then SSH, and ends.
  main.session.Fake.Messages.Answers = {IDNO, IDYES};
  SendMessageW(Child(window, L"BUTTON", Caption("종료")), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(main.session.Bodies().size(), 4u);
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(main.session.Bodies(),
            (std::vector<std::string>{kClientIPBody, kVersionBody, kOpenFtpBody, kOpenSshBody,
                                      kCloseFtpBody, kCloseSshBody}));
  ASSERT_EQ(main.session.Fake.Messages.Shown.size(), 2u);
  EXPECT_EQ(main.session.Fake.Messages.Shown[1].Flags,
            static_cast<unsigned>(MB_YESNO | MB_ICONINFORMATION));
}

// Porvan.exe in a folder of its own against a loopback server, FTP opened for example.com; a
// program that starts and ends without a window stands in for the FTP client.
struct TPorvanWithFtpOpen {
  TPorvanWithFtpOpen()
      : server({{HttpReply("198.51.100.4")},
                kCurrentVersion,
                {HttpReply("SUCCESS:opened")},
                {HttpReply("SUCCESS:closed")}}),
        folder(L"porvan-quit") {
    const std::wstring exe = folder.Path() + L"Porvan.exe";
    EXPECT_TRUE(CopyFileW(testing::PorvanExePath().c_str(), exe.c_str(), FALSE));
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    testing::WriteWholeFile(folder.Path() + L"Porvan.ini", "[config]\r\nFTPPath=" + Narrow(system) +
                                                               "\\rundll32.exe\r\nServerURL=" +
                                                               server.Url("/porvan.php") + "\r\n");
    porvan = std::make_unique<testing::TProcess>(exe, L"", folder.Path());
    EXPECT_TRUE(porvan->Started());
    window = testing::WaitForWindow(L"TfmMain", nullptr, 20000);
    if (window == nullptr) {
      return;
    }
    for (int waited = 0; server.Requests().size() < 2 && waited < 10000; waited += 50) {
      Sleep(50);
    }
    HWND edit = FindWindowExW(window, nullptr, L"EDIT", nullptr);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Example.COM"));
    // A press while the start-up's version check is still out is dropped, as any press while a
    // request is out: press until one is taken, which returns once its open is done.
    HWND ftp = Child(window, L"BUTTON", Caption("FTP 실행"));
    for (int waited = 0; server.Requests().size() < 3 && waited < 10000; waited += 100) {
      SendMessageW(ftp, BM_CLICK, 0, 0);
      if (server.Requests().size() < 3) {
        Sleep(100);
      }
    }
    EXPECT_TRUE(IsWindowVisible(Child(window, L"STATIC", L"FTP Opened")));
  }

  // The quit message ends the program, closing FTP access on the way.
  void QuitAndExpectTheCloseRequest() {
    PostMessageW(window, 0x8083, 0, 0);
    EXPECT_EQ(porvan->WaitForExit(20000), 0u);
    ASSERT_EQ(server.Requests().size(), 4u);
    EXPECT_NE(server.Requests()[2].find("\r\n\r\n" + kOpenFtpBody), std::string::npos);
    EXPECT_NE(server.Requests()[3].find("\r\n\r\n" + kCloseFtpBody), std::string::npos);
  }

  testing::TLoopbackServer server;
  testing::TTempFolder folder;
  std::unique_ptr<testing::TProcess> porvan;
  HWND window = nullptr;
};

TEST(MainWindowTest, QuitFromAnotherProcessClosesOpenAccessWithoutAsking) {
  TPorvanWithFtpOpen running;
  ASSERT_NE(running.window, nullptr);
  running.QuitAndExpectTheCloseRequest();
}

TEST(MainWindowTest, TheExitQuestionIsOwnedByTheMainWindowWhileAnotherProgramIsInFront) {
  TPorvanWithFtpOpen running;
  ASSERT_NE(running.window, nullptr);
  // A window of this test process stands for the other program the user works in.
  HWND other =
      CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                      100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  SetForegroundWindow(other);
  Pump();
  ASSERT_EQ(GetForegroundWindow(), other);

  // Closed from the taskbar: the question comes up while the program is not the active one.
  PostMessageW(running.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  HWND box =
      testing::WaitForWindow(L"#32770", Caption("Porvan 접근통제 시스템종료 확인").c_str(), 10000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), running.window);
  EXPECT_FALSE(IsWindowEnabled(running.window));

  // No keeps the program with its access; the main window takes input again.
  PostMessageW(box, WM_COMMAND, IDNO, 0);
  for (int waited = 0; IsWindow(box) && waited < 10000; waited += 50) {
    Sleep(50);
  }
  EXPECT_FALSE(IsWindow(box));
  EXPECT_TRUE(IsWindowEnabled(running.window));
  EXPECT_EQ(running.server.Requests().size(), 3u);
  DestroyWindow(other);
  running.QuitAndExpectTheCloseRequest();
}

}  // namespace
}  // namespace porvan
