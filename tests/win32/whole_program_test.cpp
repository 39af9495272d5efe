// Porvan.exe as its users start it from a shortcut: the start-up requests in order, the client
// program started, the tray, and access closed again on WM_APP_QUIT, at the end of the session,
// or at the next start after the program was killed.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "support/loopback_server.h"
#include "support/request_bodies.h"
#include "support/server_session.h"
#include "win32/wide_text.h"
#include "win32/wine_support.h"
#include "win32/x_screen.h"

namespace porvan {
namespace {

using namespace testing::bodies;
using testing::HttpReply;

// The requests of a shortcut start for the domain, as it must appear in the form.
std::vector<std::string> ExpectedBodies(const std::string& formDomain) {
  return {kClientIPBody, kVersionBody, "mode=open_request&protocol=FTP&query=" + formDomain + "&",
          "mode=close_request&protocol=FTP&query=" + formDomain + "&"};
}

const std::vector<std::string> kExpectedBodies = {kClientIPBody, kVersionBody, kOpenFtpBody,
                                                  kCloseFtpBody};

const testing::TServerTurn kIP{HttpReply("198.51.100.4")};
const testing::TServerTurn kCurrent{HttpReply("OK")};
const testing::TServerTurn kOpened{HttpReply("SUCCESS:Access_opened:FTP:example.com")};
const testing::TServerTurn kClosed{HttpReply("SUCCESS:Access_closed:FTP:example.com")};

std::string BodyOf(const std::string& request) {
  const std::size_t headEnd = request.find("\r\n\r\n");
  return headEnd == std::string::npos ? request : request.substr(headEnd + 4);
}

// A copy of Porvan.exe in a folder of its own, its settings pointing at a loopback server and
// its FTP program at a stand-in that records that it ran.
struct TShortcutStart {
  testing::TLoopbackServer server;
  testing::TTempFolder folder{L"porvan-whole"};
  std::wstring exe = folder.Path() + L"Porvan.exe";
  std::wstring client = folder.Path() + L"record_run.exe";
  HWND window = nullptr;
  std::wstring domain = L"example.com";  // as the domain field shows it
  std::vector<std::string> expected = kExpectedBodies;

  explicit TShortcutStart(std::vector<testing::TServerTurn> turns = {kIP, kCurrent, kOpened,
                                                                     kClosed})
      : server(std::move(turns)) {
    const std::wstring built = testing::TestExecutableFolder() + L"..\\";
    CopyFileW((built + L"Porvan.exe").c_str(), exe.c_str(), FALSE);
    CopyFileW((built + L"record_run.exe").c_str(), client.c_str(), FALSE);
    testing::WriteWholeFile(folder.Path() + L"Porvan.ini", "[config]\r\nFTPPath=" + Narrow(client) +
                                                               "\r\nSSHPath=x.exe\r\nServerURL=" +
                                                               server.Url("/porvan.php") + "\r\n");
  }

  std::vector<std::string> Bodies() const {
    std::vector<std::string> bodies;
    for (const std::string& request : server.Requests()) {
      bodies.push_back(BodyOf(request));
    }
    return bodies;
  }

  // Waits until the server has had `count` requests in all.
  void WaitForRequests(std::size_t count) const {
    for (int waited = 0; waited < 20000 && server.Requests().size() < count; waited += 50) {
      Sleep(50);
    }
    ASSERT_EQ(server.Requests().size(), count);
  }

  // Whether the client program has run, waiting for it up to 20 s.
  bool ClientRan() const {
    for (int waited = 0; waited < 20000 && !testing::FileExists(client + L".ran"); waited += 50) {
      Sleep(50);
    }
    return testing::FileExists(client + L".ran");
  }

  // Waits until the program has opened access and started the client program.
  void WaitUntilOpen() {
    window = testing::WaitForWindow(L"TfmMain", nullptr, 20000);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ClientRan());
    EXPECT_EQ(Bodies(), std::vector<std::string>(expected.begin(), expected.end() - 1));
    // Minimised from the shortcut: into the tray, no window and no taskbar button.
    EXPECT_FALSE(IsWindowVisible(window));
    HWND edit = FindWindowExW(window, nullptr, L"EDIT", nullptr);
    wchar_t shown[64] = {};
    // Sent, not GetWindowText: that does not ask a control of another process.
    SendMessageW(edit, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown), domain);
  }
};

