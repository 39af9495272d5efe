// The update under Wine with the real transfer, files and WinVerifyTrust: installers from a
// loopback server signed by this program's publisher, by no one, by another publisher, or
// altered after signing; only the first is started, the others are named in a notice and deleted.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/path_text.h"
#include "settings/run_state.h"
#include "support/fake_platform.h"
#include "support/loopback_server.h"
#include "support/transfer_cases.h"
#include "update/installer_trust.h"
#include "update/update_alert.h"
#include "update/update_refusal_texts.h"
#include "win32/update_alert_window.h"
#include "win32/wide_text.h"
#include "win32/win32_file_signatures.h"
#include "win32/win32_file_system.h"
#include "win32/win32_url_transfer.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using testing::FileExists;
using testing::TLoopbackServer;

// Made by tools/signing/make_test_installers.sh beside the test executable.
std::wstring SignedFile(const wchar_t* name) {
  return testing::TestExecutableFolder() + L"signed\\" + name;
}

class SignedInstallerTest : public ::testing::Test {
 protected:
  SignedInstallerTest() { SysVar = std::make_unique<TSysVar>(fake.Platform); }
  ~SignedInstallerTest() override { SysVar.reset(); }

  testing::TFakePlatform fake;
  TWin32FileSystem files;
  TWin32FileSignatures signatures;
  TUrlMonikerTransfer transfer;
  TPlatform platform{files,           fake.Process,    fake.Version,   fake.Messages,
                     *fake.Sockets,   fake.Network,    fake.Launcher,  fake.ShellFolders,
                     fake.ShellLinks, fake.OpenDialog, fake.Urls,      transfer,
                     fake.TempPath,   signatures,      fake.Instances, fake.Waits};
};

TEST_F(SignedInstallerTest, WinVerifyTrustTellsTheFactsOfEachFile) {
  const std::string publisher = "CN=Porvan Test Publisher, O=Porvan Test, C=KR";
  struct {
    const wchar_t* file;
    std::uint32_t result;
    std::string subject;
  } const cases[] = {
      {.file = L"running.exe", .result = 0, .subject = publisher},
      {.file = L"same-publisher.exe", .result = 0, .subject = publisher},
      {.file = L"other-publisher.exe",
       .result = 0,
       .subject = "CN=Porvan Test Publisher, O=Someone Else, C=KR"},
      {.file = L"unsigned.exe", .result = kSignatureNone, .subject = ""},
      // Wine stops at the bad digest before it reads the signer.
      {.file = L"altered.exe", .result = kSignatureBadDigest, .subject = ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Narrow(c.file));
    ASSERT_TRUE(FileExists(SignedFile(c.file))) << "the build makes it with osslsigncode";
    const TSignatureFacts facts = signatures.Check(SignedFile(c.file));
    EXPECT_EQ(facts.Result, c.result) << std::hex << facts.Result;
    EXPECT_EQ(facts.Subject, c.subject);
  }
}

TEST_F(SignedInstallerTest, OnlyAnInstallerOfThisProgramsPublisherStarts) {
  struct {
    const wchar_t* file;
    bool started;
    std::string notice;
  } const cases[] = {
      {.file = L"same-publisher.exe", .started = true, .notice = ""},
      {.file = L"unsigned.exe",
       .started = false,
       .notice = InstallerRefusalText(TInstallerVerdict::Unsigned, {})},
      {.file = L"other-publisher.exe",
       .started = false,
       .notice = InstallerRefusalText(
           TInstallerVerdict::OtherPublisher,
           {.Result = 0, .Subject = "CN=Porvan Test Publisher, O=Someone Else, C=KR"})},
      {.file = L"altered.exe",
       .started = false,
       .notice = InstallerRefusalText(TInstallerVerdict::Altered, {})},
  };
  // The test executable stands for a Porvan.exe signed by the test publisher.
  fake.Process.Path = PathToUtf8(SignedFile(L"running.exe"));
  for (const auto& c : cases) {
    SCOPED_TRACE(Narrow(c.file));
    ASSERT_TRUE(FileExists(SignedFile(c.file))) << "the build makes it with osslsigncode";
    const std::string body = testing::ReadWholeFile(SignedFile(c.file));
    TLoopbackServer server({{.Reply = "HTTP/1.1 200 OK\r\nContent-Length: " +
                                      std::to_string(body.size()) + "\r\n\r\n"},
                            {.Reply = testing::OkReply(body)}});
    ASSERT_TRUE(server.Listening());
    const std::string url = server.Url("/dl/setup.exe");
    testing::TTempFolder folder(L"signed-update");
    fake.TempPath.Path = PathToUtf8(folder.Path());
    fake.Launcher.Opened.clear();
    fake.Messages.Shown.clear();

    TUpdateAlertWindow window(platform, url);
    ASSERT_TRUE(window.Create(nullptr));
    PostMessageW(testing::ChildWithText(window.Handle(), Utf8ToCp949(kUpdateAlertRunText)),
                 BM_CLICK, 0, 0);
    PostMessageW(window.Handle(), WM_APP_QUIT, 0, 0);
    EXPECT_EQ(window.ShowModal(nullptr), kUpdateAlertQuit);

    const std::string path = PathToUtf8(folder.Path()) + "\\setup.exe";
    EXPECT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(fake.Launcher.Opened,
              c.started ? std::vector<std::string>{path} : std::vector<std::string>{});
    EXPECT_EQ(FileExists(PathFromUtf8(path).native()), c.started);
    if (c.started) {
      EXPECT_TRUE(fake.Messages.Shown.empty());
    } else {
      ASSERT_EQ(fake.Messages.Shown.size(), 1u);
      EXPECT_EQ(fake.Messages.Shown[0].Text, c.notice);
    }
  }
}

}  // namespace
}  // namespace porvan
