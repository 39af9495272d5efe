// TfmConfig: the program paths through SysVar, the file-open dialog, and every road of the
// shortcut button against a loopback server.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "common/code_page.h"
#include "common/notice.h"
#include "common/path_text.h"
#include "platform/message_box.h"
#include "settings/config_form.h"
#include "settings/run_state.h"
#include "support/fake_controls.h"
#include "support/fake_dialog_controls.h"
#include "support/fake_platform.h"
#include "support/loopback_server.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using testing::FakeCheckBox;
using testing::FakeDialogHost;
using testing::FakeDropDownList;
using testing::FakeEditBox;
using testing::TFakePlatform;
using testing::TLoopbackServer;
using testing::TServerTurn;

using TBox = std::tuple<std::string, std::string, unsigned>;  // text, caption, flags

TBox Notice(const char* utf8) {
  return {Utf8ToCp949(utf8), Utf8ToCp949(kApplicationTitle), mb::kOk};
}
TBox ErrorBox(const std::string& text) {
  return {text, Utf8ToCp949(kApplicationTitle), mb::kOk | mb::kIconError};
}
const TBox kQuestion{
    "\xB9\xD9\xC5\xC1\xC8\xAD\xB8\xE9\xBF\xA1 \xB9\xD9\xB7\xCE\xB0\xA1\xB1\xE2"
    "\xB8\xA6 \xBB\xFD\xBC\xBA \xC7\xCF\xBD\xC3\xB0\xDA\xBD\xC0\xB4\xCF\xB1\xEE?",
    "\xB9\xD9\xB7\xCE\xB0\xA1\xB1\xE2 \xBB\xFD\xBC\xBA", 0x44};
const TBox kDone{"\xB9\xD9\xB7\xCE\xB0\xA1\xB1\xE2\xBB\xFD\xBC\xBA \xBF\xCF\xB7\xE1",
                 Utf8ToCp949(kApplicationTitle), mb::kOk};
const TBox kAskForDomain{
    "\xB5\xB5\xB8\xDE\xC0\xCE\xC0\xBB \xC0\xD4\xB7\xC2 \xC7\xCF\xBC\xBC\xBF\xE4",
    Utf8ToCp949(kApplicationTitle), mb::kOk};
const TBox kUnusableName =
    Notice("도메인에 파일 이름으로 쓸 수 없는 문자가 있습니다 (\\ / : * ? \" < > | ..)");

const std::string kDesktopLink = "C:\\Users\\kim\\Desktop\\Porvan - demo.example.lnk";

std::string BodyOf(const std::string& request) {
  const std::size_t headEnd = request.find("\r\n\r\n");
  return headEnd == std::string::npos ? std::string() : request.substr(headEnd + 4);
}

class ConfigFormTest : public ::testing::Test {
 protected:
  ConfigFormTest() { SysVar = std::make_unique<TSysVar>(fake.Platform); }
  ~ConfigFormTest() override { SysVar.reset(); }

  // The server answers one domain check with `reply`; nothing else may reach it.
  void ServeDomainCheck(const std::string& reply) {
    server = std::make_unique<TLoopbackServer>(
        std::vector<TServerTurn>{{"HTTP/1.0 200 OK\r\n\r\n" + reply}});
    SysVar->ServerURL = server->Url("/porvandaemon/communication.php");
  }

  std::vector<TBox> Boxes() const {
    std::vector<TBox> boxes;
    for (const auto& box : fake.Messages.Shown) {
      boxes.emplace_back(box.Text, box.Caption, box.Flags);
    }
    return boxes;
  }

  std::vector<std::string> Links() const {
    std::vector<std::string> links;
    for (const auto& link : fake.ShellLinks.Written) {
      links.push_back(link.Path + "|" + PathToUtf8(link.Fields.Target) + "|" +
                      PathToUtf8(link.Fields.WorkingDirectory) + "|" + link.Fields.Arguments);
    }
    return links;
  }

