// TSysVar: defaults and write-back, the field getters and setters, version strings, command line.
#include <gtest/gtest.h>

#include <string>

#include "settings/profile_file.h"
#include "settings/run_state.h"
#include "settings/settings_file.h"
#include "settings/write_error.h"
#include "support/fake_platform.h"

namespace porvan {
namespace {

using testing::TFakePlatform;

// What creating SysVar over `fake` throws as an `Error`; "<created>" when it does not throw.
template <typename Error>
std::string CreationError(TFakePlatform& fake) {
  try {
    TSysVar sysVar(fake.Platform);
  } catch (const Error& error) {
    return error.what();
  }
  return "<created>";
}

const std::string kDefaults =
    "[config]\r\nFTPPath=.\\FileZilla\\filezilla.exe\r\nSSHPath=.\\PuTTY\\putty.exe\r\n";

TEST(SettingsPathTest, ReplacesTheExtensionOfTheFileName) {
  struct {
    const char* exe;
    const char* ini;
  } const cases[] = {
      {"C:\\Porvan\\Porvan.exe", "C:\\Porvan\\Porvan.ini"},
      {"C:\\Porvan\\Porvan", "C:\\Porvan\\Porvan.ini"},
      {"C:\\a.b\\Porvan", "C:\\a.b\\Porvan.ini"},
      {"C:\\P\\x.tar.gz", "C:\\P\\x.tar.ini"},
      {"/opt/a.b/porvan", "/opt/a.b/porvan.ini"},
      {"C:\\\xB0\xA1\\Porvan.EXE", "C:\\\xB0\xA1\\Porvan.ini"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.exe);
    EXPECT_EQ(SettingsPathFor(c.exe), c.ini);
  }
}

TEST(SysVarTest, FirstStartWritesBothProgramDefaults) {
  TFakePlatform fake;
  TSysVar sysVar(fake.Platform);
  EXPECT_EQ(sysVar.FTPPath, ".\\FileZilla\\filezilla.exe");
  EXPECT_EQ(sysVar.SSHPath, ".\\PuTTY\\putty.exe");
  EXPECT_EQ(sysVar.ServerURL, "");
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()], kDefaults);

  EXPECT_EQ(sysVar.GetServerURL(), "http://porvan.example/porvandaemon/communication.php");
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()],
            kDefaults + "ServerURL=http://porvan.example/porvandaemon/communication.php\r\n");
}

TEST(SysVarTest, StartsWithTheInitialSessionState) {
  TFakePlatform fake;
  TSysVar sysVar(fake.Platform);
  EXPECT_EQ(sysVar.IsFTPOpen, 0);
  EXPECT_EQ(sysVar.IsSSHOpen, 0);
  EXPECT_FALSE(sysVar.IsOffline);
  EXPECT_FALSE(sysVar.StartMinimized);
  EXPECT_EQ(sysVar.ConnectedDomain + sysVar.ClientIP + sysVar.UpdateURL + sysVar.ShortcutDomain +
                sysVar.ShortcutClientType,
            "");
}

TEST(SysVarTest, StoredValuesAreReadWithoutWritingBack) {
  TFakePlatform fake;
  const std::string file = "[Config]\r\nftppath=\"D:\\ftp client\\f.exe\"\r\nSSHPath = s.exe \r\n";
  fake.Files.Files[fake.SettingsPath()] = file;
  TSysVar sysVar(fake.Platform);
  EXPECT_EQ(sysVar.FTPPath, "D:\\ftp client\\f.exe");
  EXPECT_EQ(sysVar.SSHPath, "s.exe");
  EXPECT_EQ(fake.Files.Writes, 0);
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()], file);
}

TEST(SysVarTest, EmptyOrBlankValuesAreReplacedByTheirDefaults) {
  for (const char* stored : {"FTPPath=", "FTPPath=   \t", "FTPPath=\"\""}) {
    SCOPED_TRACE(stored);
    TFakePlatform fake;
    fake.Files.Files[fake.SettingsPath()] =
        std::string("[config]\r\n") + stored + "\r\nSSHPath=s.exe\r\n";
    TSysVar sysVar(fake.Platform);
    EXPECT_EQ(sysVar.FTPPath, ".\\FileZilla\\filezilla.exe");
    EXPECT_EQ(fake.Files.Files[fake.SettingsPath()],
              "[config]\r\nFTPPath=.\\FileZilla\\filezilla.exe\r\nSSHPath=s.exe\r\n");
  }
}

