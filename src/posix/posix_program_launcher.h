// The program-start seam on POSIX systems.
#pragma once

#include "platform/program_launcher.h"

namespace porvan {

// Starts the file as a detached process (its own session, reaped by init), with no arguments.
class TPosixProgramLauncher : public IProgramLauncher {
 public:
  bool Open(const TPath& path) override;
};

}  // namespace porvan