  TFakePlatform fake;
  FakeEditBox ftpPath;
  FakeEditBox sshPath;
  FakeEditBox url;
  FakeDropDownList clientType;
  FakeCheckBox minimise;
  FakeDialogHost window;
  TfmConfig form{fake.Platform, {ftpPath, sshPath, url, clientType, minimise, window}};
  std::unique_ptr<TLoopbackServer> server;
};

TEST_F(ConfigFormTest, ShortcutButtonTakesEachRoad) {
  struct TCase {
    const char* name;
    std::string domain = "demo.example";
    std::string clientType = "SSH";
    bool minimise = true;
    std::string reply = "OK";
    std::deque<int> answers = {mb::kIdYes};
    // Flat, not a TLinkWriteResult: GCC 12 misjudges a nested string in a case table.
    TLinkFailure linkFailure = TLinkFailure::None;
    std::string linkMessage;
    bool registryDesktop = true;
    std::string shortcutExtension = ".lnk";
    std::string knownDesktop = "C:\\Users\\kim\\KnownDesktop";
    bool asksServer = true;
    std::string sentDomain = "demo.example";  // as the form encoding puts it on the wire
    std::vector<TBox> boxes = {kQuestion, kDone};
    std::vector<std::string> links = {kDesktopLink +
                                      "|C:\\Porvan\\Porvan.exe|C:\\Porvan|demo.example SSH true"};
  };
  const TCase cases[] = {
      {.name = "SSH, minimised"},
      {.name = "FTP, not minimised",
       .clientType = "FTP",
       .minimise = false,
       .links = {kDesktopLink + "|C:\\Porvan\\Porvan.exe|C:\\Porvan|demo.example FTP false"}},
      {.name = "no program to run",
       .clientType = "\xBD\xC7\xC7\xE0\xBE\xC8\xC7\xD4",  // 실행안함
       .minimise = false,
       .links = {kDesktopLink + "|C:\\Porvan\\Porvan.exe|C:\\Porvan|demo.example "
                                "\xBD\xC7\xC7\xE0\xBE\xC8\xC7\xD4 false"}},
      {.name = "domain kept as typed, blanks and all",
       .domain = " a-b.example",
       .sentDomain = "%20a-b.example",
       .links = {"C:\\Users\\kim\\Desktop\\Porvan -  a-b.example.lnk|C:\\Porvan\\Porvan.exe|"
                 "C:\\Porvan| a-b.example SSH true"}},
      {.name = "empty domain",
       .domain = "",
       .asksServer = false,
       .boxes = {kAskForDomain},
       .links = {}},
      {.name = "blank domain",
       .domain = " \t\r\n",
       .asksServer = false,
       .boxes = {kAskForDomain},
       .links = {}},
      {.name = "server refuses",
       .reply = "FAIL:Unknown_domain",
       .boxes = {Notice("Unknown domain")},
       .links = {}},
      {.name = "answer No", .answers = {mb::kIdNo}, .boxes = {kQuestion}, .links = {}},
      {.name = "link cannot be saved",
       .linkFailure = TLinkFailure::NotSaved,
       .linkMessage = "Access denied.",
       .boxes = {kQuestion,
                 ErrorBox("Cannot save shortcut " + kDesktopLink + ".\r\nAccess denied.")},
       .links = {}},
      {.name = "no shell link object",
       .linkFailure = TLinkFailure::Unavailable,
       .boxes = {kQuestion, ErrorBox("Cannot create the shell link object.")},
       .links = {}},
      {.name = "desktop from the known folder",
       .registryDesktop = false,
       .links = {"C:\\Users\\kim\\KnownDesktop\\Porvan - demo.example.lnk|"
                 "C:\\Porvan\\Porvan.exe|C:\\Porvan|demo.example SSH true"}},
      {.name = "a desktop that starts launchers",
       .shortcutExtension = ".desktop",
       .links = {"C:\\Users\\kim\\Desktop\\Porvan - demo.example.desktop|"
                 "C:\\Porvan\\Porvan.exe|C:\\Porvan|demo.example SSH true"}},
      {.name = "no desktop folder at all",
       .registryDesktop = false,
       .knownDesktop = "",
       .boxes = {kQuestion,
                 ErrorBox("Cannot find the folder for shortcut Porvan - demo.example.lnk.")},
       .links = {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    fake.Messages.Shown.clear();
    fake.Messages.Answers = c.answers;
    fake.ShellLinks.Written.clear();
    fake.ShellLinks.Result = {c.linkFailure, c.linkMessage};
    if (!c.registryDesktop) {
      fake.ShellFolders.Registry.erase("Desktop");
    }
    fake.ShellFolders.KnownDesktop = c.knownDesktop;
    fake.Platform.Conventions.ShortcutExtension = c.shortcutExtension;
    url.Value = c.domain;
    clientType.Selected = c.clientType;
    minimise.Value = c.minimise;
    ServeDomainCheck(c.reply);

    form.btnMakeShortcutClick();

    EXPECT_EQ(Boxes(), c.boxes);
    EXPECT_EQ(Links(), c.links);
    if (c.asksServer) {
      ASSERT_TRUE(server->WaitUntilServed(5000ms));
      ASSERT_EQ(server->Requests().size(), 1u);
      EXPECT_EQ(BodyOf(server->Requests()[0]), "mode=is_valid_domain&domain=" + c.sentDomain);
    } else {
      EXPECT_TRUE(server->Requests().empty());
    }
    EXPECT_TRUE(window.Results.empty());  // the dialog stays open
    EXPECT_EQ(url.Value, c.domain);
    fake.ShellFolders.Registry["Desktop"] = "C:\\Users\\kim\\Desktop";
  }
}

TEST_F(ConfigFormTest, RefusesDomainsThatWouldNotStayAFileName) {
  for (const char* domain : {"a/b", "a\\b", "..", "a..b", "../x", "a:b", "a*b", "a?b", "a\"b",
                             "a<b", "a>b", "a|b", "a\tb", "a\x01", "a\x7F..", "c:\\windows\\x"}) {
    SCOPED_TRACE(domain);
    fake.Messages.Shown.clear();
    url.Value = domain;
    ServeDomainCheck("OK");
    form.btnMakeShortcutClick();
    EXPECT_EQ(Boxes(), std::vector<TBox>{kUnusableName});
    EXPECT_TRUE(server->Requests().empty());
    EXPECT_TRUE(fake.ShellLinks.Written.empty());
  }
}

TEST_F(ConfigFormTest, RefusesADomainWithBlanksInside) {
  for (const char* domain : {"x y", "example.com FTP", " a  b ", "a\xA1 \xB0"}) {
    SCOPED_TRACE(domain);
    fake.Messages.Shown.clear();
    url.Value = domain;
    ServeDomainCheck("OK");
    form.btnMakeShortcutClick();
    EXPECT_EQ(Boxes(), std::vector<TBox>{Notice("도메인에 공백을 넣을 수 없습니다")});
    EXPECT_TRUE(server->Requests().empty());
    EXPECT_TRUE(fake.ShellLinks.Written.empty());
  }
}

// The domain check carries the typed domain as one escaped value, whatever it holds.
TEST_F(ConfigFormTest, AnInjectedFieldDoesNotPassTheDomainCheck) {
  url.Value = "nosuch.test&domain=example.com";
  ServeDomainCheck("NO:Unknown_domain");
  form.btnMakeShortcutClick();
  ASSERT_TRUE(server->WaitUntilServed(5000ms));
  ASSERT_EQ(server->Requests().size(), 1u);
  EXPECT_EQ(BodyOf(server->Requests()[0]),
            "mode=is_valid_domain&domain=nosuch.test%26domain%3Dexample.com");
  EXPECT_EQ(Boxes(), std::vector<TBox>{Notice("Unknown domain")});
  EXPECT_TRUE(fake.ShellLinks.Written.empty());
}

TEST_F(ConfigFormTest, AcceptsKoreanAndOtherNameCharacters) {
  // 한국.kr: its trail bytes must not be mistaken for separators.
  for (const char* domain : {"\xC7\xD1\xB1\xB9.kr", "a.b-c_d.example", "a.b.", " a.b "}) {
    SCOPED_TRACE(domain);
    fake.Messages.Shown.clear();
    fake.Messages.Answers = {mb::kIdNo};
    url.Value = domain;
    ServeDomainCheck("OK");
    form.btnMakeShortcutClick();
    EXPECT_EQ(Boxes(), std::vector<TBox>{kQuestion});
  }
}

TEST_F(ConfigFormTest, ActivateShowsThePathsAndOkStoresThemAsTheyStand) {
  fake.Files.Files[fake.SettingsPath()] = "[config]\r\nFTPPath=D:\\f.exe\r\nSSHPath=D:\\s.exe\r\n";
  SysVar = std::make_unique<TSysVar>(fake.Platform);
  form.FormActivate();
  EXPECT_EQ(ftpPath.Value, "D:\\f.exe");
  EXPECT_EQ(sshPath.Value, "D:\\s.exe");

  ftpPath.Value = "";
  sshPath.Value = "no such\\program.exe";
  form.btnOkClick();
  EXPECT_EQ(window.Results, std::vector<int>{kModalResultOk});
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()],
            "[config]\r\nFTPPath=\r\nSSHPath=no such\\program.exe\r\n");

  // The next showing finds the empty key and shows (and writes back) the default.
  FakeDialogHost nextWindow;
  TfmConfig next(fake.Platform, {ftpPath, sshPath, url, clientType, minimise, nextWindow});
  next.FormActivate();
  EXPECT_EQ(ftpPath.Value, ".\\FileZilla\\filezilla.exe");
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()],
            "[config]\r\nFTPPath=.\\FileZilla\\filezilla.exe\r\nSSHPath=no such\\program.exe\r\n");
}

