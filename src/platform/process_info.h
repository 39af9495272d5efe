// The process seam: where the running executable is and how it was started.
#pragma once

#include <string>

#include "platform/path.h"

namespace porvan {

class IProcessInfo {
 public:
  virtual ~IProcessInfo() = default;

  // Full path of the running executable.
  virtual TPath ExecutablePath() = 0;

  // The raw command line of the process, program path included, CP949 (on Windows the text
  // the process was started with, not the C runtime's argv).
  virtual std::string CommandLine() = 0;
};

}  // namespace porvan