TEST(SysVarTest, ReadConfigOfAnUnknownKeyWritesAnEmptyValue) {
  TFakePlatform fake;
  TSysVar sysVar(fake.Platform);
  EXPECT_EQ(sysVar.ReadConfig("serverurl"), "");  // the default is chosen with case
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()], kDefaults + "serverurl=\r\n");
}

TEST(SysVarTest, GettersReloadABlankFieldOnly) {
  TFakePlatform fake;
  TSysVar sysVar(fake.Platform);
  fake.Files.Files[fake.SettingsPath()] = "[config]\r\nFTPPath=from-file.exe\r\n";

  sysVar.FTPPath = " kept.exe ";
  EXPECT_EQ(sysVar.GetFTPPath(), " kept.exe ");  // not blank: returned untrimmed, file unread

  sysVar.FTPPath = " \t";
  EXPECT_EQ(sysVar.GetFTPPath(), "from-file.exe");
  EXPECT_EQ(sysVar.FTPPath, "from-file.exe");

  sysVar.SSHPath = "";
  EXPECT_EQ(sysVar.GetSSHPath(), ".\\PuTTY\\putty.exe");
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()],
            "[config]\r\nFTPPath=from-file.exe\r\nSSHPath=.\\PuTTY\\putty.exe\r\n");
}

TEST(SysVarTest, SettersStoreExactlyWhatTheyAreGiven) {
  TFakePlatform fake;
  TSysVar sysVar(fake.Platform);
  sysVar.SetFTPPath(" C:\\x y\\f.exe ");
  sysVar.SetSSHPath("");
  EXPECT_EQ(sysVar.FTPPath, " C:\\x y\\f.exe ");
  EXPECT_EQ(sysVar.SSHPath, "");
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()],
            "[config]\r\nFTPPath= C:\\x y\\f.exe \r\nSSHPath=\r\n");

  EXPECT_EQ(sysVar.GetSSHPath(), ".\\PuTTY\\putty.exe");
  EXPECT_EQ(ReadProfileValue(fake.Files.Files[fake.SettingsPath()], "config", "SSHPath"),
            ".\\PuTTY\\putty.exe");
}

TEST(SysVarTest, AnUnwritableFileFailsWithItsFullPath) {
  TFakePlatform fake;
  fake.Files.FailWrites = true;
  EXPECT_EQ(CreationError<TWriteError>(fake), "Unable to write to C:\\Porvan\\Porvan.ini");
}

// A file that is there but cannot be read (its rights, a lock) is not replaced by the one key a
// write would put: every other setting, the server's address among them, would be lost.
TEST(SysVarTest, AnUnreadableSettingsFileIsNotReplaced) {
  TFakePlatform fake;
  const std::string settings =
      "[config]\r\nFTPPath=D:\\f.exe\r\nSSHPath=\r\nServerURL=http://127.0.0.1:9/x\r\n";
  fake.Files.Files[fake.SettingsPath()] = settings;
  fake.Files.Unreadable.insert(fake.SettingsPath());
  EXPECT_EQ(CreationError<TWriteError>(fake),
            "Unable to write to C:\\Porvan\\Porvan.ini: the file there could not be read");
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()], settings);
}

TEST(SysVarTest, AFieldKeepsItsNewValueWhenTheWriteFails) {
  TFakePlatform fake;
  TSysVar sysVar(fake.Platform);
  const std::string before = fake.Files.Files[fake.SettingsPath()];
  fake.Files.FailWrites = true;
  EXPECT_THROW(sysVar.SetFTPPath("new.exe"), TWriteError);
  EXPECT_EQ(sysVar.FTPPath, "new.exe");
  EXPECT_EQ(fake.Files.Files[fake.SettingsPath()], before);
}

