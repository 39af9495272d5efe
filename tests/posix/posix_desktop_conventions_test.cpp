// The Linux client's places: the configuration folder from the environment, and what the
// settings, the journal, the history and the program chooser make of them.
#include "posix/posix_desktop_conventions.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "app/access_journal.h"
#include "settings/about_form.h"
#include "settings/config_form.h"
#include "settings/executable_folder.h"
#include "settings/run_state.h"
#include "support/fake_controls.h"
#include "support/fake_dialog_controls.h"
#include "support/fake_platform.h"

namespace porvan {
namespace {

TEST(PosixDesktopConventionsTest, ConfigFolderFollowsTheBaseDirectories) {
  struct {
    const char* name;
    const char* xdgConfigHome;
    const char* home;
    std::string folder;
  } const cases[] = {
      {"XDG_CONFIG_HOME set", "/srv/cfg", "/home/kim", "/srv/cfg/porvan"},
      {"XDG_CONFIG_HOME unset", nullptr, "/home/kim", "/home/kim/.config/porvan"},
      {"XDG_CONFIG_HOME empty", "", "/home/kim", "/home/kim/.config/porvan"},
      {"XDG_CONFIG_HOME relative is ignored", "cfg/../../etc", "/home/kim",
       "/home/kim/.config/porvan"},
      {"HOME relative is no home", nullptr, "home", ""},
      {"neither", nullptr, nullptr, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ConfigFolder(c.xdgConfigHome, c.home), c.folder);
  }
}

TEST(PosixDesktopConventionsTest, SettingsJournalHistoryAndChooserUseTheLinuxPlaces) {
  testing::TFakePlatform fake;
  fake.Process.Path = "/usr/bin/porvan";
  fake.Platform.Conventions =
      LinuxDesktopConventions("/home/kim/.config/porvan", "/usr/share/porvan");
  SysVar = std::make_unique<TSysVar>(fake.Platform);

  // The first start writes the desktop's client programs into the settings file there.
  EXPECT_EQ(fake.Files.Files["/home/kim/.config/porvan/Porvan.ini"],
            "[config]\r\nFTPPath=/usr/bin/filezilla\r\nSSHPath=/usr/bin/x-terminal-emulator\r\n");
  EXPECT_EQ(JournalPathFor(StateFileStem(fake.Platform)),
            "/home/kim/.config/porvan/Porvan.journal");

  testing::FakeLabel version;
  testing::FakeLinkLabel link;
  testing::FakeEditBox memo;
  testing::FakeDialogHost aboutWindow;
  fake.Files.Files["/usr/share/porvan/history.txt"] = "1.5.0.0\r\n";
  TfmAbout about(fake.Platform, {version, link, memo, aboutWindow});
  about.FormActivate();
  EXPECT_EQ(memo.Value, "1.5.0.0\r\n");
  EXPECT_TRUE(fake.Messages.Shown.empty());

  testing::FakeEditBox ftpPath, sshPath, url;
  testing::FakeDropDownList clientType;
  testing::FakeCheckBox minimise;
  testing::FakeDialogHost configWindow;
  TfmConfig config(fake.Platform, {ftpPath, sshPath, url, clientType, minimise, configWindow});
  fake.OpenDialog.Answers = {std::nullopt};
  config.fPathButtonClick(ftpPath);
  ASSERT_EQ(fake.OpenDialog.Requests.size(), 1u);
  // Programs on Linux have no extension of their own.
  EXPECT_EQ(fake.OpenDialog.Requests[0].Filter, "\xBD\xC7\xC7\xE0\xC6\xC4\xC0\xCF(*)|*");
  SysVar.reset();
}

TEST(PosixDesktopConventionsTest, MakeFoldersMakesTheMissingParents) {
  char folderTemplate[] = "/tmp/porvan-config-XXXXXX";
  const std::string root = ::mkdtemp(folderTemplate);
  const std::string folder = root + "/a/b/porvan";
  EXPECT_TRUE(MakeFolders(folder));
  EXPECT_TRUE(MakeFolders(folder));  // already there
  struct stat info {};
  ASSERT_EQ(::stat(folder.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  const std::string file = root + "/file";
  ::close(::creat(file.c_str(), 0600));
  EXPECT_FALSE(MakeFolders(file + "/porvan"));  // a file stands where a folder must be
  EXPECT_FALSE(MakeFolders(file));
  ::unlink(file.c_str());
  for (const std::string& made : {folder, root + "/a/b", root + "/a", root}) {
    ::rmdir(made.c_str());
  }
}

}  // namespace
}  // namespace porvan
