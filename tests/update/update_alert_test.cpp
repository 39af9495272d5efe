// TfmUpdateAlert: texts, modal results, the percentage, and when the installer may start.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/program_entry.h"
#include "common/code_page.h"
#include "common/notice.h"
#include "platform/controls.h"
#include "platform/desktop_conventions.h"
#include "platform/dialog_host.h"
#include "posix/posix_desktop_conventions.h"
#include "settings/run_state.h"
#include "support/fake_platform.h"
#include "update/update_alert.h"
#include "update/update_refusal_texts.h"

namespace porvan {
namespace {

using testing::TScriptedTransfer;

const std::vector<std::string> kWindowsInstallers = TDesktopConventions{}.InstallerExtensions;

class FakeProgressBar : public IProgressBar {
 public:
  bool Visible = false;
  int Position = 0;
  std::vector<std::string> Texts;  // every text shown, in order

  void SetVisible(bool visible) override { Visible = visible; }
  void SetProgress(int position, int max) override {
    EXPECT_EQ(max, 100);
    Position = position;
  }
  void SetText(const std::string& text) override { Texts.push_back(text); }
};

class FakeModalDialog : public IDialogHost {
 public:
  std::vector<int> Results;  // every modal result set, in order
  void ProcessMessages() override {}
  void PostStartup() override {}
  void SetModalResult(int result) override { Results.push_back(result); }
};

TEST(UpdateAlertTextsTest, AreTheSystemsCp949Bytes) {
  EXPECT_EQ(Utf8ToCp949(kUpdateAlertRunText), "\xBE\xF7\xB5\xA5\xC0\xCC\xC6\xAE \xBD\xC7\xC7\xE0");
  EXPECT_EQ(Utf8ToCp949(kUpdateAlertQuitText), "\xC7\xC1\xB7\xCE\xB1\xD7\xB7\xA5 \xC1\xBE\xB7\xE1");
  EXPECT_EQ(Utf8ToCp949(kUpdateAlertCaption),
            "Porvan \xC1\xA2\xB1\xD9\xC5\xEB\xC1\xA6 \xBD\xC3\xBD\xBA\xC5\xDB "
            "\xBE\xF7\xB5\xA5\xC0\xCC\xC6\xAE");
  EXPECT_NE(Utf8ToCp949(kUpdateAlertLabel2).back(), '.');
}

TEST(DownloadPercentageTest, RoundsDownInSixtyFourBitsAndGuardsMaxZero) {
  struct {
    std::uint32_t position;
    std::uint32_t max;
    std::optional<int> percent;
  } const cases[] = {
      {.position = 1'234'567, .max = 2'469'134, .percent = 50},
      {.position = 99, .max = 100, .percent = 99},
      {.position = 3'000'000'000u, .max = 4'000'000'000u, .percent = 75},
      {.position = 4'294'967'295u, .max = 4'294'967'295u, .percent = 100},
      {.position = 0, .max = 1, .percent = 0},
      {.position = 0, .max = 0, .percent = std::nullopt},
      {.position = 5, .max = 0, .percent = std::nullopt},
      {.position = 300, .max = 200, .percent = 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.position) + " of " + std::to_string(c.max));
    EXPECT_EQ(DownloadPercentage(c.position, c.max), c.percent);
  }
}

class UpdateAlertTest : public ::testing::Test {
 protected:
  UpdateAlertTest() {
    EXPECT_TRUE(CreateSysVar(fake.Platform));
    SysVar->UpdateURL = kUpdateURL;
    alert.FormCreate();
  }
  ~UpdateAlertTest() override { DestroySysVar(); }

