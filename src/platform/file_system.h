// The file seam: whole-file reads, replacing writes, removal and renaming by path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/path.h"

namespace porvan {

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;

  // The file's bytes, or nothing when it is missing or cannot be read.
  virtual std::optional<std::string> LoadFile(const TPath& path) = 0;

  // The file's first `limit` bytes (all of it when shorter), or nothing as for LoadFile: a file
  // of any size is read into bounded memory.
  virtual std::optional<std::string> LoadFileHead(const TPath& path, std::size_t limit) = 0;

  // Writes the bytes beside the file, then puts them in its place, so a failed or interrupted
  // write never leaves a truncated file. False when the file could not be written.
  virtual bool SaveFile(const TPath& path, std::string_view bytes) = 0;

  // True for an existing regular file; false for a directory or nothing.
  virtual bool IsFile(const TPath& path) = 0;

  // The size in bytes of an existing regular file; nothing when there is none.
  virtual std::optional<std::uint64_t> FileSize(const TPath& path) = 0;
  // Deletes the file. True when no file is at the path afterwards, also when there was none.
  virtual bool RemoveFile(const TPath& path) = 0;

  // Gives the file a new name, replacing a file of that name. False when it could not.
  virtual bool RenameFile(const TPath& from, const TPath& to) = 0;
};

}  // namespace porvan
