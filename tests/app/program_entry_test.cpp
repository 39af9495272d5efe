// The program's first step: SysVar is created, or the error report ends the start.
#include <gtest/gtest.h>

#include "app/program_entry.h"
#include "common/code_page.h"
#include "settings/run_state.h"
#include "support/fake_platform.h"

namespace porvan {
namespace {

TEST(ProgramEntryTest, CreatesSysVarAndWritesTheDefaults) {
  testing::TFakePlatform fake;
  ASSERT_TRUE(CreateSysVar(fake.Platform));
  ASSERT_NE(SysVar, nullptr);
  EXPECT_EQ(SysVar->FTPPath, ".\\FileZilla\\filezilla.exe");
  EXPECT_TRUE(fake.Messages.Shown.empty());
  DestroySysVar();
  EXPECT_EQ(SysVar, nullptr);
}

TEST(ProgramEntryTest, AFailureToCreateSysVarShowsTheErrorReportAndEndsTheStart) {
  struct TCase {
    const char* name;
    bool settingsUnwritable = false;
    bool versionLibraryMissing = false;
    const char* text;
  };
  const TCase cases[] = {
      {.name = "settings file unwritable",
       .settingsUnwritable = true,
       .text = "Unable to write to C:\\Porvan\\Porvan.ini"},
      {.name = "version library missing",
       .versionLibraryMissing = true,
       .text = "Cannot load version.dll.\r\nModule not found."},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TFakePlatform fake;
    fake.Files.FailWrites = c.settingsUnwritable;
    fake.Version.LibraryMissing = c.versionLibraryMissing;
    EXPECT_FALSE(CreateSysVar(fake.Platform));
    EXPECT_EQ(SysVar, nullptr);
    ASSERT_EQ(fake.Messages.Shown.size(), 1u);
    EXPECT_EQ(fake.Messages.Shown[0].Text, c.text);
    EXPECT_EQ(fake.Messages.Shown[0].Caption, Utf8ToCp949("Porvan 접근통제 시스템"));
    EXPECT_EQ(fake.Messages.Shown[0].Flags, mb::kOk | mb::kIconError);
  }
}

TEST(ProgramEntryTest, AnOversizedSettingsFileShowsTheErrorReport) {
  testing::TFakePlatform fake;
  fake.Files.Files[fake.SettingsPath()] = std::string(2 * 1024 * 1024, '\n');
  EXPECT_FALSE(CreateSysVar(fake.Platform));
  EXPECT_EQ(SysVar, nullptr);
  ASSERT_EQ(fake.Messages.Shown.size(), 1u);
  EXPECT_EQ(fake.Messages.Shown[0].Text,
            "The settings file C:\\Porvan\\Porvan.ini is larger than 1 MiB and was not read");
  EXPECT_EQ(fake.Messages.Shown[0].Flags, mb::kOk | mb::kIconError);
}

}  // namespace
}  // namespace porvan
