// Fakes of the shell seams.
#include "support/fake_shell.h"

namespace porvan::testing {

std::string FakeShellFolders::RegistryShellFolder(const std::string& valueName) {
  const auto found = Registry.find(valueName);
  return found == Registry.end() ? std::string() : found->second;
}

TLinkWriteResult FakeShellLinks::Write(const std::string& linkPath, const TShellLinkFields& link) {
  if (Result.Written()) {
    Written.push_back({linkPath, link});
  }
  return Result;
}

std::optional<std::string> FakeOpenFileDialog::Choose(const TOpenFileRequest& request) {
  Requests.push_back(request);
  if (Answers.empty()) {
    return std::nullopt;
  }
  std::optional<std::string> answer = Answers.front();
  Answers.pop_front();
  return answer;
}

}  // namespace porvan::testing
