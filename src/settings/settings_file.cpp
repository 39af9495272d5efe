// The settings file beside the executable.
#include "settings/settings_file.h"

#include <string_view>

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

std::string SettingsPathFor(const std::string& executablePath) {
  std::size_t nameStart = executablePath.find_last_of("\\/");
  nameStart = (nameStart == std::string::npos) ? 0 : nameStart + 1;
  std::size_t dot = executablePath.rfind('.');
  if (dot == std::string::npos || dot < nameStart) {
    return executablePath + ".ini";
  }
  return executablePath.substr(0, dot) + ".ini";
}

std::string TSettingsFile::Path() const {
  return SettingsPathFor(stem_.empty() ? process_.ExecutablePath() : stem_);
}

std::string TSettingsFile::Load(const std::string& path) const {
  if (files_.FileSize(path).value_or(0) > kMaxSettingsFileBytes) {
    throw TSettingsError("The settings file " + path + " is larger than 1 MiB and was not read");
  }
  return files_.LoadFile(path).value_or(std::string());
}

std::string TSettingsFile::Read(const std::string& section, const std::string& key) const {
  return ReadProfileValue(Load(Path()), section, key);
}

void TSettingsFile::Write(const std::string& section, const std::string& key,
                          const std::string& value) {
  const std::string path = Path();
  if (HoldsLineEnd(section) || HoldsLineEnd(key) || HoldsLineEnd(value)) {
    throw TWriteError(path, "a setting may not hold a line break or NUL");
  }
  const std::string bytes = Load(path);
  if (!files_.SaveFile(path, WriteProfileValue(bytes, section, key, value))) {
    throw TWriteError(path);
  }
}

}  // namespace porvan
