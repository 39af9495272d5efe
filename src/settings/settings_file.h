// The settings file beside the executable: its path, and single reads and writes of one key.
#pragma once

#include <string>

namespace porvan {

class IFileSystem;
class IProcessInfo;

// The executable's path with the extension of its file name (from the last ".") replaced by
// ".ini"; a file name without "." gets ".ini" appended. Both separators count.
std::string SettingsPathFor(const std::string& executablePath);

// Each read and write opens the file for that one access and works out its path anew, so
// nothing of the file is cached.
class TSettingsFile {
 public:
  TSettingsFile(IFileSystem& files, IProcessInfo& process) : files_(files), process_(process) {}

  std::string Path() const;
  std::string Read(const std::string& section, const std::string& key) const;
  // Throws TWriteError when the file cannot be written; the file is then left as it was.
  void Write(const std::string& section, const std::string& key, const std::string& value);

 private:
  IFileSystem& files_;
  IProcessInfo& process_;
};

}  // namespace porvan