TEST_F(ConfigFormTest, CancelStoresNothing) {
  form.FormActivate();
  const int writes = fake.Files.Writes;
  ftpPath.Value = "D:\\other.exe";
  form.btnCancelClick();
  EXPECT_EQ(window.Results, std::vector<int>{kModalResultCancel});
  EXPECT_EQ(fake.Files.Writes, writes);
  EXPECT_EQ(SysVar->FTPPath, ".\\FileZilla\\filezilla.exe");
}

TEST_F(ConfigFormTest, EscapeCancelsAndOtherKeysAreLeftAlone) {
  form.FormActivate();
  const int writes = fake.Files.Writes;
  ftpPath.Value = "D:\\other.exe";
  for (const int key : {13, 32, 65, 28}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(form.FormKeyDown(key));
  }
  EXPECT_TRUE(window.Results.empty());
  EXPECT_TRUE(form.FormKeyDown(27));
  EXPECT_EQ(window.Results, std::vector<int>{kModalResultCancel});
  EXPECT_EQ(fake.Files.Writes, writes);
}

TEST_F(ConfigFormTest, AnUnwritableSettingsFileKeepsTheDialogOpen) {
  form.FormActivate();
  fake.Files.FailWrites = true;
  ftpPath.Value = "D:\\f.exe";
  sshPath.Value = "D:\\s.exe";
  form.btnOkClick();
  EXPECT_EQ(Boxes(), std::vector<TBox>{ErrorBox("Unable to write to C:\\Porvan\\Porvan.ini")});
  EXPECT_TRUE(window.Results.empty());
  EXPECT_EQ(SysVar->SSHPath, ".\\PuTTY\\putty.exe");  // not stored after the FTP write failed
}

