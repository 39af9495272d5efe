// The program-start seam on Windows.
#pragma once

#include "platform/program_launcher.h"

namespace porvan {

// The shell's "open" of the file: no owner, no parameters, no working directory, SW_SHOW.
class TWin32ProgramLauncher : public IProgramLauncher {
 public:
  bool Open(const TPath& path) override;
};

}  // namespace porvan
