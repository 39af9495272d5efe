// The process seam on Windows.
#pragma once

#include "platform/process_info.h"

namespace porvan {

class TWin32ProcessInfo : public IProcessInfo {
 public:
  std::string ExecutablePath() override;
  std::string CommandLine() override;
};

}  // namespace porvan