  const std::string kUpdateURL = "https://porvan.example/dl/get.php?file=setup.exe";
  const std::string kSetupPath =
      std::string("C:\\users\\root\\Temp\\") + kPathSeparator + "setup.exe";
  testing::TFakePlatform fake;
  FakeProgressBar progress;
  FakeModalDialog dialog;
  TfmUpdateAlert alert{fake.Platform, {progress, dialog}, kUpdateURL};
};

TEST_F(UpdateAlertTest, EachWayOutGivesItsModalResult) {
  alert.BitBtn3Click();
  alert.BitBtn2Click();
  alert.WMAppQuit();
  EXPECT_EQ(dialog.Results, (std::vector<int>{1, 3, 3}));
}

TEST_F(UpdateAlertTest, EscapeIsTheQuitButtonAndOtherKeysAreLeftAlone) {
  for (const int key : {13, 32, 65, 28}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(alert.FormKeyDown(key));
  }
  EXPECT_TRUE(dialog.Results.empty());
  EXPECT_TRUE(alert.FormKeyDown(27));
  EXPECT_EQ(dialog.Results, std::vector<int>{kUpdateAlertQuit});
}

TEST_F(UpdateAlertTest, RunDownloadsIntoTheTempFolderShowsProgressAndStartsTheInstaller) {
  fake.UrlTransfer.Script = {{.Begins = true,
                              .Progress = {{0, 0}, {1'234'567, 2'469'134}, {99, 0}},
                              .Written = "MZ",
                              .StopText = ""}};
  EXPECT_FALSE(progress.Visible);
  alert.BitBtn1Click();
  ASSERT_EQ(fake.UrlTransfer.Probes.size(), 1u);
  EXPECT_EQ(fake.UrlTransfer.Probes[0].Url, SysVar->UpdateURL);
  ASSERT_EQ(fake.UrlTransfer.Downloads.size(), 1u);
  EXPECT_EQ(fake.UrlTransfer.Downloads[0].Path, kSetupPath);
  EXPECT_TRUE(progress.Visible);
  EXPECT_EQ(progress.Position, 50);
  EXPECT_EQ(progress.Texts, (std::vector<std::string>{"0%", "50%"}));
  EXPECT_EQ(alert.SetupFile, kSetupPath);
  EXPECT_EQ(fake.Launcher.Opened, std::vector<std::string>{kSetupPath});
  EXPECT_TRUE(dialog.Results.empty());
  EXPECT_TRUE(fake.Messages.Shown.empty());

  // A second press fetches again into the same path without asking for the folder again.
  alert.BitBtn1Click();
  EXPECT_EQ(fake.UrlTransfer.Downloads.size(), 2u);
  EXPECT_EQ(fake.Launcher.Opened.size(), 2u);
  EXPECT_EQ(fake.TempPath.Queries, 1);
}

TEST_F(UpdateAlertTest, OnlyAFileThisTransferDeliveredIsStarted) {
  struct {
    const char* name;
    TScriptedTransfer transfer;
    bool olderFile;
    bool started;
  } const cases[] = {
      {.name = "success",
       .transfer = {.Begins = true, .Progress = {}, .Written = "MZ", .StopText = ""},
       .olderFile = false,
       .started = true},
      {.name = "failed transfer beside an older file",
       .transfer = {.Begins = true, .Progress = {}, .Written = {}, .StopText = "404"},
       .olderFile = true,
       .started = false},
      {.name = "failed transfer that wrote its error page",
       .transfer = {.Begins = true, .Progress = {}, .Written = "<html>", .StopText = "404"},
       .olderFile = false,
       .started = false},
      {.name = "aborted part",
       .transfer = {.Begins = true, .Progress = {{1, 0}}, .Written = {}, .StopText = ""},
       .olderFile = true,
       .started = false},
      {.name = "success without a file",
       .transfer = {.Begins = true, .Progress = {}, .Written = {}, .StopText = ""},
       .olderFile = false,
       .started = false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fake.Launcher.Opened.clear();
    fake.Files.Files.clear();
    if (c.olderFile) {
      fake.Files.Files[kSetupPath] = "older installer";
    }
    fake.UrlTransfer.Script = {c.transfer};
    // The aborted case: a handler that asks to stop, as a user's cancel would.
    alert.NxURLDownload->SetOnProgressStatus([](TCustomURLDownload&, std::uint32_t, std::uint32_t,
                                                const std::string&, bool& abort) { abort = true; });
    alert.BitBtn1Click();
    EXPECT_EQ(alert.SetupFile, kSetupPath);
    EXPECT_EQ(fake.Launcher.Opened.size(), c.started ? 1u : 0u);
  }
}

TEST_F(UpdateAlertTest, APressDuringTheDownloadIsIgnored) {
  fake.UrlTransfer.Script = {
      {.Begins = true, .Progress = {{1, 2}, {2, 2}}, .Written = "MZ", .StopText = ""}};
  fake.UrlTransfer.ProbeReplies = {{.Answered = true, .Status = 302, .Location = "setup2.exe"}};
  fake.UrlTransfer.AfterProgress = [this] { alert.BitBtn1Click(); };
  alert.BitBtn1Click();
  EXPECT_EQ(fake.UrlTransfer.Probes.size(), 2u);
  EXPECT_EQ(alert.NxURLDownload->URL(), "https://porvan.example/dl/setup2.exe");
  EXPECT_EQ(fake.UrlTransfer.Downloads.size(), 1u);
  EXPECT_EQ(fake.Launcher.Opened, std::vector<std::string>{std::string("C:\\users\\root\\Temp\\") +
                                                           kPathSeparator + "setup2.exe"});
}

TEST_F(UpdateAlertTest, WithoutAUsableTempFolderNothingIsDownloaded) {
  struct {
    const char* name;
    bool failing;
    std::string path;
  } const cases[] = {
      {.name = "the platform cannot say", .failing = true, .path = "C:\\Temp\\"},
      {.name = "1022 bytes fit", .failing = false, .path = std::string(1021, 'T') + "\\"},
      {.name = "1023 bytes do not fit", .failing = false, .path = std::string(1022, 'T') + "\\"},
      {.name = "far too long", .failing = false, .path = std::string(5000, 'T') + "\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fake.TempPath.Failing = c.failing;
    fake.TempPath.Path = c.path;
    fake.UrlTransfer.Downloads.clear();
    fake.UrlTransfer.Probes.clear();
    fake.Messages.Shown.clear();
    alert.TempDir.clear();
    alert.BitBtn1Click();
    const bool fits = !c.failing && c.path.size() < kTempPathLength;
    EXPECT_EQ(alert.TempDir, fits ? c.path : "");
    EXPECT_EQ(fake.UrlTransfer.Downloads.size(), fits ? 1u : 0u);
    EXPECT_EQ(fake.UrlTransfer.Probes.size(), fits ? 1u : 0u);
    ASSERT_EQ(fake.Messages.Shown.size(), fits ? 0u : 1u);
    if (!fits) {
      EXPECT_EQ(fake.Messages.Shown[0].Text, Utf8ToCp949(kUpdateAlertNoTempText));
      EXPECT_EQ(fake.Messages.Shown[0].Flags, mb::kOk);
    }
  }
}

TEST_F(UpdateAlertTest, ASignedProgramStartsOnlyItsPublishersInstallerAndDeletesTheRest) {
  const std::string ours = "CN=Porvan, O=Porvan, C=KR";
  struct {
    const char* name;
    TSignatureFacts installer;
    bool removable;
    bool started;
    std::string notice;
  } const cases[] = {
      {.name = "same publisher",
       .installer = {.Result = 0, .Subject = ours},
       .removable = true,
       .started = true,
       .notice = ""},
      {.name = "unsigned",
       .installer = {.Result = kSignatureNone, .Subject = ""},
       .removable = true,
       .started = false,
       .notice = InstallerRefusalText(TInstallerVerdict::Unsigned, {})},
      {.name = "another publisher",
       .installer = {.Result = 0, .Subject = "CN=Mallory"},
       .removable = true,
       .started = false,
       .notice = InstallerRefusalText(TInstallerVerdict::OtherPublisher,
                                      {.Result = 0, .Subject = "CN=Mallory"})},
      {.name = "altered",
       .installer = {.Result = kSignatureBadDigest, .Subject = ours},
       .removable = true,
       .started = false,
       .notice = InstallerRefusalText(TInstallerVerdict::Altered, {})},
      {.name = "untrusted chain",
       .installer = {.Result = 0x800B0109, .Subject = ours},
       .removable = true,
       .started = false,
       .notice = InstallerRefusalText(TInstallerVerdict::Untrusted, {.Result = 0x800B0109})},
      {.name = "unsigned, and held open",
       .installer = {.Result = kSignatureNone, .Subject = ""},
       .removable = false,
       .started = false,
       .notice = InstallerRefusalText(TInstallerVerdict::Unsigned, {}) + "\r\n" +
                 Utf8ToCp949(kInstallerNotRemovedText) + kSetupPath},
  };
  fake.Signatures.Facts[fake.Process.Path] = {.Result = 0, .Subject = ours};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fake.Launcher.Opened.clear();
    fake.Messages.Shown.clear();
    fake.Signatures.Checked.clear();
    fake.Files.FailRemoves = !c.removable;
    fake.Signatures.Facts[kSetupPath] = c.installer;
    alert.BitBtn1Click();
    EXPECT_EQ(fake.Signatures.Checked, (std::vector<std::string>{fake.Process.Path, kSetupPath}));
    EXPECT_EQ(fake.Launcher.Opened.size(), c.started ? 1u : 0u);
    EXPECT_EQ(fake.Files.IsFile(kSetupPath), c.started || !c.removable);
    if (c.started) {
      EXPECT_TRUE(fake.Messages.Shown.empty());
    } else {
      ASSERT_EQ(fake.Messages.Shown.size(), 1u);
      EXPECT_EQ(fake.Messages.Shown[0].Text, c.notice);
      EXPECT_EQ(fake.Messages.Shown[0].Flags, mb::kOk);
    }
  }
}

TEST_F(UpdateAlertTest, TheRefusalNoticesNameTheirReason) {
  // Distinct texts, each in CP949, and the ones that name facts name them.
  const std::vector<std::string> texts = {
      DownloadRefusalText(TDownloadRefusal::NotHttp, kWindowsInstallers),
      DownloadRefusalText(TDownloadRefusal::RedirectToOtherScheme, kWindowsInstallers),
      DownloadRefusalText(TDownloadRefusal::RedirectToHttp, kWindowsInstallers),
      DownloadRefusalText(TDownloadRefusal::BadFileName, kWindowsInstallers),
      InstallerRefusalText(TInstallerVerdict::Unsigned, {}),
      InstallerRefusalText(TInstallerVerdict::Altered, {}),
      InstallerRefusalText(TInstallerVerdict::OtherPublisher, {.Result = 0, .Subject = "CN=M"}),
      InstallerRefusalText(TInstallerVerdict::Untrusted, {.Result = 0x800B0109, .Subject = ""})};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(texts[i].empty());
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_NE(texts[i], texts[j]);
    }
  }
  EXPECT_EQ(texts[3], Utf8ToCp949("업데이트 파일 이름이 올바르지 않아 내려받지 않았습니다. .exe나 "
                                  ".msi로 끝나는 파일 이름만 받습니다."));
  EXPECT_TRUE(texts[6].ends_with("CN=M"));
  EXPECT_NE(texts[7].find("(0x800B0109)"), std::string::npos);
  // "디지털 서명이 없어서" in CP949.
  EXPECT_NE(texts[4].find("\xB5\xF0\xC1\xF6\xC5\xD0 \xBC\xAD\xB8\xED\xC0\xCC"), std::string::npos);
}

