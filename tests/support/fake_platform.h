// In-memory fakes of the platform seams, and a TPlatform made of them for the portable code.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/path_text.h"
#include "platform/file_signatures.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/process_info.h"
#include "platform/socket.h"
#include "platform/version_resource.h"
#include "support/fake_instances.h"
#include "support/fake_launch.h"
#include "support/fake_shell.h"
#include "support/fake_url_transfer.h"
#include "support/system_seams.h"
#include "support/thread_gui_wait.h"

namespace porvan::testing {

// Files by their path's UTF-8 form.
class FakeFileSystem : public IFileSystem {
 public:
  std::map<std::string, std::string> Files;
  std::set<std::string> Unreadable;  // present, but reads fail
  bool FailWrites = false;
  bool FailRemoves = false;  // a file stays where it is, as one held open would
  bool FailRenames = false;
  int Writes = 0;

  std::optional<std::string> LoadFile(const TPath& path) override;
  std::optional<std::string> LoadFileHead(const TPath& path, std::size_t limit) override;
  bool SaveFile(const TPath& path, std::string_view bytes) override;
  bool IsFile(const TPath& path) override { return Files.count(PathToUtf8(path)) > 0; }
  std::optional<std::uint64_t> FileSize(const TPath& path) override;
  bool RemoveFile(const TPath& path) override;
  bool RenameFile(const TPath& from, const TPath& to) override;
};

// The executable's path in UTF-8; the command line in CP949.
class FakeProcessInfo : public IProcessInfo {
 public:
  std::string Path = "C:\\Porvan\\Porvan.exe";
  std::string Line = "\"C:\\Porvan\\Porvan.exe\"";

  TPath ExecutablePath() override { return PathFromUtf8(Path); }
  std::string CommandLine() override { return Line; }
};

// Holds the strings of one version table by sub-block; without a resource Load gives null; with
// its library missing Load throws, as the system's version library does when it cannot be loaded.
class FakeVersionResource : public IVersionResource {
 public:
  bool HasResource = true;
  bool LibraryMissing = false;
  std::map<std::string, std::string> Values = {
      {"StringFileInfo\\041203B5\\FileVersion", "1.5.0.0"},
      {"StringFileInfo\\041203B5\\ProductVersion", "1.0.0.0"}};

  std::unique_ptr<IVersionBlock> Load(const TPath& executablePath) override;
};

struct TShownBox {
  std::string Text;
  std::string Caption;
  unsigned Flags;
};

// Records every box and answers from a script; an empty script answers OK.
class FakeMessageBox : public IMessageBox {
 public:
  std::vector<TShownBox> Shown;
  std::vector<std::thread::id> ShownOn;  // the thread of each box: boxes belong to the GUI thread
  std::deque<int> Answers;

  int Show(const std::string& text, const std::string& caption, unsigned flags) override;
};

// Answers the facts set for a path (UTF-8); a path without any is a file without a signature.
class FakeFileSignatures : public IFileSignatures {
 public:
  std::map<std::string, TSignatureFacts> Facts;
  std::vector<std::string> Checked;

  TSignatureFacts Check(const TPath& path) override;
};

// Real seams to put in place of fakes, for the tools that show or write real things; a null one
// leaves its fake.
struct TSeamsInstead {
  INetworkState* Network = nullptr;
  IShellFolders* ShellFolders = nullptr;
  IShellLinks* ShellLinks = nullptr;
  IGuiWait* Waits = nullptr;
};

// The fakes together, with the system's real sockets for loopback servers.
struct TFakePlatform {
  FakeFileSystem Files;
  FakeProcessInfo Process;
  FakeVersionResource Version;
  FakeMessageBox Messages;
  std::unique_ptr<ISocketFactory> Sockets = std::make_unique<TSystemSocketFactory>();
  FakeNetworkState Network;
  FakeProgramLauncher Launcher;
  FakeShellFolders ShellFolders;
  FakeShellLinks ShellLinks;
  FakeOpenFileDialog OpenDialog;
  FakeUrlOpener Urls;
  FakeUrlTransfer UrlTransfer{&Files};
  FakeTempPath TempPath;
  FakeFileSignatures Signatures;
  FakeInstances Instances;
  TThreadGuiWait Waits;
  TPlatform Platform{Files,    Process,      Version,    Messages,   *Sockets, Network,
                     Launcher, ShellFolders, ShellLinks, OpenDialog, Urls,     UrlTransfer,
                     TempPath, Signatures,   Instances,  Waits};

  // The settings file the program at Process.Path uses, UTF-8.
  std::string SettingsPath() const;

  // The fakes with `instead` in their place where given, and the desktop's conventions.
  TPlatform With(const TSeamsInstead& instead, TDesktopConventions conventions);
};

}  // namespace porvan::testing
