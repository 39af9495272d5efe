// TRemoteServerCon against a loopback server: the form of each request kind and the judging of
// each reply, the notice of a refused open, and the third outcome of the version check.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/code_page.h"
#include "common/notice.h"
#include "platform/message_box.h"
#include "server/remote_server_con.h"
#include "settings/run_state.h"
#include "support/fake_platform.h"
#include "support/loopback_server.h"
#include "support/request_bodies.h"

namespace porvan {
namespace {

using namespace testing::bodies;
using namespace std::chrono_literals;
using testing::TFakePlatform;
using testing::TLoopbackServer;
using testing::TServerAct;
using testing::TServerTurn;

// The body of a reply that ends when the server closes; empty for a failed exchange. A literal,
// so that the case tables hold no nested string for GCC 12 to misjudge at -O3.
struct TScript {
  const char* Body = "";
  bool Fails = false;
};

std::string BodyOf(const std::string& request) {
  const std::size_t headEnd = request.find("\r\n\r\n");
  return headEnd == std::string::npos ? std::string() : request.substr(headEnd + 4);
}

class RemoteServerConTest : public ::testing::Test {
 protected:
  ~RemoteServerConTest() override { SysVar.reset(); }

  // Starts a server answering `script` once and a connection whose ServerURL points at it.
  std::unique_ptr<TRemoteServerCon> Connect(const TScript& script) {
    const TServerTurn turn =
        script.Fails ? TServerTurn{"", TServerAct::CloseUnanswered}
                     : TServerTurn{std::string("HTTP/1.0 200 OK\r\n\r\n") + script.Body};
    server = std::make_unique<TLoopbackServer>(std::vector<TServerTurn>{turn});
    fake.Files.Files[fake.SettingsPath()] =
        "[config]\r\nServerURL=" + server->Url("/porvandaemon/communication.php") + "\r\n";
    SysVar = std::make_unique<TSysVar>(fake.Platform);
    auto con = std::make_unique<TRemoteServerCon>(fake.Platform.Sockets, fake.Platform.Messages,
                                                  fake.Waits, SysVar->GetServerURL());
    con->HttpClient.SilenceTimeLimit = 2000ms;
    return con;
  }

  std::string SentBody() const {
    EXPECT_TRUE(server->WaitUntilServed(5000ms));
    const auto requests = server->Requests();
    return requests.size() == 1 ? BodyOf(requests[0]) : "(no single request)";
  }

  std::vector<std::string> ShownTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : fake.Messages.Shown) {
      EXPECT_EQ(box.Caption, Utf8ToCp949(kApplicationTitle));
      EXPECT_EQ(box.Flags, mb::kOk);
      texts.push_back(box.Text);
    }
    return texts;
  }

  TFakePlatform fake;
  std::unique_ptr<TLoopbackServer> server;
};

