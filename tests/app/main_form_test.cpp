// TfmMain: every road of the main window's handlers, against a loopback server.
#include "app/main_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handler_guard.h"
#include "app/tray_hint.h"
#include "common/code_page.h"
#include "common/notice.h"
#include "platform/message_box.h"
#include "settings/run_state.h"
#include "support/main_form.h"
#include "support/request_bodies.h"

namespace porvan {
namespace {

using namespace testing::bodies;
using testing::HttpReply;
using testing::kClientIP;
using testing::kFtpProgram;
using testing::kSshProgram;
using testing::TServerAct;
using testing::TServerTurn;

std::string Hint(const std::string& domain) {
  return Utf8ToCp949("Porvan 접근통제 시스템\rLocalIP :") + kClientIP + "\rConnect URL : " + domain;
}

enum class TPress { Ftp, Ssh, Enter, ShiftEnter };

void Press(TfmMain& form, TPress press) {
  switch (press) {
    case TPress::Ftp:
      form.btnExecuteFTPClick();
      break;
    case TPress::Ssh:
      form.btnExecuteSSHClick();
      break;
    case TPress::Enter:
    case TPress::ShiftEnter:  // the key code alone decides; the view passes 13 for both
      EXPECT_TRUE(form.fUrlKeyDown(13));
      break;
  }
}

TEST(fmMainTest, StartsWithTheTitleHintAndTheClosedImage) {
  testing::TMainForm main({});
  EXPECT_EQ(main.tray.Hints, std::vector<std::string>{"Porvan\xC1\xA2\xB1\xD9\xC5\xEB\xC1\xA6"
                                                      "\xBD\xC3\xBD\xBA\xC5\xDB"});
  EXPECT_EQ(main.tray.ImageIndex, 0);
  EXPECT_FALSE(main.tray.Visible);
  EXPECT_FALSE(main.form.IsQuitting);
  ASSERT_NE(main.form.RemoteServer, nullptr);
  main.form.FormDestroy();
  EXPECT_EQ(main.form.RemoteServer, nullptr);
}

TEST(fmMainTest, AnExecutePressTakesOneRoad) {
  const std::string offline = Utf8ToCp949(
      "인터넷에 연결되어 있지 않습니다.\r\r인터넷연결 확인 후 프로그램을 다시 실행해주세요");
  const std::string blank = Utf8ToCp949("접속할 URL을 입력 하세요");
  struct {
    const char* name{};
    TPress press{};
    bool offline = false;
    std::string domain = "example.com";
    std::vector<TServerTurn> turns{};
    std::string ftpPath = kFtpProgram;
    // expected
    std::vector<std::string> boxes{};
    std::vector<std::string> bodies{};
    bool ftpOpen = false;
    bool sshOpen = false;
    std::vector<std::string> launched{};
    int focusCalls = 0;
  } const cases[] = {
      {.name = "offline FTP", .press = TPress::Ftp, .offline = true, .boxes = {offline}},
      {.name = "offline SSH", .press = TPress::Ssh, .offline = true, .boxes = {offline}},
      {.name = "offline Enter", .press = TPress::Enter, .offline = true, .boxes = {offline}},
      {.name = "empty domain",
       .press = TPress::Ftp,
       .domain = "",
       .boxes = {blank},
       .focusCalls = 1},
      {.name = "blanks only",
       .press = TPress::Ssh,
       .domain = " \t\r\n ",
       .boxes = {blank},
       .focusCalls = 1},
      {.name = "refused with the server's message",
       .press = TPress::Ftp,
       .turns = {{HttpReply("FAIL:Unknown_domain_name")}},
       .boxes = {"Unknown domain name"},
       .bodies = {kOpenFtpBody}},
      {.name = "FTP opened",
       .press = TPress::Ftp,
       .turns = {{HttpReply("SUCCESS:opened")}},
       .bodies = {kOpenFtpBody},
       .ftpOpen = true,
       .launched = {kFtpProgram}},
      {.name = "SSH opened",
       .press = TPress::Ssh,
       .turns = {{HttpReply("SUCCESS:opened")}},
       .bodies = {kOpenSshBody},
       .sshOpen = true,
       .launched = {kSshProgram}},
      {.name = "Enter opens FTP",
       .press = TPress::Enter,
       .turns = {{HttpReply("SUCCESS:opened")}},
       .bodies = {kOpenFtpBody},
       .ftpOpen = true,
       .launched = {kFtpProgram}},
      {.name = "Shift+Enter opens FTP",
       .press = TPress::ShiftEnter,
       .turns = {{HttpReply("SUCCESS:opened")}},
       .bodies = {kOpenFtpBody},
       .ftpOpen = true,
       .launched = {kFtpProgram}},
      {.name = "opened, but the client program is missing",
       .press = TPress::Ftp,
       .turns = {{HttpReply("SUCCESS:opened")}},
       .ftpPath = "C:\\gone.exe",
       .boxes = {Utf8ToCp949(
           "설정된 경로에 FTP 프로그램이 존재하지 않습니다.\r\r프로그램 지정 후 실행해주세요")},
       .bodies = {kOpenFtpBody},
       .ftpOpen = true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TMainForm main(c.turns);
    SysVar->IsOffline = c.offline;
    SysVar->FTPPath = c.ftpPath;
    main.fUrl.Value = c.domain;
    Press(main.form, c.press);

    EXPECT_EQ(main.BoxTexts(), c.boxes);
    EXPECT_EQ(main.session.Bodies(), c.bodies);
    EXPECT_EQ(main.session.Fake.Launcher.Opened, c.launched);
    EXPECT_EQ(main.fUrl.Focused, c.focusCalls);
    EXPECT_EQ(SysVar->IsFTPOpen, c.ftpOpen ? 1 : 0);
    EXPECT_EQ(SysVar->IsSSHOpen, c.sshOpen ? 1 : 0);
    EXPECT_EQ(main.imgFTPOpen.Visible, c.ftpOpen);
    EXPECT_EQ(main.imgFTPClose.Visible, !c.ftpOpen);
    EXPECT_EQ(main.imgSSHOpen.Visible, c.sshOpen);
    EXPECT_EQ(main.imgSSHClose.Visible, !c.sshOpen);
    const bool opened = c.ftpOpen || c.sshOpen;
    EXPECT_EQ(main.fUrl.ReadOnly, opened);
    EXPECT_EQ(main.tray.ImageIndex, opened ? 1 : 0);
    EXPECT_EQ(main.tray.Hints.back(), opened ? Hint(c.domain) : main.tray.Hints.front());
    EXPECT_EQ(SysVar->ConnectedDomain, opened ? c.domain : "");
  }
}

TEST(fmMainTest, BlanksAroundTheDomainAreKeptButBlanksAloneAreRefused) {
  testing::TMainForm main({{HttpReply("SUCCESS:opened")}});
  main.fUrl.Value = " example.com\t";
  main.form.btnExecuteSSHClick();
  EXPECT_EQ(main.session.Bodies(),
            std::vector<std::string>{"mode=open_request&protocol=SSH&query=%20example.com%09&"});
  EXPECT_EQ(SysVar->ConnectedDomain, " example.com\t");
  EXPECT_EQ(main.tray.Hints.back(), Hint(" example.com\t"));
}

TEST(fmMainTest, ASecondPressSendsNothingAndLaunchesAgain) {
  testing::TMainForm main({{HttpReply("SUCCESS:opened")}});
  main.fUrl.Value = "example.com";
  main.form.btnExecuteFTPClick();
  main.form.FormActivate();  // a message box or dialog closed: the tray image goes back to 0
  main.form.btnExecuteFTPClick();
  EXPECT_EQ(main.session.Bodies(), std::vector<std::string>{kOpenFtpBody});
  EXPECT_EQ(main.session.Fake.Launcher.Opened,
            (std::vector<std::string>{kFtpProgram, kFtpProgram}));
  EXPECT_EQ(main.tray.Hints.size(), 2u);
  EXPECT_EQ(main.tray.ImageIndex, 0);
  EXPECT_TRUE(main.imgFTPOpen.Visible);
  EXPECT_FALSE(main.imgFTPClose.Visible);
}

TEST(fmMainTest, SshAfterFtpAsksForTheLockedDomain) {
  testing::TMainForm main({{HttpReply("SUCCESS:opened")}, {HttpReply("SUCCESS:opened")}});
  main.fUrl.Value = "example.com";
  main.form.btnExecuteFTPClick();
  main.form.btnExecuteSSHClick();
  EXPECT_EQ(main.session.Bodies(), (std::vector<std::string>{kOpenFtpBody, kOpenSshBody}));
  EXPECT_EQ(main.tray.Hints, (std::vector<std::string>{main.tray.Hints.front(), Hint("example.com"),
                                                       Hint("example.com")}));
  EXPECT_TRUE(main.imgFTPOpen.Visible && main.imgSSHOpen.Visible);
  EXPECT_FALSE(main.imgFTPClose.Visible || main.imgSSHClose.Visible);
  EXPECT_EQ(main.session.Fake.Launcher.Opened,
            (std::vector<std::string>{kFtpProgram, kSshProgram}));
}

TEST(fmMainTest, ARefusalLeavesTheOtherProtocolAsItWas) {
  testing::TMainForm main({{HttpReply("SUCCESS:opened")}, {HttpReply("FAIL:No_SSH_here")}});
  main.fUrl.Value = "example.com";
  main.form.btnExecuteFTPClick();
  main.form.btnExecuteSSHClick();
  EXPECT_EQ(main.BoxTexts(), std::vector<std::string>{"No SSH here"});
  EXPECT_EQ(SysVar->IsSSHOpen, 0);
  EXPECT_TRUE(main.imgSSHClose.Visible);
  EXPECT_FALSE(main.imgSSHOpen.Visible);
  EXPECT_EQ(main.tray.ImageIndex, 1);
  EXPECT_EQ(main.tray.Hints.size(), 2u);
}

TEST(fmMainTest, ClosingAsksOnlyWhenAccessIsOpenAndClosesFtpFirst) {
  const std::string question = Utf8ToCp949(
      "포반가 종료되면 사용중인 FTP와 SSH 프로그램의 접속도      \r\r"
      "자동으로 끊어지며, 작업중이던 자료를 잃게 됩니다        \r\r"
      "반드시 작업을 완료하신 후에 포반를 종료하셔야 합니다    \r\r"
      "포반를 종료 하시겠습니까 ?");
  struct {
    const char* name{};
    bool ftpOpen = false;
    bool sshOpen = false;
    bool quit = false;  // WMAppQuit instead of the close button
    int answer = 0;
    bool asked = false;
    std::vector<std::string> closeBodies{};
    TCloseAction action{};
  } const cases[] = {
      {.name = "nothing open", .action = TCloseAction::Hide},
      {.name = "nothing open, quit", .quit = true, .action = TCloseAction::Hide},
      {.name = "FTP open, No",
       .ftpOpen = true,
       .answer = mb::kIdNo,
       .asked = true,
       .action = TCloseAction::None},
      {.name = "FTP open, Yes",
       .ftpOpen = true,
       .answer = mb::kIdYes,
       .asked = true,
       .closeBodies = {kCloseFtpBody},
       .action = TCloseAction::Free},
      {.name = "SSH open, Yes",
       .sshOpen = true,
       .answer = mb::kIdYes,
       .asked = true,
       .closeBodies = {kCloseSshBody},
       .action = TCloseAction::Free},
      {.name = "both open, Yes",
       .ftpOpen = true,
       .sshOpen = true,
       .answer = mb::kIdYes,
       .asked = true,
       .closeBodies = {kCloseFtpBody, kCloseSshBody},
       .action = TCloseAction::Free},
      {.name = "both open, quit",
       .ftpOpen = true,
       .sshOpen = true,
       .quit = true,
       .closeBodies = {kCloseFtpBody, kCloseSshBody},
       .action = TCloseAction::Free},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<TServerTurn> turns;
    for (std::size_t i = 0; i < c.closeBodies.size(); ++i) {
      // A failed close request stops nothing: the last one is left unanswered.
      turns.push_back({HttpReply("SUCCESS:closed"), TServerAct::Answer});
    }
    if (!turns.empty()) {
      turns.back() = {"", TServerAct::CloseUnanswered};
    }
    testing::TMainForm main(turns);
    SysVar->IsFTPOpen = c.ftpOpen ? 1 : 0;
    SysVar->IsSSHOpen = c.sshOpen ? 1 : 0;
    main.fUrl.Value = "example.com";
    main.session.Fake.Messages.Answers = {c.answer};
    c.quit ? main.form.WMAppQuit() : main.form.btnCloseClick();

    EXPECT_EQ(main.closeAction, c.action);
    EXPECT_EQ(main.session.Bodies(), c.closeBodies);
    ASSERT_EQ(main.session.Fake.Messages.Shown.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      const testing::TShownBox& box = main.session.Fake.Messages.Shown[0];
      EXPECT_EQ(box.Text, question);
      EXPECT_EQ(box.Caption,
                "Porvan \xC1\xA2\xB1\xD9\xC5\xEB\xC1\xA6 \xBD\xC3\xBD\xBA\xC5\xDB"
                "\xC1\xBE\xB7\xE1 \xC8\xAE\xC0\xCE");
      EXPECT_EQ(box.Flags, 0x44u);
    }
    EXPECT_EQ(main.form.IsQuitting, c.quit);
    EXPECT_EQ(SysVar->IsFTPOpen, c.ftpOpen ? 1 : 0);  // the end changes no state
  }
}

TEST(fmMainTest, AConnectionThatCouldNotBeMadeIsReportedAgainOnEachPress) {
  const std::string settingsWithoutServer =
      "[config]\r\nFTPPath=" + kFtpProgram + "\r\nSSHPath=" + kSshProgram + "\r\n";
  for (const TPress press : {TPress::Ftp, TPress::Ssh, TPress::Enter}) {
    SCOPED_TRACE(static_cast<int>(press));
    testing::TMainForm main({});
    // The settings name no server and cannot be written, so FormCreate fails as the window
    // is made.
    testing::TFakePlatform& fake = main.session.Fake;
    fake.Files.Files[fake.SettingsPath()] = settingsWithoutServer;
    fake.Files.FailWrites = true;
    SysVar->ServerURL.clear();
    main.form.RemoteServer.reset();
    EXPECT_FALSE(RunHandler(fake.Messages, [&] { main.form.FormCreate(); }));
    ASSERT_EQ(main.form.RemoteServer, nullptr);

    main.fUrl.Value = "example.com";
    EXPECT_FALSE(RunHandler(fake.Messages, [&] { Press(main.form, press); }));
    ASSERT_EQ(fake.Messages.Shown.size(), 2u);
    const std::string report = "Unable to write to " + fake.SettingsPath();
    for (const testing::TShownBox& box : fake.Messages.Shown) {
      EXPECT_EQ(box.Text, report);
      EXPECT_EQ(box.Flags, mb::kOk | mb::kIconError);
    }
    EXPECT_EQ(SysVar->IsFTPOpen + SysVar->IsSSHOpen, 0);
    EXPECT_FALSE(main.fUrl.ReadOnly);
    EXPECT_TRUE(fake.Launcher.Opened.empty());
  }
}

// A typed domain that tries to carry fields of its own opens and closes only what it names: the
// close at exit stays a close.
TEST(fmMainTest, ATypedDomainStaysOneValueInTheOpenAndTheClose) {
  struct {
    const char* name;
    TPress press;
    std::string domain;
    std::string open;
    std::string close;
  } const cases[] = {
      {.name = "FTP button asking for SSH",
       .press = TPress::Ftp,
       .domain = "example.com&protocol=SSH",
       .open = "mode=open_request&protocol=FTP&query=example.com%26protocol%3DSSH&",
       .close = "mode=close_request&protocol=FTP&query=example.com%26protocol%3DSSH&"},
      {.name = "close turned into an open",
       .press = TPress::Ssh,
       .domain = "x&mode=open_request&query=example.com",
       .open = "mode=open_request&protocol=SSH&query=x%26mode%3Dopen_request%26query%3Dexample."
               "com&",
       .close = "mode=close_request&protocol=SSH&query=x%26mode%3Dopen_request%26query%3Dexample."
                "com&"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TMainForm main({{HttpReply("SUCCESS:opened")}, {HttpReply("SUCCESS:closed")}});
    main.fUrl.Value = c.domain;
    Press(main.form, c.press);
    main.form.WMAppQuit();
    EXPECT_EQ(main.session.Bodies(), (std::vector<std::string>{c.open, c.close}));
  }
}

TEST(fmMainTest, QuitFromTheTrayRestoresTheWindowThenClosesWithoutAsking) {
  testing::TMainForm main({{HttpReply("SUCCESS:opened")}, {HttpReply("SUCCESS:closed")}});
  main.fUrl.Value = "example.com";
  main.form.btnExecuteFTPClick();
  main.window.Minimize();
  main.form.ApplicationMinimize();
  EXPECT_FALSE(main.window.Visible);
  EXPECT_TRUE(main.tray.Visible);

  main.form.WMAppQuit();
  EXPECT_EQ(main.window.Calls, (std::vector<std::string>{"Minimize", "Hide", "Restore", "Close"}));
  EXPECT_EQ(main.session.Bodies(), (std::vector<std::string>{kOpenFtpBody, kCloseFtpBody}));
  EXPECT_EQ(main.closeAction, TCloseAction::Free);
  EXPECT_TRUE(main.session.Fake.Messages.Shown.empty());
}

TEST(fmMainTest, MinimiseGoesIntoTheTrayOnlyWhereTheDesktopHasOne) {
  struct {
    const char* name;
    bool hasTray;
    bool windowVisible;
    bool trayVisible;
  } const cases[] = {
      {.name = "tray: the window hides behind the icon",
       .hasTray = true,
       .windowVisible = false,
       .trayVisible = true},
      {.name = "no tray: the window stays on the taskbar",
       .hasTray = false,
       .windowVisible = true,
       .trayVisible = false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TMainForm main({});
    main.tray.HasTray = c.hasTray;
    main.window.Minimize();
    main.form.ApplicationMinimize();
    EXPECT_EQ(main.window.Visible, c.windowVisible);
    EXPECT_EQ(main.tray.Visible, c.trayVisible);
    main.form.TrayIconDblClick();
    EXPECT_FALSE(main.window.Minimized);
  }
}

TEST(fmMainTest, EveryStartLeavesAReachableWindowThatIsNeverMaximised) {
  struct {
    const char* name;
    TWindowState requested;
    TWindowState start;
  } const cases[] = {
      {"hidden: in the tray", TWindowState::Hidden, TWindowState::Minimized},
      {"minimised: in the tray", TWindowState::Minimized, TWindowState::Minimized},
      {"maximised: normal", TWindowState::Maximized, TWindowState::Normal},
      {"normal", TWindowState::Normal, TWindowState::Normal},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TfmMain::StartState(c.requested), c.start);
  }
}

TEST(fmMainTest, TheTrayDoubleClickRestoresOnlyAMinimisedProgram) {
  testing::TMainForm main({});
  main.form.TrayIconDblClick();
  EXPECT_TRUE(main.window.Calls.empty());
  main.window.Minimized = true;
  main.form.TrayIconDblClick();
  EXPECT_EQ(main.window.Calls, std::vector<std::string>{"Restore"});
}

TEST(fmMainTest, ActivationFocusesTheDomainAndShowsTheClosedTrayImage) {
  testing::TMainForm main({});
  main.tray.ImageIndex = 1;
  main.form.FormActivate();
  EXPECT_EQ(main.fUrl.Focused, 1);
  EXPECT_EQ(main.tray.ImageIndex, 0);
  EXPECT_TRUE(main.tray.Visible);
  EXPECT_FALSE(main.form.fUrlKeyDown(65));  // other keys are the edit box's
  EXPECT_TRUE(main.session.Bodies().empty());
}

TEST(fmMainTest, SettingsAndAboutGoThroughTheWindowHost) {
  testing::TMainForm main({});
  main.form.btnConfigClick();
  main.form.btnAboutClick();
  EXPECT_EQ(main.window.Calls, (std::vector<std::string>{"ShowDialog 2", "ShowDialog 3"}));
}

TEST(TrayHintTest, IsCutAt127BytesAndNeverInsideACharacter) {
  const std::string ga = "\xB0\xA1";  // one two-byte character
  struct {
    const char* name{};
    std::string hint{};
    std::string cut{};
  } const cases[] = {
      {.name = "short", .hint = "abc", .cut = "abc"},
      {.name = "127 bytes", .hint = std::string(127, 'a'), .cut = std::string(127, 'a')},
      {.name = "128 bytes", .hint = std::string(128, 'a'), .cut = std::string(127, 'a')},
      {.name = "a character across the limit",
       .hint = std::string(126, 'a') + ga + "b",
       .cut = std::string(126, 'a')},
      {.name = "a character ending at the limit",
       .hint = std::string(125, 'a') + ga + "b",
       .cut = std::string(125, 'a') + ga},
      {.name = "a trail byte that looks like ASCII",
       .hint = std::string(124, 'a') + "\x81\x41" + ga,
       .cut = std::string(124, 'a') + "\x81\x41"},
      {.name = "a lone lead byte at the end", .hint = "ab\xB0", .cut = "ab\xB0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CutTrayHint(c.hint), c.cut);
  }
}

TEST(fmMainTest, ALongDomainGivesTheCutHint) {
  testing::TMainForm main({{HttpReply("SUCCESS:opened")}});
  main.fUrl.Value = std::string(120, 'x') + ".com";
  main.form.btnExecuteFTPClick();
  EXPECT_EQ(main.tray.Hints.back(), Hint(main.fUrl.Value).substr(0, kTrayHintLimit));
  EXPECT_EQ(SysVar->ConnectedDomain, main.fUrl.Value);  // only the hint is cut
}

}  // namespace
}  // namespace porvan