TEST_F(ConfigFormTest, APathWithALineBreakIsRefusedAndTheDialogStaysOpen) {
  form.FormActivate();
  const std::string before = fake.Files.Files[fake.SettingsPath()];
  ftpPath.Value = "D:\\f.exe\r\nServerURL=http://127.0.0.1:1/";
  form.btnOkClick();
  EXPECT_EQ(Boxes(), std::vector<TBox>{ErrorBox("Unable to write to C:\\Porvan\\Porvan.ini: a "
                                                "setting may not hold a line break or NUL")});
  EXPECT_TRUE(window.Results.empty());
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()], before);
}

TEST_F(ConfigFormTest, PathButtonOpensTheDialogAtTheBoxsPath) {
  ftpPath.Value = "D:\\ftp\\f.exe";
  sshPath.Value = "D:\\\xB0\xA1\\s.exe";  // CP949 "가"
  fake.OpenDialog.Answers = {std::string("E:\\가\\new.exe"), std::nullopt};

  form.fPathButtonClick(sshPath);
  EXPECT_EQ(sshPath.Value, "E:\\\xB0\xA1\\new.exe");
  EXPECT_EQ(ftpPath.Value, "D:\\ftp\\f.exe");

  form.fPathButtonClick(ftpPath);  // cancelled
  EXPECT_EQ(ftpPath.Value, "D:\\ftp\\f.exe");

  ASSERT_EQ(fake.OpenDialog.Requests.size(), 2u);
  const TOpenFileRequest& first = fake.OpenDialog.Requests[0];
  EXPECT_EQ(first.Title, Utf8ToCp949("실행파일을 선택하세요"));
  EXPECT_EQ(first.Filter, "\xBD\xC7\xC7\xE0\xC6\xC4\xC0\xCF(*.exe)|*.exe");
  EXPECT_EQ(PathToUtf8(first.FileName), "D:\\가\\s.exe");
  EXPECT_EQ(PathToUtf8(fake.OpenDialog.Requests[1].FileName), "D:\\ftp\\f.exe");
  EXPECT_TRUE(fake.Messages.Shown.empty());
  EXPECT_TRUE(window.Results.empty());
  EXPECT_EQ(fake.Files.Writes, 2);  // only the defaults SysVar wrote: nothing until OK
}

