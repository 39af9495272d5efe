// The file seam on Windows.
#pragma once

#include "platform/file_system.h"

namespace porvan {

class TWin32FileSystem : public IFileSystem {
 public:
  std::optional<std::string> LoadFile(const TPath& path) override;
  std::optional<std::string> LoadFileHead(const TPath& path, std::size_t limit) override;
  bool SaveFile(const TPath& path, std::string_view bytes) override;
  bool IsFile(const TPath& path) override;
  std::optional<std::uint64_t> FileSize(const TPath& path) override;
  bool RemoveFile(const TPath& path) override;
  bool RenameFile(const TPath& from, const TPath& to) override;
};

}  // namespace porvan
