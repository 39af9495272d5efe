// TfmMain and the access journal: each open request recorded before it is sent and removed when
// it fails or its close succeeds; the start closes what ended instances left open.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/access_journal_format.h"
#include "app/handler_guard.h"
#include "app/leftover_access.h"
#include "app/splash_form.h"
#include "common/code_page.h"
#include "platform/message_box.h"
#include "support/fake_dialog_controls.h"
#include "support/main_form.h"
#include "support/request_bodies.h"

namespace porvan {
namespace {

using namespace testing::bodies;
using testing::HttpReply;
using testing::TServerAct;
using testing::TServerTurn;

const std::string kJournal = "C:\\Porvan\\Porvan.journal";
const std::string kSelf = "100-5000";
const TServerTurn kOpened{HttpReply("SUCCESS:Access_opened:a:b")};
const TServerTurn kClosed{HttpReply("SUCCESS:Access_closed:a:b")};

enum class TAct { Ftp, Ssh, CloseYes, Quit };

struct TRoadCase {
  const char* name;
  std::vector<TServerTurn> turns;
  std::vector<TAct> acts;
  bool journalUnwritable = false;
  // expected
  std::vector<std::string> bodies;
  std::vector<std::string> protocols;  // of the records left, in order
  std::vector<std::string> boxes;
};

TEST(fmMainJournalTest, EachRequestKeepsTheJournalTrue) {
  const std::string writeError = "Unable to write to " + kJournal;
  const TRoadCase cases[] = {
      {.name = "an opened protocol stays recorded",
       .turns = {kOpened},
       .acts = {TAct::Ftp},
       .bodies = {kOpenFtpBody},
       .protocols = {"FTP"}},
      {.name = "a refused open leaves no record",
       .turns = {{HttpReply("FAIL:Unknown_domain")}},
       .acts = {TAct::Ftp},
       .bodies = {kOpenFtpBody},
       .boxes = {"Unknown domain"}},
      {.name = "an open without reply leaves no record",
       .turns = {{"", TServerAct::CloseUnanswered}},
       .acts = {TAct::Ssh},
       .bodies = {kOpenSshBody},
       .boxes = {""}},
      {.name = "closes that succeed leave nothing",
       .turns = {kOpened, kOpened, kClosed, kClosed},
       .acts = {TAct::Ftp, TAct::Ssh, TAct::CloseYes},
       .bodies = {kOpenFtpBody, kOpenSshBody, kCloseFtpBody, kCloseSshBody}},
      {.name = "a close the server refuses stays recorded for the next start",
       .turns = {kOpened, kOpened, {HttpReply("FAIL:busy")}, kClosed},
       .acts = {TAct::Ftp, TAct::Ssh, TAct::Quit},
       .bodies = {kOpenFtpBody, kOpenSshBody, kCloseFtpBody, kCloseSshBody},
       .protocols = {"FTP"}},
      {.name = "a close without reply stays recorded",
       .turns = {kOpened, {"", TServerAct::CloseUnanswered}},
       .acts = {TAct::Ssh, TAct::Quit},
       .bodies = {kOpenSshBody, kCloseSshBody},
       .protocols = {"SSH"}},
      {.name = "an open that cannot be recorded is not sent",
       .acts = {TAct::Ftp},
       .journalUnwritable = true,
       .boxes = {writeError}},
  };
  for (const TRoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TMainForm main(c.turns);
    main.session.Fake.Instances.HeldElsewhere = c.journalUnwritable;
    main.fUrl.Value = "example.com";
    for (TAct act : c.acts) {
      switch (act) {
        case TAct::Ftp:
          main.form.btnExecuteFTPClick();
          break;
        case TAct::Ssh:
          main.form.btnExecuteSSHClick();
          break;
        case TAct::CloseYes:
          main.session.Fake.Messages.Answers.push_back(mb::kIdYes);
          main.form.btnCloseClick();
          break;
        case TAct::Quit:
          main.form.WMAppQuit();
          break;
      }
    }
    EXPECT_EQ(main.session.Bodies(), c.bodies);
    std::vector<std::string> boxes;
    for (const testing::TShownBox& box : main.session.Fake.Messages.Shown) {
      if ((box.Flags & mb::kYesNo) == 0) {  // the exit question is not what this test is about
        boxes.push_back(box.Text);
      }
    }
    EXPECT_EQ(boxes, c.boxes);
    std::vector<std::string> protocols;
    const auto bytes = main.session.Fake.Files.LoadFile(kJournal);
    for (const TJournalRecord& record : ParseJournal(bytes.value_or("")).Records) {
      EXPECT_EQ(record.Domain, "example.com");
      EXPECT_EQ(record.Instance, kSelf);
      protocols.push_back(record.Protocol);
    }
    EXPECT_EQ(protocols, c.protocols);
    EXPECT_EQ(bytes.has_value(), !c.protocols.empty());
  }
}

struct TStartCase {
  const char* name;
  bool networkDown = false;
  std::vector<TServerTurn> turns;
  std::vector<std::string> bodies;
  bool recordLeft = false;
  bool leftoverHint = false;
};

// The splash the start shows, run on fakes: its connection check decides whether it is online.
struct TSplash {
  explicit TSplash(testing::TMainForm& main) {
    main.window.DialogActions[TDialogKind::Init] = [this] {
      TfmInit init({label, host});
      init.WMAppStartup();
      return host.Results.back();
    };
  }
  TSplash(const TSplash&) = delete;
  TSplash& operator=(const TSplash&) = delete;

