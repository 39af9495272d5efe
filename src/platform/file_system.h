// The file seam: whole-file reads and replacing writes by a CP949 path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace porvan {

// Paths are the system's CP949 texts; Windows opens them by their UTF-16 form, so folder names
// in any language work.
class IFileSystem {
 public:
  virtual ~IFileSystem() = default;

  // The file's bytes, or nothing when it is missing or cannot be read.
  virtual std::optional<std::string> LoadFile(const std::string& path) = 0;

  // Writes the bytes beside the file, then puts them in its place, so a failed or interrupted
  // write never leaves a truncated file. False when the file could not be written.
  virtual bool SaveFile(const std::string& path, std::string_view bytes) = 0;

  // True for an existing regular file; false for a directory or nothing.
  virtual bool IsFile(const std::string& path) = 0;

  // The size in bytes of an existing regular file; nothing when there is none.
  virtual std::optional<std::uint64_t> FileSize(const std::string& path) = 0;
  // Deletes the file. True when no file is at the path afterwards, also when there was none.
  virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace porvan