// A line end inside a value would end its line in Porvan.ini and start keys of its own.
TEST(SysVarTest, RefusesValuesThatWouldInjectKeys) {
  struct {
    const char* name;
    std::string value;
  } const cases[] = {
      {.name = "CR LF", .value = "a.exe\r\nServerURL=http://127.0.0.1:1/evil"},
      {.name = "LF alone", .value = "a.exe\nServerURL=x"},
      {.name = "CR alone", .value = "a.exe\rServerURL=x"},
      {.name = "NUL", .value = std::string("a.exe\0b", 7)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TFakePlatform fake;
    TSysVar sysVar(fake.Platform);
    const std::string before = fake.Files.Files[fake.SettingsPath()];
    try {
      sysVar.SetFTPPath(c.value);
      ADD_FAILURE() << "the write must be refused";
    } catch (const TWriteError& error) {
      EXPECT_STREQ(error.what(),
                   "Unable to write to C:\\Porvan\\Porvan.ini: a setting may not hold a line "
                   "break or NUL");
    }
    EXPECT_EQ(fake.Files.Files[fake.SettingsPath()], before);
    EXPECT_EQ(sysVar.ReadConfig("ServerURL"),
              "http://porvan.example/porvandaemon/communication.php");
  }
}

TEST(SysVarTest, ASettingsFileOverOneMebibyteIsNotLoaded) {
  TFakePlatform fake;
  const std::string settings = "[config]\r\nFTPPath=D:\\f.exe\r\n";
  std::string& file = fake.Files.Files[fake.SettingsPath()];
  file = settings + std::string(kMaxSettingsFileBytes - settings.size(), ';');
  TSysVar atTheLimit(fake.Platform);
  EXPECT_EQ(atTheLimit.FTPPath, "D:\\f.exe");

  file = settings + std::string(kMaxSettingsFileBytes - settings.size() + 1, ';');
  const std::string before = file;
  EXPECT_EQ(CreationError<TSettingsError>(fake),
            "The settings file C:\\Porvan\\Porvan.ini is larger than 1 MiB and was not read");
  EXPECT_EQ(file, before);
}

TEST(SysVarTest, ThePathIsWorkedOutForEveryAccess) {
  TFakePlatform fake;
  TSysVar sysVar(fake.Platform);
  fake.Process.Path = "D:\\Moved\\Porvan.exe";
  sysVar.SetSSHPath("s.exe");
  EXPECT_EQ(fake.Files.Files["D:\\Moved\\Porvan.ini"], "[config]\r\nSSHPath=s.exe\r\n");
}

TEST(SysVarTest, LoadsTheTenVersionStrings) {
  TFakePlatform fake;
  fake.Version.Values["StringFileInfo\\041203B5\\LegalTradeMarks"] = "tm";
  fake.Version.Values["StringFileInfo\\041203B5\\OriginalFileName"] = "Porvan.exe";
  fake.Version.Values["StringFileInfo\\04090000\\CompanyName"] = "another table";
  TSysVar sysVar(fake.Platform);
  const TVersionInfo& v = sysVar.VersionInfo;
  EXPECT_EQ(v.FileVersion, "1.5.0.0");
  EXPECT_EQ(v.ProductVersion, "1.0.0.0");
  EXPECT_EQ(v.LegalTradeMarks, "tm");
  EXPECT_EQ(v.OriginalFileName, "Porvan.exe");
  EXPECT_EQ(v.CompanyName + v.FileDescription + v.InternalName + v.LegalCopyright + v.ProductName +
                v.Comments,
            "");
}

TEST(SysVarTest, NoVersionResourceLeavesAllStringsEmpty) {
  TFakePlatform fake;
  fake.Version.HasResource = false;
  TSysVar sysVar(fake.Platform);
  EXPECT_EQ(sysVar.VersionInfo.FileVersion, "");
  EXPECT_EQ(sysVar.VersionInfo.ProductVersion, "");
}

struct TCommandLineCase {
  const char* name;
  const char* line;
  const char* domain;
  const char* clientType;
  bool minimized;
};

TEST(SysVarTest, TakesTheShortcutArgumentsFromTheCommandLine) {
  const TCommandLineCase cases[] = {
      {"three", "\"C:\\Program Files\\P.exe\" example.com FTP true", "example.com", "FTP", true},
      {"TRUE is not true", "p example.com SSH TRUE", "example.com", "SSH", false},
      {"1 is not true", "p example.com SSH 1", "example.com", "SSH", false},
      {"one argument", "p example.com", "example.com", "", false},
      {"none", "p", "", "", false},
      {"quoted domain", "p \"my domain\" FTP true", "my domain", "FTP", true},
  };
  for (const TCommandLineCase& c : cases) {
    SCOPED_TRACE(c.name);
    TFakePlatform fake;
    fake.Process.Line = c.line;
    TSysVar sysVar(fake.Platform);
    EXPECT_EQ(sysVar.ShortcutDomain, c.domain);
    EXPECT_EQ(sysVar.ShortcutClientType, c.clientType);
    EXPECT_EQ(sysVar.StartMinimized, c.minimized);
  }
}

}  // namespace
}  // namespace porvan
