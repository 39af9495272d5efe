// The Windows seams: files by UTF-16 path, safe replacement, the version resource, the code page.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/code_page.h"
#include "common/path_text.h"
#include "support/file_seam_checks.h"
#include "support/foreign_names.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"
#include "win32/win32_process_info.h"
#include "win32/win32_version_resource.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using testing::TTempFolder;

TEST(Win32SeamsTest, FilesInAForeignFolderAreReadAndReplaced) {
  TTempFolder folder(L"porvan-" + PathFromUtf8(testing::kForeignFolderName).native());
  TWin32FileSystem files;
  const TPath path(folder.Path() + L"Porvan.ini");
  EXPECT_FALSE(files.LoadFile(path).has_value());
  EXPECT_FALSE(files.IsFile(path));
  EXPECT_EQ(files.FileSize(path), std::nullopt);
  ASSERT_TRUE(files.SaveFile(path, "[config]\r\nk=\xB0\xA1\r\n"));
  EXPECT_EQ(files.FileSize(path), 16u);
  EXPECT_EQ(files.FileSize(folder.Path()), std::nullopt);
  ASSERT_TRUE(files.SaveFile(path, "[config]\r\nk=2\r\n"));
  EXPECT_EQ(files.LoadFile(path).value_or("<none>"), "[config]\r\nk=2\r\n");
  EXPECT_TRUE(files.IsFile(path));
  EXPECT_FALSE(files.IsFile(folder.Path()));  // a directory is not a file
  EXPECT_EQ(testing::ReadWholeFile(folder.Path() + L"Porvan.ini.new"), "<missing>");
}

TEST(Win32SeamsTest, AFailedReplaceLeavesTheOldFile) {
  TTempFolder folder(L"porvan-replace");
  TWin32FileSystem files;
  const TPath path(folder.Path() + L"Porvan.ini");
  ASSERT_TRUE(files.SaveFile(path, "old"));
  // A folder where the temporary file would go makes the write fail before the file is touched.
  ASSERT_TRUE(CreateDirectoryW((folder.Path() + L"Porvan.ini.new").c_str(), nullptr));
  EXPECT_FALSE(files.SaveFile(path, "new"));
  EXPECT_EQ(files.LoadFile(path).value_or("<none>"), "old");
}

TEST(Win32SeamsTest, ReadsTheVersionResourceOfPorvanExe) {
  TWin32VersionResource version;
  auto block = version.Load(testing::PorvanExePath());
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->QueryValue("StringFileInfo\\041203B5\\FileVersion").value_or("?"), "1.5.0.0");
  EXPECT_EQ(block->QueryValue("StringFileInfo\\041203B5\\ProductVersion").value_or("?"), "1.0.0.0");
  EXPECT_EQ(block->QueryValue("StringFileInfo\\041203B5\\CompanyName").value_or("?"), "");
  EXPECT_FALSE(block->QueryValue("StringFileInfo\\040904B0\\FileVersion").has_value());
}

TEST(Win32SeamsTest, AnExecutableWithoutVersionResourceHasNone) {
  TWin32VersionResource version;
  TWin32ProcessInfo process;  // the test executable carries no version resource
  EXPECT_EQ(version.Load(process.ExecutablePath()), nullptr);
}

TEST(Win32SeamsTest, CodePageMatchesTheNativeTables) {
  EXPECT_EQ(Utf8ToCp949("가"), "\xB0\xA1");
  EXPECT_EQ(Utf8ToCp949("Porvan 접근통제 시스템"),
            "Porvan \xC1\xA2\xB1\xD9\xC5\xEB\xC1\xA6 \xBD\xC3\xBD\xBA\xC5\xDB");
  EXPECT_EQ(Cp949ToUtf16("a\xB0"), u"a\uFFFD");
  EXPECT_EQ(Cp949ToUtf16("\xB0\xA1\xFF\xB0\xA1"), u"\uAC00\uFFFD\uAC00");
  EXPECT_EQ(Utf8ToCp949("a\xF0\x9F\x98\x80"
                        "b"),
            "a?b");
}

TEST(Win32SeamsTest, AFileIsReadInBoundsRenamedAndRemoved) {
  TTempFolder folder(L"porvan-journal-" + PathFromUtf8(testing::kForeignFolderName).native());
  TWin32FileSystem files;
  testing::CheckBoundedReadRenameAndRemove(files, folder.Path());
}

}  // namespace
}  // namespace porvan
