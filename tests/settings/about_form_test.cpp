// TfmAbout: the version, the history file beside the executable, Escape, and the web link.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/code_page.h"
#include "common/notice.h"
#include "platform/message_box.h"
#include "settings/about_form.h"
#include "settings/run_state.h"
#include "support/fake_controls.h"
#include "support/fake_dialog_controls.h"
#include "support/fake_platform.h"

namespace porvan {
namespace {

using testing::FakeDialogHost;
using testing::FakeEditBox;
using testing::FakeLabel;
using testing::FakeLinkLabel;
using testing::TFakePlatform;

class AboutFormTest : public ::testing::Test {
 protected:
  ~AboutFormTest() override { SysVar.reset(); }

  TfmAbout& Form() {
    SysVar = std::make_unique<TSysVar>(fake.Platform);
    form = std::make_unique<TfmAbout>(fake.Platform, TfmAboutControls{version, link, memo, window});
    return *form;
  }

  TFakePlatform fake;
  FakeLabel version;
  FakeLinkLabel link;
  FakeEditBox memo;
  FakeDialogHost window;
  std::unique_ptr<TfmAbout> form;
};

TEST_F(AboutFormTest, ShowsTheHistoryWithEveryLineBreakAsCrLf) {
  struct {
    const char* name;
    std::string file;
    std::string shown;
  } const cases[] = {
      {"CR LF", "1.5.0.0\r\n - a\r\n", "1.5.0.0\r\n - a\r\n"},
      {"LF", "1.5.0.0\n - a\n\n", "1.5.0.0\r\n - a\r\n\r\n"},
      {"CR", "1.5.0.0\r - a", "1.5.0.0\r\n - a"},
      {"mixed", "a\r\rb\n\rc\r\n\nd", "a\r\n\r\nb\r\n\r\nc\r\n\r\nd"},
      {"Korean bytes", "\xB0\xA1\n\xB3\xAA", "\xB0\xA1\r\n\xB3\xAA"},
      {"empty file", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fake.Files.Files["C:\\Porvan\\history.txt"] = c.file;
    fake.Messages.Shown.clear();
    Form().FormActivate();
    EXPECT_EQ(memo.Value, c.shown);
    EXPECT_EQ(version.Value, "1.5.0.0");
    EXPECT_TRUE(fake.Messages.Shown.empty());
    EXPECT_EQ(fake.Files.Files["C:\\Porvan\\history.txt"], c.file);  // never written
  }
}

TEST_F(AboutFormTest, AMissingHistoryIsReportedAndLeavesTheAreaEmpty) {
  struct {
    const char* name;
    std::string executable;
    std::string history;
  } const cases[] = {
      {"in a folder", "C:\\Porvan\\Porvan.exe", "C:\\Porvan\\history.txt"},
      {"at a drive's root", "C:\\Porvan.exe", "C:\\history.txt"},
      {"on a share", "\\\\srv\\apps\\Porvan.exe", "\\\\srv\\apps\\history.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fake.Process.Path = c.executable;
    fake.Messages.Shown.clear();
    memo.Value = "stale";
    Form().FormActivate();
    EXPECT_EQ(memo.Value, "");
    EXPECT_EQ(version.Value, "1.5.0.0");
    ASSERT_EQ(fake.Messages.Shown.size(), 1u);
    EXPECT_EQ(fake.Messages.Shown[0].Text, "Cannot open file " + c.history + ".");
    EXPECT_EQ(fake.Messages.Shown[0].Caption, Utf8ToCp949(kApplicationTitle));
    EXPECT_EQ(fake.Messages.Shown[0].Flags, mb::kOk | mb::kIconError);
    EXPECT_TRUE(window.Results.empty());  // the box stays open
  }
}

TEST_F(AboutFormTest, WithoutAVersionResourceTheVersionIsEmpty) {
  fake.Version.HasResource = false;
  fake.Files.Files["C:\\Porvan\\history.txt"] = "h";
  version.Value = "stale";
  Form().FormActivate();
  EXPECT_EQ(version.Value, "");
  EXPECT_EQ(memo.Value, "h");
}

TEST_F(AboutFormTest, EscapeAndTheButtonCloseTheBox) {
  TfmAbout& about = Form();
  for (int key : {13, 32, 65, 28}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(about.FormKeyDown(key));
  }
  EXPECT_TRUE(window.Results.empty());
  EXPECT_TRUE(about.FormKeyDown(27));
  about.btnCloseClick();
  EXPECT_EQ(window.Results, (std::vector<int>{kModalResultCancel, kModalResultCancel}));
}

TEST_F(AboutFormTest, TheLinkTurnsPurpleOnlyAfterASuccessfulOpen) {
  TfmAbout& about = Form();
  fake.Urls.Succeeds = false;
  about.lblWebAddressClick();
  EXPECT_TRUE(link.Colors.empty());
  fake.Urls.Succeeds = true;
  about.lblWebAddressClick();
  EXPECT_EQ(fake.Urls.Opened,
            (std::vector<std::string>{"http://porvan.example/", "http://porvan.example/"}));
  EXPECT_EQ(link.Colors, (std::vector<TRgb>{{128, 0, 128}}));
  EXPECT_TRUE(fake.Messages.Shown.empty());
}

}  // namespace
}  // namespace porvan
