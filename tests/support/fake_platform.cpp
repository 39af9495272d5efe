// In-memory fakes of the platform seams.
#include "support/fake_platform.h"

#include <algorithm>
#include <utility>

#include "common/library_load_error.h"
#include "common/path_text.h"
#include "settings/settings_file.h"

namespace porvan::testing {

std::optional<std::string> FakeFileSystem::LoadFile(const TPath& filePath) {
  const std::string path = PathToUtf8(filePath);
  auto found = Files.find(path);
  if (found == Files.end() || Unreadable.count(path) > 0) {
    return std::nullopt;
  }
  return found->second;
}

std::optional<std::uint64_t> FakeFileSystem::FileSize(const TPath& filePath) {
  const std::string path = PathToUtf8(filePath);
  auto found = Files.find(path);
  if (found == Files.end()) {
    return std::nullopt;
  }
  return found->second.size();
}

std::optional<std::string> FakeFileSystem::LoadFileHead(const TPath& path, std::size_t limit) {
  std::optional<std::string> bytes = LoadFile(path);
  if (bytes) {
    bytes->resize(std::min(bytes->size(), limit));
  }
  return bytes;
}

bool FakeFileSystem::RemoveFile(const TPath& filePath) {
  const std::string path = PathToUtf8(filePath);
  if (FailRemoves || FailWrites) {
    return !IsFile(path);
  }
  Files.erase(path);
  return true;
}

bool FakeFileSystem::RenameFile(const TPath& fromPath, const TPath& toPath) {
  const std::string from = PathToUtf8(fromPath);
  auto found = Files.find(from);
  if (FailRenames || found == Files.end()) {
    return false;
  }
  Files[PathToUtf8(toPath)] = found->second;
  Files.erase(from);
  Unreadable.erase(from);
  return true;
}

bool FakeFileSystem::SaveFile(const TPath& filePath, std::string_view bytes) {
  const std::string path = PathToUtf8(filePath);
  if (FailWrites) {
    return false;
  }
  ++Writes;
  Files[path] = std::string(bytes);
  return true;
}

TSignatureFacts FakeFileSignatures::Check(const TPath& filePath) {
  const std::string path = PathToUtf8(filePath);
  Checked.push_back(path);
  const auto found = Facts.find(path);
  return found != Facts.end() ? found->second
                              : TSignatureFacts{.Result = 0x800B0100, .Subject = ""};
}

namespace {

class FakeVersionBlock : public IVersionBlock {
 public:
  explicit FakeVersionBlock(std::map<std::string, std::string> values)
      : values_(std::move(values)) {}
  std::optional<std::string> QueryValue(const std::string& subBlock) const override {
    auto found = values_.find(subBlock);
    if (found == values_.end()) {
      return std::nullopt;
    }
    return found->second;
  }

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace

std::unique_ptr<IVersionBlock> FakeVersionResource::Load(const TPath& /*executablePath*/) {
  if (LibraryMissing) {
    throw TLibraryLoadError({.Library = "version.dll", .SystemMessage = "Module not found."});
  }
  if (!HasResource) {
    return nullptr;
  }
  return std::make_unique<FakeVersionBlock>(Values);
}

int FakeMessageBox::Show(const std::string& text, const std::string& caption, unsigned flags) {
  Shown.push_back({text, caption, flags});
  ShownOn.push_back(std::this_thread::get_id());
  if (Answers.empty()) {
    return mb::kIdOk;
  }
  int answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::string TFakePlatform::SettingsPath() const {
  return PathToUtf8(SettingsPathFor(PathFromUtf8(Process.Path)));
}

TPlatform TFakePlatform::With(const TSeamsInstead& instead, TDesktopConventions conventions) {
  // The references of a TPlatform are set once; a new one is made with the replacements.
  return {Platform.Files,
          Platform.Process,
          Platform.Version,
          Platform.Messages,
          Platform.Sockets,
          instead.Network != nullptr ? *instead.Network : Platform.Network,
          Platform.Launcher,
          instead.ShellFolders != nullptr ? *instead.ShellFolders : Platform.ShellFolders,
          instead.ShellLinks != nullptr ? *instead.ShellLinks : Platform.ShellLinks,
          Platform.OpenDialog,
          Platform.Urls,
          Platform.UrlTransfer,
          Platform.TempPath,
          Platform.Signatures,
          Platform.Instances,
          instead.Waits != nullptr ? *instead.Waits : Platform.Waits,
          std::move(conventions)};
}

}  // namespace porvan::testing
