// The program-start seam: open a program file as a separate process, as the shell does.
#pragma once

#include "platform/path.h"

namespace porvan {

// Contract
// - A relative `path` is taken from the current directory, which the
//   started program also inherits.
// - The program gets no arguments and its own window shown normally; the caller does not wait
//   for it and owns nothing of it afterwards.
// - True when the system accepted the start. The system's callers do not report a failure; the
//   result is there for tests and for callers that may come to care.
class IProgramLauncher {
 public:
  virtual ~IProgramLauncher() = default;
  virtual bool Open(const TPath& path) = 0;
};

}  // namespace porvan