TEST(WholeProgramTest, AShortcutStartOpensAccessAndQuitClosesIt) {
  TShortcutStart start;
  testing::TProcess porvan(start.exe, L"Example.COM FTP true", start.folder.Path());
  ASSERT_TRUE(porvan.Started());
  start.WaitUntilOpen();
  PostMessageW(start.window, 0x8083, 0, 0);  // WM_APP_QUIT, as the installer sends it
  EXPECT_EQ(porvan.WaitForExit(20000), 0u);
  EXPECT_EQ(start.Bodies(), kExpectedBodies);
}

TEST(WholeProgramTest, TheEndOfTheSessionClosesAccessWithoutAQuestion) {
  TShortcutStart start;
  testing::TProcess porvan(start.exe, L"Example.COM FTP true", start.folder.Path());
  ASSERT_TRUE(porvan.Started());
  start.WaitUntilOpen();
  EXPECT_NE(SendMessageW(start.window, WM_QUERYENDSESSION, 0, 0), 0);
  SendMessageW(start.window, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(porvan.WaitForExit(20000), 0u);
  EXPECT_EQ(start.Bodies(), kExpectedBodies);
}

// A shortcut whose domain tries to turn the close at exit into an open: both requests carry it
// as one escaped value, so the close stays a close.
TEST(WholeProgramTest, AShortcutDomainCannotAddFormFields) {
  TShortcutStart start;
  start.domain = L"x&mode=open_request&query=example.com";
  start.expected = ExpectedBodies("x%26mode%3Dopen_request%26query%3Dexample.com");
  testing::TProcess porvan(start.exe, start.domain + L" FTP true", start.folder.Path());
  ASSERT_TRUE(porvan.Started());
  start.WaitUntilOpen();
  PostMessageW(start.window, 0x8083, 0, 0);
  EXPECT_EQ(porvan.WaitForExit(20000), 0u);
  EXPECT_EQ(start.Bodies(), start.expected);
}

// A start without arguments: waits until the start-up sequence has sent `requests` in all, then
// ends the program as the installer would.
void StartAndQuit(TShortcutStart& start, std::size_t requests) {
  testing::TProcess porvan(start.exe, L"", start.folder.Path());
  ASSERT_TRUE(porvan.Started());
  HWND window = testing::WaitForWindowOf(porvan.Id(), L"TfmMain", 20000);
  ASSERT_NE(window, nullptr);
  start.WaitForRequests(requests);
  PostMessageW(window, 0x8083, 0, 0);
  EXPECT_EQ(porvan.WaitForExit(20000), 0u);
}

TEST(WholeProgramTest, AccessOfAKilledProgramIsClosedAtTheNextStartOnly) {
  TShortcutStart start({kIP, kCurrent, kOpened, kIP, kClosed, kCurrent, kIP, kCurrent});
  {
    testing::TProcess porvan(start.exe, L"Example.COM FTP true", start.folder.Path());
    ASSERT_TRUE(porvan.Started());
    start.WaitUntilOpen();
    EXPECT_TRUE(testing::FileExists(start.folder.Path() + L"Porvan.journal"));
    porvan.Kill();
  }
  StartAndQuit(start, 6);
  EXPECT_EQ(start.Bodies(), (std::vector<std::string>{kClientIPBody, kVersionBody, kOpenFtpBody,
                                                      kClientIPBody, kCloseFtpBody, kVersionBody}));
  EXPECT_FALSE(testing::FileExists(start.folder.Path() + L"Porvan.journal"));
  StartAndQuit(start, 8);
  EXPECT_EQ(start.Bodies(),
            (std::vector<std::string>{kClientIPBody, kVersionBody, kOpenFtpBody, kClientIPBody,
                                      kCloseFtpBody, kVersionBody, kClientIPBody, kVersionBody}));
}

// Whether the window answers a message within `ms`, as Windows asks before it calls a window
// "Not Responding".
bool AnswersWithin(HWND window, UINT ms) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, ms, &result) != 0;
}

// How many of the pixels along the edges of `place` are the splash's blue frame, in percent;
// `pixel` gives the colour at a point of the screen.
int FrameShare(const RECT& place, const std::function<COLORREF(int, int)>& pixel) {
  const COLORREF frame = RGB(0, 128, 255);
  int blue = 0;
  for (int x = place.left; x < place.right; ++x) {
    blue += pixel(x, place.top) == frame;
    blue += pixel(x, place.bottom - 1) == frame;
  }
  for (int y = place.top; y < place.bottom; ++y) {
    blue += pixel(place.left, y) == frame;
    blue += pixel(place.right - 1, y) == frame;
  }
  const int edge = 2 * ((place.right - place.left) + (place.bottom - place.top));
  return edge > 0 ? blue * 100 / edge : 0;
}

