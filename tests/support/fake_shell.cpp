// Fakes of the shell seams.
#include "support/fake_shell.h"

#include "common/path_text.h"

namespace porvan::testing {

TPath FakeShellFolders::RegistryShellFolder(const std::string& valueName) {
  const auto found = Registry.find(valueName);
  return found == Registry.end() ? TPath() : PathFromUtf8(found->second);
}

TLinkWriteResult FakeShellLinks::Write(const TPath& linkPath, const TShellLinkFields& link) {
  if (Result.Written()) {
    Written.push_back({PathToUtf8(linkPath), link});
  }
  return Result;
}

std::optional<TPath> FakeOpenFileDialog::Choose(const TOpenFileRequest& request) {
  Requests.push_back(request);
  if (Answers.empty()) {
    return std::nullopt;
  }
  const std::optional<std::string> answer = Answers.front();
  Answers.pop_front();
  if (!answer) {
    return std::nullopt;
  }
  return PathFromUtf8(*answer);
}

}  // namespace porvan::testing
