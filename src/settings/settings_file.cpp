// The settings file beside the executable.
#include "settings/settings_file.h"

#include <string_view>

#include "common/path_text.h"
#include "platform/file_system.h"
#include "platform/process_info.h"
#include "settings/profile_file.h"
#include "settings/write_error.h"

namespace porvan {

namespace {

bool HoldsLineEnd(const std::string& text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
}

}  // namespace

TPath SettingsPathFor(const TPath& path) {
  // Separators and "." are ASCII, so they are found in the UTF-8 form byte by byte.
  const std::string executablePath = PathToUtf8(path);
  std::size_t nameStart = executablePath.find_last_of("\\/");
  nameStart = (nameStart == std::string::npos) ? 0 : nameStart + 1;
  std::size_t dot = executablePath.rfind('.');
  if (dot == std::string::npos || dot < nameStart) {
    return PathFromUtf8(executablePath + ".ini");
  }
  return PathFromUtf8(executablePath.substr(0, dot) + ".ini");
}

TPath TSettingsFile::Path() const {
  return SettingsPathFor(stem_.empty() ? process_.ExecutablePath() : stem_);
}

std::string TSettingsFile::Load(const TPath& path) const {
  if (files_.FileSize(path).value_or(0) > kMaxSettingsFileBytes) {
    throw TSettingsError("The settings file " + PathDisplayText(path) +
                         " is larger than 1 MiB and was not read");
  }
  return files_.LoadFile(path).value_or(std::string());
}

std::string TSettingsFile::Read(const std::string& section, const std::string& key) const {
  return ReadProfileValue(Load(Path()), section, key);
}

void TSettingsFile::Write(const std::string& section, const std::string& key,
                          const std::string& value) {
  const TPath path = Path();
  if (HoldsLineEnd(section) || HoldsLineEnd(key) || HoldsLineEnd(value)) {
    throw TWriteError(PathDisplayText(path), "a setting may not hold a line break or NUL");
  }
  const std::string bytes = Load(path);
  // A file that is there but cannot be read would be replaced by this one key alone, and every
  // other setting lost.
  if (bytes.empty() && files_.IsFile(path) && !files_.LoadFile(path)) {
    throw TWriteError(PathDisplayText(path), "the file there could not be read");
  }
  if (!files_.SaveFile(path, WriteProfileValue(bytes, section, key, value))) {
    throw TWriteError(PathDisplayText(path));
  }
}

}  // namespace porvan
