// The start-up sequence: splash, client IP, version check with the update alert, shortcut open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handler_guard.h"
#include "app/splash_form.h"
#include "common/code_page.h"
#include "support/fake_dialog_controls.h"
#include "support/main_form.h"
#include "support/request_bodies.h"

namespace porvan {
namespace {

using namespace testing::bodies;
using testing::HttpReply;
using testing::TServerAct;
using testing::TServerTurn;

const std::string kIP = "198.51.100.4";
const TServerTurn kNoServer{"", TServerAct::CloseUnanswered};

std::string Offline() {
  return Utf8ToCp949("인터넷에 연결되어 있지 않습니다.");
}

struct TStartCase {
  const char* name;
  bool networkDown = false;
  std::vector<TServerTurn> turns;
  std::string domain;  // the shortcut's arguments
  std::string clientType;
  bool minimized = false;
  int alertResult = 0;
  // What the sequence did.
  std::vector<std::string> bodies;
  std::vector<std::string> calls;
  std::string clientIP;
  std::string field;
  std::vector<std::string> launched;
  std::string lastBox;  // "" when no box was shown
};

const std::vector<std::string> kSplashOnly = {"ProcessMessages", "ShowDialog 0"};
const std::vector<std::string> kSplashAlert = {"ProcessMessages", "ShowDialog 0", "ShowDialog 1"};

TEST(StartUpSequenceTest, TakesEachRoad) {
  const std::string offlineNotice = Utf8ToCp949(
      "인터넷에 연결되어 있지 않습니다.\r\r인터넷연결 확인 후 프로그램을 다시 실행해주세요");
  const TStartCase cases[] = {
      {.name = "online, current, no shortcut",
       .turns = {{HttpReply(kIP)}, {HttpReply("OK")}},
       .bodies = {kClientIPBody, kVersionBody},
       .calls = kSplashOnly,
       .clientIP = kIP},
      {.name = "shortcut FTP minimised",
       .turns = {{HttpReply(kIP)}, {HttpReply("OK")}, {HttpReply("SUCCESS:Access_opened:a:b")}},
       .domain = "example.com",
       .clientType = "FTP",
       .minimized = true,
       .bodies = {kClientIPBody, kVersionBody, kOpenFtpBody},
       .calls = {"ProcessMessages", "ShowDialog 0", "Minimize", "ProcessMessages"},
       .clientIP = kIP,
       .field = "example.com",
       .launched = {testing::kFtpProgram}},
      {.name = "shortcut SSH",
       .turns = {{HttpReply(kIP)}, {HttpReply("OK")}, {HttpReply("SUCCESS:Access_opened:a:b")}},
       .domain = "example.com",
       .clientType = "SSH",
       .bodies = {kClientIPBody, kVersionBody, kOpenSshBody},
       .calls = kSplashOnly,
       .clientIP = kIP,
       .field = "example.com",
       .launched = {testing::kSshProgram}},
      {.name = "client type in lower case opens nothing",
       .turns = {{HttpReply(kIP)}, {HttpReply("OK")}},
       .domain = "example.com",
       .clientType = "ftp",
       .bodies = {kClientIPBody, kVersionBody},
       .calls = kSplashOnly,
       .clientIP = kIP,
       .field = "example.com"},
      {.name = "empty client type opens nothing",
       .turns = {{HttpReply(kIP)}, {HttpReply("OK")}},
       .domain = "example.com",
       .bodies = {kClientIPBody, kVersionBody},
       .calls = kSplashOnly,
       .clientIP = kIP,
       .field = "example.com"},
      {.name = "empty domain with true: not minimised, nothing filled",
       .turns = {{HttpReply(kIP)}, {HttpReply("OK")}},
       .clientType = "FTP",
       .minimized = true,
       .bodies = {kClientIPBody, kVersionBody},
       .calls = kSplashOnly,
       .clientIP = kIP},
      {.name = "network down: offline text, the open meets the offline notice",
       .networkDown = true,
       .turns = {kNoServer},
       .domain = "example.com",
       .clientType = "FTP",
       .bodies = {kVersionBody},
       .calls = kSplashOnly,
       .clientIP = Offline(),
       .field = "example.com",
       .lastBox = offlineNotice},
      {.name = "no client IP from the server is offline too",
       .turns = {{HttpReply("")}, {HttpReply("OK")}},
       .bodies = {kClientIPBody, kVersionBody},
       .calls = kSplashOnly,
       .clientIP = Offline()},
      {.name = "update skipped (1): the shortcut still opens",
       .turns = {{HttpReply(kIP)},
                 {HttpReply("NEW|http://127.0.0.1/setup.exe")},
                 {HttpReply("SUCCESS:Access_opened:a:b")}},
       .domain = "example.com",
       .clientType = "FTP",
       .alertResult = 1,
       .bodies = {kClientIPBody, kVersionBody, kOpenFtpBody},
       .calls = kSplashAlert,
       .clientIP = kIP,
       .field = "example.com",
       .launched = {testing::kFtpProgram}},
      {.name = "alert closed by the platform (2): goes on",
       .turns = {{HttpReply(kIP)}, {HttpReply("NEW|setup.exe")}},
       .domain = "example.com",
       .clientType = "xyz",
       .alertResult = 2,
       .bodies = {kClientIPBody, kVersionBody},
       .calls = kSplashAlert,
       .clientIP = kIP,
       .field = "example.com"},
      {.name = "quit in the alert (3): the window closes, nothing is opened",
       .turns = {{HttpReply(kIP)}, {HttpReply("NEW|setup.exe")}},
       .domain = "example.com",
       .clientType = "FTP",
       .alertResult = 3,
       .bodies = {kClientIPBody, kVersionBody},
       .calls = {"ProcessMessages", "ShowDialog 0", "ShowDialog 1", "Close"},
       .clientIP = kIP},
      {.name = "no answer to the version check: no alert, no box, the shortcut opens",
       .turns = {{HttpReply(kIP)}, kNoServer, {HttpReply("SUCCESS:Access_opened:a:b")}},
       .domain = "example.com",
       .clientType = "FTP",
       .bodies = {kClientIPBody, kVersionBody, kOpenFtpBody},
       .calls = kSplashOnly,
       .clientIP = kIP,
       .field = "example.com",
       .launched = {testing::kFtpProgram}},
      {.name = "a version reply without installer is no answer",
       .turns = {{HttpReply(kIP)}, {HttpReply("NEW|")}},
       .bodies = {kClientIPBody, kVersionBody},
       .calls = kSplashOnly,
       .clientIP = kIP},
  };
  for (const TStartCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TMainForm main(c.turns);
    main.session.Fake.Network.Offline = c.networkDown;
    SysVar->ShortcutDomain = c.domain;
    SysVar->ShortcutClientType = c.clientType;
    SysVar->StartMinimized = c.minimized;
    testing::FakeLabel splashLabel;
    testing::FakeDialogHost splash;
    main.window.DialogActions[TDialogKind::Init] = [&] {
      TfmInit init({splashLabel, splash});
      init.WMAppStartup();
      return splash.Results.empty() ? 0 : splash.Results.back();
    };
    main.window.DialogResults[TDialogKind::UpdateAlert] = c.alertResult;

    main.form.FormShow();
    main.form.WMAppStartup();
    main.form.WMAppStartup();  // a second showing does not run the sequence again

    EXPECT_EQ(main.session.Bodies(), c.bodies);
    std::vector<std::string> calls(main.window.Calls.begin() + 1, main.window.Calls.end());
    EXPECT_EQ(main.window.Calls.front(), "PostStartup");
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(main.fClientIP.Value, c.clientIP);
    EXPECT_EQ(main.fUrl.Value, c.field);
    EXPECT_EQ(main.session.Fake.Launcher.Opened, c.launched);
    const std::vector<std::string> boxes = main.BoxTexts();
    EXPECT_EQ(boxes.empty() ? std::string() : boxes.back(), c.lastBox);
  }
}

// The shortcut's command line reaches the open request as one escaped value.
TEST(StartUpSequenceTest, AShortcutDomainCannotAskForAnotherProtocol) {
  // The splash is scripted here, so the version check is the first request.
  testing::TMainForm main({{HttpReply("OK")}, {HttpReply("SUCCESS:Access_opened:a:b")}});
  main.session.Fake.Process.Line = "\"C:\\Porvan\\Porvan.exe\" example.com&protocol=SSH FTP";
  SysVar->ReadCommandLine();
  main.window.DialogResults[TDialogKind::Init] = kInitOnline;
  main.form.WMAppStartup();
  EXPECT_EQ(
      main.session.Bodies(),
      (std::vector<std::string>{
          kVersionBody, "mode=open_request&protocol=FTP&query=example.com%26protocol%3DSSH&"}));
  EXPECT_EQ(main.session.Fake.Launcher.Opened, std::vector<std::string>{testing::kFtpProgram});
}

TEST(StartUpSequenceTest, TheUpdateUrlIsKeptForTheAlert) {
  // The splash is scripted here, so the version check is the first request.
  testing::TMainForm main({{HttpReply("NEW|http://127.0.0.1:9/s.exe|notes")}});
  main.window.DialogResults[TDialogKind::Init] = kInitOnline;
  main.form.WMAppStartup();
  EXPECT_EQ(SysVar->UpdateURL, "http://127.0.0.1:9/s.exe");
}

struct TSplashCase {
  const char* name;
  bool networkDown;
  std::vector<TServerTurn> turns;
  std::string lastText;
  int result;
};

TEST(StartUpSequenceTest, TheSplashChecksTheConnectionAndEndsWithItsResult) {
  const TSplashCase cases[] = {
      {"online",
       false,
       {{HttpReply(kIP)}},
       " \xBF\xAC\xB0\xE1 \xC3\xBC\xC5\xA9 \xBF\xCF\xB7\xE1 ",
       kInitOnline},
      {"network down", true, {}, Utf8ToCp949("인터넷에 연결되어 있지 않습니다"), kInitOffline},
      {"server gives no IP",
       false,
       {kNoServer},
       Utf8ToCp949("인터넷에 연결되어 있지 않습니다"),
       kInitOffline},
  };
  for (const TSplashCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TServerSession session(c.turns);
    session.Fake.Network.Offline = c.networkDown;
    testing::FakeLabel label;
    testing::FakeDialogHost host;
    TfmInit init({label, host});
    init.WMAppStartup();
    EXPECT_EQ(label.Value, c.lastText);
    EXPECT_EQ(host.Results, std::vector<int>{c.result});
    EXPECT_EQ(SysVar->ClientIP, c.result == kInitOnline ? kIP : "");
  }
  EXPECT_EQ(Utf8ToCp949(kInitCheckingStateText), Utf8ToCp949("포반 연결상태 체크중..."));
  EXPECT_EQ(Utf8ToCp949(kInitCheckingText), Utf8ToCp949("포반 연결 체크중...."));
}

// A check that fails with an error (no server named, and the settings cannot be written) is
// reported, and the splash still ends: it must not wait on the screen for Escape.
TEST(StartUpSequenceTest, ASplashWhoseCheckFailsEndsAsOffline) {
  testing::TServerSession session({});
  testing::TFakePlatform& fake = session.Fake;
  fake.Files.Files[fake.SettingsPath()] = "[config]\r\nFTPPath=" + testing::kFtpProgram +
                                          "\r\nSSHPath=" + testing::kSshProgram + "\r\n";
  fake.Files.FailWrites = true;
  SysVar->ServerURL.clear();
  testing::FakeLabel label;
  testing::FakeDialogHost host;
  TfmInit init({label, host});
  EXPECT_FALSE(RunHandler(fake.Messages, [&] { init.WMAppStartup(); }));
  EXPECT_EQ(host.Results, std::vector<int>{kInitOffline});
  ASSERT_EQ(fake.Messages.Shown.size(), 1u);
  EXPECT_EQ(fake.Messages.Shown[0].Text, "Unable to write to " + fake.SettingsPath());
}

TEST(StartUpSequenceTest, AWindowEndedDuringTheSplashStopsTheSequence) {
  // WM_APP_QUIT reaches the main window through the splash's own message loop.
  testing::TMainForm main({});
  SysVar->ShortcutDomain = "example.com";
  SysVar->ShortcutClientType = "FTP";
  main.window.DialogActions[TDialogKind::Init] = [&] {
    main.form.FormDestroy();
    return kInitOnline;
  };
  main.form.WMAppStartup();
  EXPECT_TRUE(main.session.Bodies().empty());
  EXPECT_EQ(main.fUrl.Value, "");
  EXPECT_TRUE(main.session.Fake.Messages.Shown.empty());
}

TEST(StartUpSequenceTest, AWindowEndedWhileMessagesAreHandledStopsTheSequence) {
  // WM_APP_QUIT handled in one of the sequence's own pumps: nothing may follow, not even the
  // offline notice the shortcut's open would meet.
  struct {
    const char* name;
    int endingPump;  // 1: before the splash, 2: after minimising for the shortcut
    std::vector<std::string> calls;
    std::vector<std::string> bodies;
  } const cases[] = {
      {"before the splash", 1, {"ProcessMessages", "Close"}, {}},
      {"after minimising",
       2,
       {"ProcessMessages", "ShowDialog 0", "Minimize", "ProcessMessages", "Restore", "Close"},
       {kVersionBody}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TMainForm main({{HttpReply("OK")}});
    main.session.Fake.Network.Offline = true;
    SysVar->ShortcutDomain = "example.com";
    SysVar->ShortcutClientType = "FTP";
    SysVar->StartMinimized = true;
    main.window.DialogResults[TDialogKind::Init] = kInitOffline;
    int pumps = 0;
    main.window.OnProcessMessages = [&] {
      if (++pumps == c.endingPump) {
        main.form.WMAppQuit();
        main.form.FormDestroy();  // nothing was open, so the window went
      }
    };
    main.window.Calls.clear();
    main.form.WMAppStartup();
    EXPECT_EQ(main.window.Calls, c.calls);
    EXPECT_EQ(main.session.Bodies(), c.bodies);
    EXPECT_EQ(main.fUrl.Value, "");
    EXPECT_TRUE(main.session.Fake.Messages.Shown.empty());
  }
}

TEST(StartUpSequenceTest, ASessionEndClosesOpenAccessWithoutAQuestion) {
  testing::TMainForm main(
      {{HttpReply("SUCCESS:Access_opened:a:b")}, {HttpReply("SUCCESS:Access_closed:a:b")}});
  main.fUrl.Value = "example.com";
  main.form.btnExecuteFTPClick();
  main.form.WMEndSession();
  EXPECT_EQ(main.session.Bodies(), (std::vector<std::string>{kOpenFtpBody, kCloseFtpBody}));
  EXPECT_EQ(main.closeAction, TCloseAction::Free);
  EXPECT_TRUE(main.session.Fake.Messages.Shown.empty());
}

}  // namespace
}  // namespace porvan
