// Benchmark: what a program's wait adds to an open request, against the same request on the
// calling thread, for the wait the program itself uses (Windows or Linux).
#pragma once

#include <functional>
#include <string>

#include "platform/gui_wait.h"

namespace porvan::bench {

// What a wait is measured with: the wait itself, and one bare hand-off of an empty job to the
// worker that wait uses and back, the least any wait on a worker can cost.
struct TWaitUnderTest {
  IGuiWait& Wait;
  std::function<void()> BareHandOff;
  std::string Platform;  // the start of every key printed
};

// Times `rounds` open requests of `domain` to each of two servers: one on loopback in this
// process that answers at once, and the development server at `serverUrl`, which answers as
// the server script does. Each round times one request waited for on the wait and one on the
// calling thread, each first in turn; then the bare hand-off. Prints "key value" lines for
// tools/bench/table.py; false after printing why when a request failed.
bool PrintWaitedRoundTrips(const TWaitUnderTest& wait, const std::string& serverUrl,
                           const std::string& domain, int rounds);

// Reads the arguments of the wait benchmarks, "<development server URL> <domain> [rounds]", and
// runs PrintWaitedRoundTrips; the exit code.
int RunWaitBench(const TWaitUnderTest& wait, int argc, char** argv);

}  // namespace porvan::bench
