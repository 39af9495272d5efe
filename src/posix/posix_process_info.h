// The process seam on POSIX systems.
#pragma once

#include <string>
#include <vector>

#include "platform/process_info.h"

namespace porvan {

class TPosixProcessInfo : public IProcessInfo {
 public:
  // argv is joined back into one command line, each argument with blanks in double quotes.
  TPosixProcessInfo(int argc, const char* const* argv);
  TPath ExecutablePath() override;
  std::string CommandLine() override;

 private:
  std::string commandLine_;
};

}  // namespace porvan