TEST_F(RemoteServerConTest, JudgesAccessReplies) {
  using Call = std::function<bool(TRemoteServerCon&)>;
  const Call openFtp = [](TRemoteServerCon& c) { return c.OpenFTP("example.com"); };
  struct {
    const char* name;
    Call call;
    TScript reply;
    bool result;
    std::string message;
    std::string field3;
    std::string field4;
    std::string sent;
    std::vector<std::string> shown;
  } const cases[] = {
      {"opened",
       openFtp,
       {"SUCCESS:Access_opened:a:b"},
       true,
       "Access opened",
       "a",
       "b",
       kOpenFtpBody,
       {}},
      {"refused open shows the message",
       [](TRemoteServerCon& c) { return c.OpenSSH("example.com"); },
       {"FAIL:Not_registered"},
       false,
       "Not registered",
       "",
       "",
       kOpenSshBody,
       {"Not registered"}},
      {"refused close shows nothing",
       [](TRemoteServerCon& c) { return c.CloseFTP("example.com"); },
       {"FAIL:Not_registered"},
       false,
       "Not registered",
       "",
       "",
       kCloseFtpBody,
       {}},
      {"case-sensitive SUCCESS",
       [](TRemoteServerCon& c) { return c.CloseSSH("example.com"); },
       {"success:x:y:z"},
       false,
       "x",
       "",
       "",
       kCloseSshBody,
       {}},
      {"blanks around delimiters",
       openFtp,
       {"SUCCESS : x : y : z"},
       true,
       "x",
       "y",
       "z",
       kOpenFtpBody,
       {}},
      {"blank ends the message",
       openFtp,
       {"FAIL:Not registered"},
       false,
       "Not",
       "",
       "",
       kOpenFtpBody,
       {"Not"}},
      {"empty message", openFtp, {"SUCCESS::a:b"}, true, "", "a", "b", kOpenFtpBody, {}},
      {"trailing CR LF",
       openFtp,
       {"SUCCESS:Access_opened:a:b\r\n"},
       true,
       "Access opened",
       "a",
       "b",
       kOpenFtpBody,
       {}},
      {"SUCCESS alone", openFtp, {"SUCCESS"}, true, "", "", "", kOpenFtpBody, {}},
      {"FAIL alone", openFtp, {"FAIL"}, false, "", "", "", kOpenFtpBody, {""}},
      {"Korean message",
       openFtp,
       {"FAIL:\xB5\xEE\xB7\xCF_\xBE\xC8\xB5\xCA"},
       false,
       "\xB5\xEE\xB7\xCF \xBE\xC8\xB5\xCA",
       "",
       "",
       kOpenFtpBody,
       {"\xB5\xEE\xB7\xCF \xBE\xC8\xB5\xCA"}},
      {"failed exchange on open shows an empty box",
       openFtp,
       {"", true},
       false,
       "",
       "",
       "",
       kOpenFtpBody,
       {""}},
      {"failed exchange on close is silent",
       [](TRemoteServerCon& c) { return c.CloseSSH("example.com"); },
       {"", true},
       false,
       "",
       "",
       "",
       kCloseSshBody,
       {}},
      {"domain with a blank",
       [](TRemoteServerCon& c) { return c.OpenFTP("my domain"); },
       {"SUCCESS:x"},
       true,
       "x",
       "",
       "",
       "mode=open_request&protocol=FTP&query=my%20domain&",
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fake.Messages.Shown.clear();
    auto con = Connect(c.reply);
    EXPECT_EQ(c.call(*con), c.result);
    EXPECT_EQ(con->LastSucceeded, c.result);
    EXPECT_EQ(con->LastMessage, c.message);
    EXPECT_EQ(con->AccessField3, c.field3);
    EXPECT_EQ(con->AccessField4, c.field4);
    EXPECT_EQ(SentBody(), c.sent);
    EXPECT_EQ(ShownTexts(), c.shown);
  }
}

// A value given by a caller stays one escaped value in every request kind, whatever it holds.
TEST_F(RemoteServerConTest, NoValueAddsOrReplacesAField) {
  using Call = std::function<void(TRemoteServerCon&)>;
  struct {
    const char* name;
    Call call;
    std::string sent;
  } const cases[] = {
      {.name = "FTP open asking for SSH",
       .call = [](TRemoteServerCon& c) { c.OpenFTP("example.com&protocol=SSH"); },
       .sent = "mode=open_request&protocol=FTP&query=example.com%26protocol%3DSSH&"},
      {.name = "SSH open with its own mode",
       .call = [](TRemoteServerCon& c) { c.OpenSSH("a;mode=close_request+b"); },
       .sent = "mode=open_request&protocol=SSH&query=a%3Bmode%3Dclose_request%2Bb&"},
      {.name = "FTP close turned into an open",
       .call = [](TRemoteServerCon& c) { c.CloseFTP("x&mode=open_request&query=example.com"); },
       .sent = "mode=close_request&protocol=FTP&query=x%26mode%3Dopen_request%26query%3Dexample."
               "com&"},
      {.name = "SSH close turned into an open",
       .call = [](TRemoteServerCon& c) { c.CloseSSH("x&mode=open_request"); },
       .sent = "mode=close_request&protocol=SSH&query=x%26mode%3Dopen_request&"},
      {.name = "version with a field of its own",
       .call = [](TRemoteServerCon& c) { c.CheckVersion("9.9.9.9&version=1.5.0.0"); },
       .sent = "mode=check_version&version=9.9.9.9%26version%3D1.5.0.0"},
      {.name = "domain check passed by another domain",
       .call = [](TRemoteServerCon& c) { c.IsValidDomain("nosuch.test&domain=example.com"); },
       .sent = "mode=is_valid_domain&domain=nosuch.test%26domain%3Dexample.com"},
      {.name = "what a user types otherwise reaches the server",
       .call = [](TRemoteServerCon& c) { c.IsValidDomain("http://example.com/~a?b"); },
       .sent = "mode=is_valid_domain&domain=http://example.com/~a?b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto con = Connect({"FAIL:No"});
    c.call(*con);
    EXPECT_EQ(SentBody(), c.sent);
  }
}

TEST_F(RemoteServerConTest, AnAccessRequestClearsWhatTheLastOneLeft) {
  auto con = Connect({"FAIL:No_way"});
  con->LastSucceeded = true;
  con->AccessField3 = "old3";
  con->AccessField4 = "old4";
  con->LastMessage = "old";
  EXPECT_FALSE(con->CloseFTP("example.com"));
  EXPECT_FALSE(con->LastSucceeded);
  EXPECT_EQ(con->LastMessage, "No way");
  EXPECT_EQ(con->AccessField3 + con->AccessField4, "");
}

TEST_F(RemoteServerConTest, ChecksTheVersion) {
  struct {
    const char* name;
    TScript reply;
    TVersionCheck result;
    std::string updateUrl;
  } const cases[] = {
      {"current", {"OK"}, TVersionCheck::Current, "unchanged"},
      {"new with notes", {"NEW|setup.exe|notes"}, TVersionCheck::UpdateAvailable, "setup.exe"},
      {"new", {"NEW|setup.exe"}, TVersionCheck::UpdateAvailable, "setup.exe"},
      {"new after a blank", {"NEW| setup.exe"}, TVersionCheck::UpdateAvailable, "setup.exe"},
      {"blank ends the URL", {"NEW|my setup.exe"}, TVersionCheck::UpdateAvailable, "my"},
      {"URL keeps its colons",
       {"NEW|http://127.0.0.1:8/a_b/setup.exe"},
       TVersionCheck::UpdateAvailable,
       "http://127.0.0.1:8/a_b/setup.exe"},
      {"ok in lower case", {"ok"}, TVersionCheck::NoAnswer, "unchanged"},
      {"OK with a line break", {"OK\r\n"}, TVersionCheck::NoAnswer, "unchanged"},
      {"empty second field", {"NEW|"}, TVersionCheck::NoAnswer, "unchanged"},
      {"failed exchange", {"", true}, TVersionCheck::NoAnswer, "unchanged"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto con = Connect(c.reply);
    con->UpdateURL = "unchanged";
    EXPECT_EQ(con->CheckVersion("1.5.0.0"), c.result);
    EXPECT_EQ(con->UpdateURL, c.updateUrl);
    EXPECT_EQ(SentBody(), kVersionBody);
  }
}

TEST_F(RemoteServerConTest, ChecksTheDomain) {
  struct {
    const char* name;
    TScript reply;
    bool result;
    std::string message;
  } const cases[] = {
      {"accepted", {"OK"}, true, "before"},
      {"unknown", {"NO:Unknown_domain"}, false, "Unknown domain"},
      {"no reason", {"NO"}, false, ""},
      {"ok in lower case", {"ok"}, false, ""},
      {"failed exchange", {"", true}, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto con = Connect(c.reply);
    con->LastMessage = "before";
    EXPECT_EQ(con->IsValidDomain("example.com"), c.result);
    EXPECT_EQ(con->LastMessage, c.message);
    EXPECT_EQ(SentBody(), "mode=is_valid_domain&domain=example.com");
    EXPECT_TRUE(fake.Messages.Shown.empty());
  }
}

TEST_F(RemoteServerConTest, ReturnsTheClientAddressUnchanged) {
  auto con = Connect({"203.0.113.5\n"});
  EXPECT_EQ(con->GetClientIP(), "203.0.113.5\n");
  EXPECT_EQ(con->LastReply, "203.0.113.5\n");
  const auto requests = server->Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_NE(requests[0].find("\r\nContent-Length: 18\r\n"), std::string::npos);
  EXPECT_EQ(BodyOf(requests[0]), kClientIPBody);
}

TEST_F(RemoteServerConTest, AnEmptyReplyKeepsTheLastReply) {
  for (const TScript& reply : {TScript{""}, TScript{"", true}}) {
    SCOPED_TRACE(reply.Fails ? "failed" : "empty body");
    auto con = Connect(reply);
    con->LastReply = "earlier";
    EXPECT_EQ(con->GetClientIP(), "");
    EXPECT_EQ(con->LastReply, "earlier");
  }
}

TEST_F(RemoteServerConTest, TakesTheServerUrlOnceAtCreation) {
  auto con = Connect({"x"});
  const std::string url = con->ServerURL;
  EXPECT_EQ(url, server->Url("/porvandaemon/communication.php"));
  EXPECT_EQ(con->HttpClient.UserAgent, "Vindra Porvan Client");
  SysVar->WriteConfig("ServerURL", "http://127.0.0.1:1/other");
  EXPECT_EQ(con->ServerURL, url);
}

}  // namespace
}  // namespace porvan