// The splash's frame in Wine's capture of the screen.
int FramePixelsOnScreen(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP capture = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, capture);
  BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  const int share = FrameShare(
      place, [&](int x, int y) { return GetPixel(memory, x - place.left, y - place.top); });
  SelectObject(memory, previous);
  DeleteObject(capture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return share;
}

// The splash's frame on the X display itself, as its user sees it, looked at until it is there
// or `ms` have passed: Wine copies what a window painted to X a little later.
int FramePixelsOnXScreen(HWND window, DWORD ms) {
  RECT place{};
  GetWindowRect(window, &place);
  testing::TXScreen screen;
  int share = 0;
  for (DWORD waited = 0; share <= 90 && waited <= ms; waited += 100) {
    if (screen.Read(testing::XScreenFile())) {
      share = FrameShare(place, [&](int x, int y) { return screen.Pixel(x, y); });
    }
    if (share <= 90) {
      Sleep(100);
    }
  }
  return share;
}

// A server that holds every reply for seconds: the splash and the main window answer and paint
// meanwhile, presses during the open send nothing, and WM_APP_QUIT waits until the open is done,
// then closes access. 200 ms is the bound for answering; an idle pump answers in a few
// milliseconds even on a loaded two-core machine.
TEST(WholeProgramTest, AWindowWaitingForASlowServerAnswersPaintsAndTakesNoSecondPress) {
  constexpr auto kHeld = std::chrono::milliseconds(3000);
  TShortcutStart start({{.Reply = kIP.Reply, .Hold = kHeld},
                        {.Reply = kCurrent.Reply, .Hold = kHeld},
                        {.Reply = kOpened.Reply, .Hold = kHeld},
                        kClosed});
  testing::TProcess porvan(start.exe, L"example.com FTP false", start.folder.Path());
  ASSERT_TRUE(porvan.Started());
  HWND splash = testing::WaitForWindowOf(porvan.Id(), L"TfmInit", 20000);
  HWND window = testing::WaitForWindowOf(porvan.Id(), L"TfmMain", 20000);
  ASSERT_NE(splash, nullptr);
  ASSERT_NE(window, nullptr);
  start.WaitForRequests(1);
  Sleep(500);  // the splash has painted its text since the check went out
  // Looked at before anything is sent to the program, which would wake it up to paint.
  EXPECT_GT(FramePixelsOnScreen(splash), 90);
  ASSERT_FALSE(testing::XScreenFile().empty())
      << "PORVAN_SCREEN_FILE names the X display's screen file; ./dev test sets it";
  EXPECT_GT(FramePixelsOnXScreen(splash, 2000), 90);
  EXPECT_TRUE(AnswersWithin(splash, 200));
  EXPECT_TRUE(AnswersWithin(window, 200));

  start.WaitForRequests(3);
  EXPECT_TRUE(AnswersWithin(window, 200));
  HWND ftp = testing::ChildWithText(window, Utf8ToCp949("FTP 실행"));
  HWND edit = FindWindowExW(window, nullptr, L"EDIT", nullptr);
  ASSERT_NE(ftp, nullptr);
  ASSERT_NE(edit, nullptr);
  const LPARAM at = MAKELPARAM(5, 5);
  PostMessageW(ftp, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(ftp, WM_LBUTTONUP, 0, at);
  PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageW(window, 0x8083, 0, 0);  // WM_APP_QUIT
  EXPECT_TRUE(AnswersWithin(window, 200));
  EXPECT_EQ(porvan.WaitForExit(20000), 0u);
  EXPECT_TRUE(start.ClientRan());
  EXPECT_EQ(start.Bodies(), kExpectedBodies);
}

TEST(WholeProgramTest, ASecondInstanceLeavesTheFirstOnesAccessOpen) {
  TShortcutStart start({kIP, kCurrent, kOpened, kIP, kCurrent, kClosed});
  testing::TProcess first(start.exe, L"Example.COM FTP true", start.folder.Path());
  ASSERT_TRUE(first.Started());
  start.WaitUntilOpen();
  StartAndQuit(start, 5);
  EXPECT_EQ(start.Bodies(), (std::vector<std::string>{kClientIPBody, kVersionBody, kOpenFtpBody,
                                                      kClientIPBody, kVersionBody}));
  EXPECT_TRUE(testing::FileExists(start.folder.Path() + L"Porvan.journal"));
  PostMessageW(start.window, 0x8083, 0, 0);
  EXPECT_EQ(first.WaitForExit(20000), 0u);
  EXPECT_EQ(start.Bodies().back(), kCloseFtpBody);
  EXPECT_FALSE(testing::FileExists(start.folder.Path() + L"Porvan.journal"));
}

}  // namespace
}  // namespace porvan
