// The folder of the running executable, and paths of files beside it.
#include "settings/executable_folder.h"

#include "platform/platform.h"
#include "platform/process_info.h"

namespace porvan {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace

std::string ExecutableFolder(const std::string& executablePath) {
  const std::size_t last = executablePath.find_last_of("\\/:");
  if (last == std::string::npos) {
    return {};
  }
  std::size_t end = last + 1;
  // A separator stays only where it is the root itself: "\" or the one after "C:".
  const bool isRoot =
      last == 0 || IsSeparator(executablePath[last - 1]) || executablePath[last - 1] == ':';
  if (IsSeparator(executablePath[last]) && !isRoot) {
    --end;
  }
  return executablePath.substr(0, end);
}

std::string StateFileStem(TPlatform& platform) {
  const std::string& stem = platform.Conventions.StateFileStem;
  return stem.empty() ? platform.Process.ExecutablePath() : stem;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
  if (folder.empty() || IsSeparator(folder.back())) {
    return folder + name;
  }
  return folder + "\\" + name;
}

}  // namespace porvan
