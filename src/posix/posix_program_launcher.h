// The program-start seam on POSIX systems, and the desktop's opener for downloaded files.
#pragma once

#include <string>
#include <vector>

#include "platform/program_launcher.h"

namespace porvan {

// Starts arguments[0] (a path) with the rest as its arguments, as a detached process (its own
// session, reaped by init). True when the program was executed.
bool StartDetached(const std::vector<std::string>& arguments);

// Starts the file itself, with no arguments.
class TPosixProgramLauncher : public IProgramLauncher {
 public:
  bool Open(const std::string& path) override { return StartDetached({path}); }
};

// Hands the file to the desktop's opener (xdg-open), which picks the program for its type; the
// file itself is never run.
class TPosixFileOpener : public IProgramLauncher {
 public:
  explicit TPosixFileOpener(std::string opener = "/usr/bin/xdg-open")
      : opener_(std::move(opener)) {}
  bool Open(const std::string& path) override { return StartDetached({opener_, path}); }

 private:
  std::string opener_;
};

}  // namespace porvan