TEST_F(UpdateAlertTest, ARefusedDownloadTellsWhyAndDeletesOnlyWhatItsTransferWrote) {
  struct {
    const char* name;
    std::string url;
    TScriptedTransfer transfer;
    TDownloadRefusal refusal;
    bool removed;  // the file at the path, left from an earlier run, is gone
  } const cases[] = {
      {.name = "not http",
       .url = "file:///C:/Windows/notepad.exe",
       .transfer = {},
       .refusal = TDownloadRefusal::NotHttp,
       .removed = false},
      {.name = "no installer name",
       .url = "https://porvan.example/dl/get.php?file=setup.exe.bat",
       .transfer = {},
       .refusal = TDownloadRefusal::BadFileName,
       .removed = false},
      {.name = "the platform follows a redirect down to http",
       .url = kUpdateURL,
       .transfer = {.Begins = true, .Redirects = {"http://porvan.example/setup.exe"}},
       .refusal = TDownloadRefusal::RedirectToHttp,
       .removed = true},
      {.name = "the platform follows a redirect to a share",
       .url = kUpdateURL,
       .transfer = {.Begins = true, .Redirects = {"file://127.0.0.1/c$/setup.exe"}},
       .refusal = TDownloadRefusal::RedirectToOtherScheme,
       .removed = true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fake.Messages.Shown.clear();
    fake.Files.Files[kSetupPath] = "older installer";
    fake.UrlTransfer.Script = {c.transfer};
    TfmUpdateAlert refusing{fake.Platform, {progress, dialog}, c.url};
    refusing.FormCreate();
    refusing.BitBtn1Click();
    EXPECT_TRUE(fake.Launcher.Opened.empty());
    EXPECT_EQ(fake.Files.IsFile(kSetupPath), !c.removed);
    ASSERT_EQ(fake.Messages.Shown.size(), 1u);
    EXPECT_EQ(fake.Messages.Shown[0].Text, DownloadRefusalText(c.refusal, kWindowsInstallers));
    EXPECT_EQ(fake.Messages.Shown[0].Caption, Utf8ToCp949(kApplicationTitle));
  }
}

// The Linux client's conventions: a package is fetched into the download folder and handed to
// the desktop's opener; a Windows installer is refused with a notice that names the package.
TEST(UpdateAlertOnLinuxTest, APackageIsFetchedAndHandedOnAndAWindowsInstallerIsRefused) {
  const std::string folder = "/home/user/Downloads";
  struct {
    const char* name;
    std::string url;
    bool fetched;
  } const cases[] = {
      {.name = "a package",
       .url = "https://porvan.example/dl/porvan_1.6.0.0_amd64.deb",
       .fetched = true},
      {.name = "a Windows installer",
       .url = "https://porvan.example/dl/PorvanSetup.exe",
       .fetched = false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TFakePlatform fake;
    fake.Platform.Conventions =
        LinuxDesktopConventions("/home/user/.config/porvan", "/usr/share/porvan");
    fake.TempPath.Path = folder;
    ASSERT_TRUE(CreateSysVar(fake.Platform));
    fake.UrlTransfer.Script = {
        {.Begins = true, .Progress = {}, .Written = "!<arch>", .StopText = ""}};
    FakeProgressBar progress;
    FakeModalDialog dialog;
    TfmUpdateAlert alert{fake.Platform, {progress, dialog}, c.url};
    alert.FormCreate();
    alert.BitBtn1Click();
    if (c.fetched) {
      const std::string saved = folder + "/porvan_1.6.0.0_amd64.deb";
      ASSERT_EQ(fake.UrlTransfer.Downloads.size(), 1u);
      EXPECT_EQ(fake.UrlTransfer.Downloads[0].Path, saved);
      EXPECT_EQ(fake.Launcher.Opened, std::vector<std::string>{saved});
      EXPECT_TRUE(fake.Messages.Shown.empty());
    } else {
      EXPECT_TRUE(fake.UrlTransfer.Downloads.empty());
      EXPECT_TRUE(fake.Launcher.Opened.empty());
      ASSERT_EQ(fake.Messages.Shown.size(), 1u);
      EXPECT_NE(fake.Messages.Shown[0].Text.find(Utf8ToCp949(" .deb로 끝나는 파일")),
                std::string::npos);
    }
    DestroySysVar();
  }
}

TEST_F(UpdateAlertTest, AFailedProbeLeavesTheBarHidden) {
  fake.UrlTransfer.ProbeReplies = {{.Answered = true, .Status = 404, .Location = ""}};
  alert.BitBtn1Click();
  EXPECT_FALSE(progress.Visible);
  EXPECT_TRUE(progress.Texts.empty());
  EXPECT_TRUE(fake.UrlTransfer.Downloads.empty());
  EXPECT_TRUE(fake.Launcher.Opened.empty());
}

}  // namespace
}  // namespace porvan
