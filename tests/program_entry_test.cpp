// The program's first step: SysVar is created, or the error report ends the start.
#include <gtest/gtest.h>

#include "app/program_entry.h"
#include "platform/code_page.h"
#include "settings/sys_var.h"
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

TEST(ProgramEntryTest, AnUnwritableSettingsFileShowsTheErrorReport) {
  testing::TFakePlatform fake;
  fake.Files.FailWrites = true;
  EXPECT_FALSE(CreateSysVar(fake.Platform));
  EXPECT_EQ(SysVar, nullptr);
  ASSERT_EQ(fake.Messages.Shown.size(), 1u);
  EXPECT_EQ(fake.Messages.Shown[0].Text, "Unable to write to C:\\Porvan\\Porvan.ini");
  EXPECT_EQ(fake.Messages.Shown[0].Caption, Utf8ToCp949("Porvan 접근통제 시스템"));
  EXPECT_EQ(fake.Messages.Shown[0].Flags, mb::kOk | mb::kIconError);
}

TEST(ProgramEntryTest, AMissingSystemLibraryShowsTheErrorReportInsteadOfEndingTheProcess) {
  testing::TFakePlatform fake;
  fake.Version.LibraryMissing = true;
  EXPECT_FALSE(CreateSysVar(fake.Platform));
  EXPECT_EQ(SysVar, nullptr);
  ASSERT_EQ(fake.Messages.Shown.size(), 1u);
  EXPECT_EQ(fake.Messages.Shown[0].Text, "Cannot load version.dll.\r\nModule not found.");
  EXPECT_EQ(fake.Messages.Shown[0].Flags, mb::kOk | mb::kIconError);
}

}  // namespace
}  // namespace porvan
