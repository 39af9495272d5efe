// The Linux client's seams: POSIX ones for files, sockets and processes, Qt's for what it shows.
#include "qt/qt_platform.h"

namespace porvan {
namespace {

std::vector<const char*> Pointers(const std::vector<std::string>& arguments) {
  std::vector<const char*> pointers;
  pointers.reserve(arguments.size());
  for (const std::string& argument : arguments) {
    pointers.push_back(argument.c_str());
  }
  return pointers;
}

}  // namespace

TQtPlatform::TQtPlatform(const std::vector<std::string>& arguments, TDesktopConventions conventions)
    : Process(static_cast<int>(arguments.size()), Pointers(arguments).data()),
      Conventions(std::move(conventions)) {}

TPlatform TQtPlatform::With(IProgramLauncher& launcher) {
  return {Files,    Process,      Version,    Messages,   Sockets,    Network,
          launcher, ShellFolders, ShellLinks, OpenDialog, Urls,       UrlTransfer,
          TempPath, Signatures,   Instances,  Waits,      Conventions};
}

}  // namespace porvan
