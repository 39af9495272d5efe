// The program-start seam on POSIX systems, and the desktop's opener for downloaded files.
#pragma once

#include <utility>
#include <vector>

#include "common/path_text.h"
#include "platform/program_launcher.h"

namespace porvan {

// Starts arguments[0] (a program's path) with the rest (file paths) as its arguments, as a
// detached process (its own session, reaped by init). True when the program was executed.
bool StartDetached(const std::vector<TPath>& arguments);

// Starts the file itself, with no arguments.
class TPosixProgramLauncher : public IProgramLauncher {
 public:
  bool Open(const TPath& path) override { return StartDetached({path}); }
};

// Hands the file to the desktop's opener (xdg-open), which picks the program for its type; the
// file itself is never run.
class TPosixFileOpener : public IProgramLauncher {
 public:
  explicit TPosixFileOpener(TPath opener = PathFromUtf8("/usr/bin/xdg-open"))
      : opener_(std::move(opener)) {}
  bool Open(const TPath& path) override { return StartDetached({opener_, path}); }

 private:
  TPath opener_;
};

}  // namespace porvan
