// Running a helper program (a dialog, a URL handler) found on PATH and waiting for it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace porvan {

struct TProgramRun {
  int ExitStatus = -1;  // the program's exit status; -1 when it ended by a signal
  std::string Output;   // what it wrote to its standard output
};

// Starts `arguments[0]` from PATH with the arguments as they stand (no shell), reads its output
// to the end and waits for it. Nothing when it could not be started.
std::optional<TProgramRun> RunProgram(const std::vector<std::string>& arguments);

}  // namespace porvan
