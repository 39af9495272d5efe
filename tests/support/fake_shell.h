// Fakes of the shell seams: shell folders, links, the file-open dialog and the web link.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/path_text.h"
#include "platform/open_file_dialog.h"
#include "platform/shell_folders.h"
#include "platform/shell_link.h"
#include "platform/url_opener.h"

namespace porvan::testing {

// Registry values by name; the known desktop as a field; paths in UTF-8. Missing values read as
// an empty path.
class FakeShellFolders : public IShellFolders {
 public:
  std::map<std::string, std::string> Registry = {{"Desktop", "C:\\Users\\kim\\Desktop"}};
  std::string KnownDesktop = "C:\\Users\\kim\\KnownDesktop";

  TPath RegistryShellFolder(const std::string& valueName) override;
  TPath KnownDesktopFolder() override { return PathFromUtf8(KnownDesktop); }
};

struct TWrittenLink {
  std::string Path;  // UTF-8
  TShellLinkFields Fields;
};

// Records the links written; Result is what every write answers.
class FakeShellLinks : public IShellLinks {
 public:
  std::vector<TWrittenLink> Written;
  TLinkWriteResult Result;

  TLinkWriteResult Write(const TPath& linkPath, const TShellLinkFields& link) override;
};

// Records the requests; answers from a script of UTF-8 paths, and cancels when the script is
// empty.
class FakeOpenFileDialog : public IOpenFileDialog {
 public:
  std::vector<TOpenFileRequest> Requests;
  std::deque<std::optional<std::string>> Answers;

  std::optional<TPath> Choose(const TOpenFileRequest& request) override;
};

class FakeUrlOpener : public IUrlOpener {
 public:
  std::vector<std::string> Opened;
  bool Succeeds = true;

  bool Open(const std::string& url) override {
    Opened.push_back(url);
    return Succeeds;
  }
};

}  // namespace porvan::testing
