// The file seam on Windows.
#pragma once

#include "platform/file_system.h"

namespace porvan {

class TWin32FileSystem : public IFileSystem {
 public:
  std::optional<std::string> LoadFile(const std::string& path) override;
  std::optional<std::string> LoadFileHead(const std::string& path, std::size_t limit) override;
  bool SaveFile(const std::string& path, std::string_view bytes) override;
  bool IsFile(const std::string& path) override;
  std::optional<std::uint64_t> FileSize(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
};

}  // namespace porvan
