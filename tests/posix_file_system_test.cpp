// The file seam on Linux: bounded reads, renaming over a file, removal of what may not be there.
#include "posix/posix_file_system.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace porvan {
namespace {

TEST(PosixFileSystemTest, AFileIsReadInBoundsRenamedAndRemoved) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("porvan-files-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  TPosixFileSystem files;
  const std::string path = (folder / "Porvan.journal").string();
  const std::string aside = path + ".damaged-1";
  EXPECT_FALSE(files.LoadFileHead(path, 4).has_value());
  ASSERT_TRUE(files.SaveFile(path, std::string(40000, 'x') + "end"));
  EXPECT_EQ(files.LoadFileHead(path, 5).value_or("<none>"), "xxxxx");
  EXPECT_EQ(files.LoadFileHead(path, 40001).value_or("<none>").size(), 40001u);
  EXPECT_EQ(files.LoadFileHead(path, 99999).value_or("<none>").size(), 40003u);
  EXPECT_EQ(files.LoadFile(path).value_or("<none>").size(), 40003u);
  EXPECT_FALSE(files.LoadFileHead(folder.string(), 10).has_value());  // a directory

  ASSERT_TRUE(files.SaveFile(aside, "older"));
  EXPECT_TRUE(files.RenameFile(path, aside));  // replaces what was there
  EXPECT_FALSE(files.IsFile(path));
  EXPECT_EQ(files.LoadFile(aside).value_or("<none>").size(), 40003u);
  EXPECT_FALSE(files.RenameFile(path, aside));

  EXPECT_TRUE(files.RemoveFile(aside));
  EXPECT_FALSE(files.IsFile(aside));
  EXPECT_TRUE(files.RemoveFile(aside));  // nothing there is as good as removed
  EXPECT_TRUE(files.RemoveFile((folder / "no-such-folder" / "x").string()));
  EXPECT_FALSE(files.RemoveFile(folder.string()));  // a directory is not removed
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace porvan
