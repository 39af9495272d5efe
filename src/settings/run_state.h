// TSysVar: the settings and the state of the run that every window shares, and its one instance.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "server/version_check.h"
#include "settings/settings_file.h"
#include "settings/version_info.h"

namespace porvan {

class TSysVar {
 public:
  // Reads the two program paths (writing defaults back), the version strings and the command
  // line. Throws TWriteError when the settings file cannot be written.
  explicit TSysVar(TPlatform& platform);

  std::string FTPPath;
  std::string SSHPath;
  std::string ServerURL;
  std::int32_t IsFTPOpen = 0;
  std::string ConnectedDomain;
  std::string ClientIP;
  std::int32_t IsSSHOpen = 0;
  bool IsOffline = false;
  std::string UpdateURL;
  bool StartMinimized = false;
  std::string ShortcutDomain;
  std::string ShortcutClientType;
  TVersionInfo VersionInfo;

  // Key `name` of section "config"; an empty value is replaced by the key's default, which is
  // written back.
  std::string ReadConfig(const std::string& name);
  void WriteConfig(const std::string& name, const std::string& value);

  std::string GetFTPPath();
  std::string GetSSHPath();
  std::string GetServerURL();
  void SetFTPPath(const std::string& value);
  void SetSSHPath(const std::string& value);

  void LoadVersionInfo();
  void ReadCommandLine();

  // Sets IsOffline, and ClientIP when online: the platform's answer, then the server's.
  void CheckConnection();
  // Asks the server about VersionInfo.FileVersion; UpdateAvailable sets UpdateURL. NoAnswer
  // (no reply, or one the check cannot read) is left to the caller to report.
  TVersionCheck IsLatestVersion();
  // Start the configured client program, or show the notice that says why not.
  void ExecuteFTP();
  void ExecuteSSH();

  TPlatform& Platform() { return platform_; }

 private:
  std::string GetField(std::string& field, const std::string& key);

  TPlatform& platform_;
  TSettingsFile settings_;
};

// The process-wide instance: created by the entry before the first window, destroyed after the
// message loop has ended.
extern std::unique_ptr<TSysVar> SysVar;

}  // namespace porvan
