// The settings file beside the executable: its path, and single reads and writes of one key.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "common/path_text.h"

namespace porvan {

class IFileSystem;
class IProcessInfo;

// The executable's path with the extension of its file name (from the last ".") replaced by
// ".ini"; a file name without "." gets ".ini" appended. Both separators count.
TPath SettingsPathFor(const TPath& executablePath);

// Settings are a few short lines; a larger file is no settings file, and would be read and
// parsed whole on every access.
inline constexpr std::uint64_t kMaxSettingsFileBytes = std::uint64_t{1024} * 1024;

// Each read and write opens the file for that one access and works out its path anew, so
// nothing of the file is cached.
class TSettingsFile {
 public:
  // `stem` names the file as SettingsPathFor does; empty: the executable's path.
  TSettingsFile(IFileSystem& files, IProcessInfo& process, TPath stem = {})
      : files_(files), process_(process), stem_(std::move(stem)) {}

  TPath Path() const;
  // Both throw TSettingsError, without loading it, for a file beyond kMaxSettingsFileBytes.
  std::string Read(const std::string& section, const std::string& key) const;
  // Throws TWriteError when the file cannot be written, or when the section, key or value holds
  // a CR, LF or NUL, which would end the line and start keys of its own; the file is then left
  // as it was.
  void Write(const std::string& section, const std::string& key, const std::string& value);

 private:
  std::string Load(const TPath& path) const;

  IFileSystem& files_;
  IProcessInfo& process_;
  const TPath stem_;
};

}  // namespace porvan
