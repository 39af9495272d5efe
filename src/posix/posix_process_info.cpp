// The process seam on POSIX systems: /proc/self/exe and the joined argv.
#include "posix/posix_process_info.h"

#include <unistd.h>

#include <array>

namespace porvan {

TPosixProcessInfo::TPosixProcessInfo(int argc, const char* const* argv) {
  for (int i = 0; i < argc; ++i) {
    std::string argument(argv[i]);
    bool needsQuotes = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
    commandLine_ += (i > 0 ? " " : "");
    commandLine_ += needsQuotes ? "\"" + argument + "\"" : argument;
  }
}

TPath TPosixProcessInfo::ExecutablePath() {
  std::array<char, 4096> buffer{};
  ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  return length > 0 ? TPath(std::string(buffer.data(), static_cast<std::size_t>(length))) : TPath();
}

std::string TPosixProcessInfo::CommandLine() {
  return commandLine_;
}

}  // namespace porvan