// The settings file holds CP949: a pick it cannot hold is refused by name, never kept as "?".
TEST_F(ConfigFormTest, APickTheSettingsFileCannotHoldIsRefusedWithANotice) {
  struct {
    const char* name;
    std::string picked;  // UTF-8
    std::string shownPath;
  } const cases[] = {
      {"Latin accent", "C:\\Users\\José\\putty.exe", "C:\\Users\\Jos?\\putty.exe"},
      {"Thai beside Korean", "C:\\ทดสอบ 테스트\\putty.exe",
       "C:\\????? " + Utf8ToCp949("테스트") + "\\putty.exe"},
      {"emoji", "C:\\🔑\\putty.exe", "C:\\?\\putty.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fake.Messages.Shown.clear();
    sshPath.Value = "D:\\ssh\\s.exe";
    fake.OpenDialog.Answers = {c.picked};

    form.fPathButtonClick(sshPath);

    EXPECT_EQ(sshPath.Value, "D:\\ssh\\s.exe");
    const TBox refusal{
        Utf8ToCp949(kUnstorablePathText) + c.shownPath + Utf8ToCp949(kUnstorablePathAdvice),
        Utf8ToCp949(kApplicationTitle), mb::kOk};
    EXPECT_EQ(Boxes(), std::vector<TBox>{refusal});
  }
  form.btnOkClick();
  EXPECT_EQ(SysVar->SSHPath, "D:\\ssh\\s.exe");
}

}  // namespace
}  // namespace porvan
