// What every platform's file seam must do alike with the files the access journal uses.
#include "support/file_seam_checks.h"

#include <gtest/gtest.h>

#include "common/path_text.h"
#include "platform/file_system.h"

namespace porvan::testing {

void CheckBoundedReadRenameAndRemove(IFileSystem& files, const TPath& folder) {
  const TPath path = PathWithSuffix(folder, "Porvan.journal");
  const TPath aside = PathWithSuffix(path, ".damaged-1");
  const std::size_t size = 40003;
  EXPECT_FALSE(files.LoadFileHead(path, 4).has_value());
  ASSERT_TRUE(files.SaveFile(path, std::string(size - 3, 'x') + "end"));
  EXPECT_EQ(files.LoadFileHead(path, 5).value_or("<none>"), "xxxxx");
  EXPECT_EQ(files.LoadFileHead(path, size - 2).value_or("<none>").size(), size - 2);
  EXPECT_EQ(files.LoadFileHead(path, 99999).value_or("<none>").size(), size);
  EXPECT_EQ(files.LoadFile(path).value_or("<none>").size(), size);

  ASSERT_TRUE(files.SaveFile(aside, "older"));
  EXPECT_TRUE(files.RenameFile(path, aside));  // replaces what was there
  EXPECT_FALSE(files.IsFile(path));
  EXPECT_EQ(files.LoadFile(aside).value_or("<none>").size(), size);
  EXPECT_FALSE(files.RenameFile(path, aside));

  EXPECT_TRUE(files.RemoveFile(aside));
  EXPECT_FALSE(files.IsFile(aside));
  EXPECT_TRUE(files.RemoveFile(aside));  // nothing there is as good as removed
  const char separator = PathToUtf8(folder).back();
  EXPECT_TRUE(
      files.RemoveFile(PathWithSuffix(folder, std::string("no-such-folder") + separator + "x")));
}

}  // namespace porvan::testing
