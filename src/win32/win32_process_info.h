// The process seam on Windows.
#pragma once

#include "platform/process_info.h"

namespace porvan {

class TWin32ProcessInfo : public IProcessInfo {
 public:
  TPath ExecutablePath() override;
  std::string CommandLine() override;
};

}  // namespace porvan
