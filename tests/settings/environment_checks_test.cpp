// TSysVar's connection check, version check and client launch against a loopback server.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/notice.h"
#include "settings/run_state.h"
#include "support/request_bodies.h"
#include "support/server_session.h"

namespace porvan {
namespace {

using namespace testing::bodies;
using testing::HttpReply;
using testing::kFtpProgram;
using testing::TServerAct;
using testing::TServerSession;

TEST(CheckConnectionTest, SetsOfflineAndClientIPFromThePlatformThenTheServer) {
  struct {
    const char* name{};
    bool platformOffline = false;
    bool offlineBefore = false;
    std::vector<testing::TServerTurn> turns{};
    bool offline = false;
    std::string clientIP{};
    std::size_t requests{};
  } const cases[] = {
      {.name = "online with an IP",
       .turns = {{HttpReply("203.0.113.7")}},
       .offline = false,
       .clientIP = "203.0.113.7",
       .requests = 1},
      {.name = "the platform's offline answer asks nobody",
       .platformOffline = true,
       .turns = {{HttpReply("203.0.113.7")}},
       .offline = true,
       .clientIP = "",
       .requests = 0},
      {.name = "offline from before stays offline without a request",
       .offlineBefore = true,
       .turns = {{HttpReply("203.0.113.7")}},
       .offline = true,
       .clientIP = "",
       .requests = 0},
      {.name = "an empty reply means offline",
       .turns = {{HttpReply("")}},
       .offline = true,
       .clientIP = "",
       .requests = 1},
      {.name = "no reply means offline",
       .turns = {{"", TServerAct::CloseUnanswered}},
       .offline = true,
       .clientIP = "",
       .requests = 1},
      {.name = "the reply is taken as it comes",
       .turns = {{HttpReply(" 203.0.113.9\r\n")}},
       .offline = false,
       .clientIP = " 203.0.113.9\r\n",
       .requests = 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TServerSession session(c.turns);
    session.Fake.Network.Offline = c.platformOffline;
    SysVar->IsOffline = c.offlineBefore;
    SysVar->CheckConnection();
    EXPECT_EQ(SysVar->IsOffline, c.offline);
    EXPECT_EQ(SysVar->ClientIP, c.clientIP);
    EXPECT_EQ(session.Fake.Network.Questions, 1);
    const std::vector<std::string> bodies = session.Bodies();
    ASSERT_EQ(bodies.size(), c.requests);
    if (c.requests > 0) {
      EXPECT_EQ(bodies[0], kClientIPBody);
    }
  }
}

TEST(IsLatestVersionTest, GivesTheThreeOutcomesOfTheCheck) {
  struct {
    const char* name{};
    // The reply's parts, not a TServerTurn: GCC 12 misjudges a nested string in a case table.
    std::string reply{};
    TServerAct act = TServerAct::Answer;
    TVersionCheck result{};
    std::string updateURL{};
  } const cases[] = {
      {.name = "current",
       .reply = HttpReply("OK"),
       .result = TVersionCheck::Current,
       .updateURL = "kept"},
      {.name = "a newer installer",
       .reply = HttpReply("NEW|http://127.0.0.1/setup.exe"),
       .result = TVersionCheck::UpdateAvailable,
       .updateURL = "http://127.0.0.1/setup.exe"},
      {.name = "a reply without an installer",
       .reply = HttpReply("ERROR"),
       .result = TVersionCheck::NoAnswer,
       .updateURL = "kept"},
      {.name = "no reply",
       .act = TServerAct::CloseUnanswered,
       .result = TVersionCheck::NoAnswer,
       .updateURL = "kept"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TServerSession session({{c.reply, c.act}});
    SysVar->UpdateURL = "kept";
    SysVar->IsOffline = true;  // the check asks the server all the same
    EXPECT_EQ(SysVar->IsLatestVersion(), c.result);
    EXPECT_EQ(SysVar->UpdateURL, c.updateURL);
    EXPECT_EQ(session.Bodies(), std::vector<std::string>{kVersionBody});
  }
}

TEST(ExecuteClientTest, StartsTheProgramOrShowsWhyNot) {
  const std::string ftpNotSet =
      "FTP \xC7\xC1\xB7\xCE\xB1\xD7\xB7\xA5\xC0\xCC \xC1\xF6\xC1\xA4\xB5\xC7\xBE\xEE "
      "\xC0\xD6\xC1\xF6 \xBE\xCA\xBD\xC0\xB4\xCF\xB4\xD9.\r\r\xC7\xC1\xB7\xCE\xB1\xD7\xB7\xA5 "
      "\xC1\xF6\xC1\xA4 \xC8\xC4 \xBD\xC7\xC7\xE0\xC7\xD8\xC1\xD6\xBC\xBC\xBF\xE4";
  struct {
    const char* name{};
    bool ssh = false;
    std::string path{};
    std::string notice{};  // UTF-8; empty: the program is started
    std::string korean{};  // UTF-8 of a CP949 `path` to a file there; the path the shell gets
  } const cases[] = {
      {.name = "FTP started", .path = kFtpProgram},
      {.name = "Korean CP949 path started by its own name",
       .path = Utf8ToCp949("C:\\테스트\\ftp.exe"),
       .korean = "C:\\테스트\\ftp.exe"},
      {.name = "SSH started", .ssh = true, .path = testing::kSshProgram},
      {.name = "FTP path empty",
       .path = "",
       .notice = "FTP 프로그램이 지정되어 있지 않습니다.\r\r프로그램 지정 후 실행해주세요"},
      {.name = "SSH path empty",
       .ssh = true,
       .path = "",
       .notice = "SSH 프로그램이 지정되어 있지 않습니다.\r\r프로그램 지정 후 실행해주세요"},
      {.name = "FTP default path, no such file",
       .path = ".\\FileZilla\\filezilla.exe",
       .notice =
           "설정된 경로에 FTP 프로그램이 존재하지 않습니다.\r\r프로그램 지정 후 실행해주세요"},
      {.name = "SSH path of blanks is not empty",
       .ssh = true,
       .path = "   ",
       .notice =
           "설정된 경로에 SSH 프로그램이 존재하지 않습니다.\r\r프로그램 지정 후 실행해주세요"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TServerSession session({});
    if (!c.korean.empty()) {
      session.Fake.Files.Files[c.korean] = "MZ";
    }
    (c.ssh ? SysVar->SSHPath : SysVar->FTPPath) = c.path;
    c.ssh ? SysVar->ExecuteSSH() : SysVar->ExecuteFTP();
    if (c.notice.empty()) {
      EXPECT_TRUE(session.Fake.Messages.Shown.empty());
      EXPECT_EQ(session.Fake.Launcher.Opened,
                std::vector<std::string>{c.korean.empty() ? c.path : c.korean});
    } else {
      ASSERT_EQ(session.Fake.Messages.Shown.size(), 1u);
      EXPECT_EQ(session.Fake.Messages.Shown[0].Text, Utf8ToCp949(c.notice));
      EXPECT_EQ(session.Fake.Messages.Shown[0].Caption, Utf8ToCp949(kApplicationTitle));
      EXPECT_EQ(session.Fake.Messages.Shown[0].Flags, 0u);
      EXPECT_TRUE(session.Fake.Launcher.Opened.empty());
    }
  }
  EXPECT_EQ(Utf8ToCp949(cases[3].notice), ftpNotSet);
}

}  // namespace
}  // namespace porvan
