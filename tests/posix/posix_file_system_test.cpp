// The file seam on Linux: bounded reads, renaming over a file, removal of what may not be there.
#include "posix/posix_file_system.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "common/path_text.h"
#include "support/file_seam_checks.h"
#include "support/foreign_names.h"

namespace porvan {
namespace {

TEST(PosixFileSystemTest, AFileIsReadInBoundsRenamedAndRemoved) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      PathFromUtf8("porvan-files-" + std::to_string(getpid()) + " " + testing::kForeignFolderName);
  std::filesystem::create_directories(folder);
  TPosixFileSystem files;
  testing::CheckBoundedReadRenameAndRemove(files, PathWithSuffix(folder, "/"));
  EXPECT_FALSE(files.LoadFileHead(folder.string(), 10).has_value());  // a directory
  EXPECT_FALSE(files.RemoveFile(folder.string()));                    // is not removed
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace porvan
