// The folder of the running executable, and paths of files beside it.
#include "settings/executable_folder.h"

#include "common/path_text.h"
#include "platform/platform.h"
#include "platform/process_info.h"

namespace porvan {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace

// Separators are ASCII, so they are found in the path's UTF-8 form byte by byte.
TPath ExecutableFolder(const TPath& path) {
  const std::string executablePath = PathToUtf8(path);
  const std::size_t last = executablePath.find_last_of("\\/:");
  if (last == std::string::npos) {
    return TPath();
  }
  std::size_t end = last + 1;
  // A separator stays only where it is the root itself: "\" or the one after "C:".
  const bool isRoot =
      last == 0 || IsSeparator(executablePath[last - 1]) || executablePath[last - 1] == ':';
  if (IsSeparator(executablePath[last]) && !isRoot) {
    --end;
  }
  return PathFromUtf8(executablePath.substr(0, end));
}

TPath StateFileStem(TPlatform& platform) {
  const TPath& stem = platform.Conventions.StateFileStem;
  return stem.empty() ? platform.Process.ExecutablePath() : stem;
}

TPath PathInFolder(const TPath& folderPath, const TPath& name) {
  const std::string folder = PathToUtf8(folderPath);
  if (folder.empty() || IsSeparator(folder.back())) {
    return PathFromUtf8(folder + PathToUtf8(name));
  }
  return PathFromUtf8(folder + "\\" + PathToUtf8(name));
}

}  // namespace porvan