  testing::FakeLabel label;
  testing::FakeDialogHost host;
};

TEST(fmMainJournalTest, AnOnlineStartClosesLeftoversBeforeTheVersionCheck) {
  const std::string askIP = "mode=get_client_ip";
  const std::string askVersion = "mode=check_version&version=1.5.0.0";
  const TStartCase cases[] = {
      {.name = "online: closed after the client IP, before the version check",
       .turns = {{HttpReply("198.51.100.4")}, kClosed, {HttpReply("OK")}},
       .bodies = {askIP, kCloseFtpBody, askVersion},
       .leftoverHint = true},
      {.name = "online, the close unanswered: removed all the same",
       .turns = {{HttpReply("198.51.100.4")}, {"", TServerAct::CloseUnanswered}, {HttpReply("OK")}},
       .bodies = {askIP, kCloseFtpBody, askVersion},
       .leftoverHint = true},
      {.name = "no client IP: offline, the record waits for the next start",
       .turns = {{HttpReply("")}, {HttpReply("OK")}},
       .bodies = {askIP, askVersion},
       .recordLeft = true},
      {.name = "network down: the record waits",
       .networkDown = true,
       .turns = {{HttpReply("OK")}},
       .bodies = {askVersion},
       .recordLeft = true},
  };
  for (const TStartCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TMainForm main(c.turns);
    main.session.Fake.Network.Offline = c.networkDown;
    const std::string journal = FormatJournal({{"FTP", "example.com", "100-4000", 1765280000}});
    main.session.Fake.Files.Files[kJournal] = journal;
    TSplash splash(main);
    main.form.WMAppStartup();

    EXPECT_EQ(main.session.Bodies(), c.bodies);
    EXPECT_EQ(main.session.Fake.Files.LoadFile(kJournal),
              c.recordLeft ? std::optional<std::string>(journal) : std::nullopt);
    EXPECT_EQ(main.tray.Hints.back(),
              c.leftoverHint ? LeftoverAccessHint() : main.tray.Hints.front());
    EXPECT_TRUE(main.session.Fake.Messages.Shown.empty());
  }
  EXPECT_EQ(LeftoverAccessHint(),
            Utf8ToCp949("Porvan접근통제시스템\r지난 실행에서 열린 접근을 닫았습니다"));
}

// The window was made without a server connection (no server URL, and the settings could not be
// written then); by the start the settings name the server. The leftover is closed through a
// connection made then, as every request makes one, not through the missing one.
TEST(fmMainJournalTest, LeftoversAreClosedWhenTheConnectionCouldNotBeMadeWithTheWindow) {
  testing::TMainForm main({{HttpReply("198.51.100.4")}, kClosed, {HttpReply("OK")}});
  testing::TFakePlatform& fake = main.session.Fake;
  const std::string url = SysVar->ServerURL;
  fake.Files.Files[fake.SettingsPath()] = "[config]\r\nFTPPath=a.exe\r\n";
  fake.Files.FailWrites = true;
  SysVar->ServerURL.clear();
  main.form.RemoteServer.reset();
  EXPECT_FALSE(RunHandler(fake.Messages, [&] { main.form.FormCreate(); }));
  ASSERT_EQ(main.form.RemoteServer, nullptr);
  fake.Messages.Shown.clear();

  fake.Files.FailWrites = false;
  fake.Files.Files[fake.SettingsPath()] = "[config]\r\nFTPPath=a.exe\r\nServerURL=" + url + "\r\n";
  fake.Files.Files[kJournal] = FormatJournal({{"FTP", "example.com", "100-4000", 1765280000}});
  TSplash splash(main);
  EXPECT_TRUE(RunHandler(fake.Messages, [&] { main.form.WMAppStartup(); }));

  EXPECT_EQ(main.session.Bodies(),
            (std::vector<std::string>{"mode=get_client_ip", kCloseFtpBody,
                                      "mode=check_version&version=1.5.0.0"}));
  EXPECT_EQ(fake.Files.LoadFile(kJournal), std::nullopt);
  EXPECT_EQ(main.tray.Hints.back(), LeftoverAccessHint());
  EXPECT_TRUE(fake.Messages.Shown.empty());
}

}  // namespace
}  // namespace porvan
