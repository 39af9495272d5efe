// Which file names a downloaded installer may be saved under.
#include "update/installer_name.h"

#include <array>

#include "common/text_bytes.h"

namespace porvan {

namespace {

constexpr std::string_view kRefusedBytes = "<>:\"/\\|?*";

bool HasRefusedByte(std::string_view name) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127 || kRefusedBytes.find(c) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

// Windows opens the device for these names whatever extension follows, and also when blanks
// stand before the extension ("CON .exe").
bool IsDeviceName(std::string_view name) {
  static constexpr std::array<std::string_view, 24> kDevices = {
      "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3",   "COM4",
      "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2",   "LPT3",
      "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9", "CONIN$", "CONOUT$"};
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') {
    stem.remove_suffix(1);
  }
  for (const std::string_view device : kDevices) {
    if (EqualsNoCase(stem, device)) {
      return true;
    }
  }
  return false;
}

bool HasInstallerExtension(std::string_view name, const std::vector<std::string>& extensions) {
  for (const std::string& extension : extensions) {
    // ".exe" alone names no file.
    if (name.size() > extension.size() &&
        EqualsNoCase(name.substr(name.size() - extension.size()), extension)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool IsInstallerFileName(std::string_view name, const std::vector<std::string>& extensions) {
  return HasInstallerExtension(name, extensions) && !HasRefusedByte(name) &&
         name.find("..") == std::string_view::npos && name.front() != ' ' && !IsDeviceName(name);
}

}  // namespace porvan
