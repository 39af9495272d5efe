// The settings file beside the executable.
#include "settings/settings_file.h"

#include "platform/file_system.h"
#include "platform/process_info.h"
#include "settings/profile_file.h"
#include "settings/write_error.h"

namespace porvan {

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
  return SettingsPathFor(process_.ExecutablePath());
}

std::string TSettingsFile::Read(const std::string& section, const std::string& key) const {
  std::optional<std::string> bytes = files_.LoadFile(Path());
  return bytes ? ReadProfileValue(*bytes, section, key) : std::string();
}

void TSettingsFile::Write(const std::string& section, const std::string& key,
                          const std::string& value) {
  const std::string path = Path();
  std::string bytes = files_.LoadFile(path).value_or(std::string());
  if (!files_.SaveFile(path, WriteProfileValue(bytes, section, key, value))) {
    throw TWriteError(path);
  }
}

}  // namespace porvan
