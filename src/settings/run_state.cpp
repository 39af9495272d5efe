// TSysVar: the settings and the state of the run that every window shares.
#include "settings/run_state.h"

#include <array>
#include <string_view>

#include "common/text_bytes.h"
#include "platform/process_info.h"
#include "platform/version_resource.h"
#include "settings/command_line.h"

namespace porvan {

std::unique_ptr<TSysVar> SysVar;

namespace {

const char* const kSection = "config";

struct TConfigDefault {
  std::string_view name;
  std::string_view value;
};

// Compared exactly and with case, in this order; any other key has an empty default. The client
// programs are the desktop's own.
std::string DefaultFor(const TDesktopConventions& conventions, const std::string& name) {
  const std::array<TConfigDefault, 3> defaults = {{
      {"FTPPath", conventions.DefaultFTPPath},
      {"SSHPath", conventions.DefaultSSHPath},
      {"ServerURL", "http://porvan.example/porvandaemon/communication.php"},
  }};
  for (const TConfigDefault& entry : defaults) {
    if (entry.name == name) {
      return std::string(entry.value);
    }
  }
  return {};
}

}  // namespace

TSysVar::TSysVar(TPlatform& platform)
    : platform_(platform),
      settings_(platform.Files, platform.Process, platform.Conventions.StateFileStem) {
  FTPPath = ReadConfig("FTPPath");
  SSHPath = ReadConfig("SSHPath");
  LoadVersionInfo();
  ReadCommandLine();
}

std::string TSysVar::ReadConfig(const std::string& name) {
  std::string value = settings_.Read(kSection, name);
  if (!value.empty()) {
    return value;
  }
  std::string fallback = DefaultFor(platform_.Conventions, name);
  WriteConfig(name, fallback);
  return fallback;
}

void TSysVar::WriteConfig(const std::string& name, const std::string& value) {
  settings_.Write(kSection, name, value);
}

std::string TSysVar::GetField(std::string& field, const std::string& key) {
  if (TrimBlanks(field).empty()) {
    field = ReadConfig(key);
  }
  return field;
}

std::string TSysVar::GetFTPPath() {
  return GetField(FTPPath, "FTPPath");
}
std::string TSysVar::GetSSHPath() {
  return GetField(SSHPath, "SSHPath");
}
std::string TSysVar::GetServerURL() {
  return GetField(ServerURL, "ServerURL");
}

void TSysVar::SetFTPPath(const std::string& value) {
  FTPPath = value;
  WriteConfig("FTPPath", value);
}

void TSysVar::SetSSHPath(const std::string& value) {
  SSHPath = value;
  WriteConfig("SSHPath", value);
}

void TSysVar::LoadVersionInfo() {
  std::unique_ptr<IVersionBlock> block = platform_.Version.Load(platform_.Process.ExecutablePath());
  if (!block) {
    return;
  }
  std::array<std::string*, VersionNames.size()> fields = {
      &VersionInfo.CompanyName,      &VersionInfo.FileDescription, &VersionInfo.FileVersion,
      &VersionInfo.InternalName,     &VersionInfo.LegalCopyright,  &VersionInfo.LegalTradeMarks,
      &VersionInfo.OriginalFileName, &VersionInfo.ProductName,     &VersionInfo.ProductVersion,
      &VersionInfo.Comments};
  for (std::size_t i = 0; i < VersionNames.size(); ++i) {
    *fields[i] = block->QueryValue(std::string(VersionStringTable) + VersionNames[i])
                     .value_or(std::string());
  }
}

void TSysVar::ReadCommandLine() {
  std::vector<std::string> arguments = SplitCommandLine(platform_.Process.CommandLine());
  if (arguments.size() < 2) {
    return;
  }
  ShortcutDomain = arguments[1];
  ShortcutClientType = arguments.size() > 2 ? arguments[2] : std::string();
  StartMinimized = arguments.size() > 3 && arguments[3] == "true";
}

}  // namespace porvan
