// What `./dev check-test-command` asks a test to do through PORVAN_TEST_SABOTAGE, shared by the
// test binaries of every framework.
#pragma once

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace porvan::testing {

// Crashes, ends the process with a success code before any summary, or hangs, when asked to;
// otherwise gives the mode asked for ("fail", something unknown, or empty), which the caller's
// framework turns into its own failure.
inline std::string MisbehaveAsAsked() {
  const char* asked = std::getenv("PORVAN_TEST_SABOTAGE");
  const std::string mode = asked != nullptr ? asked : "";
  if (mode == "crash") {
    std::abort();
  }
  if (mode == "quit") {
    std::_Exit(0);
  }
  if (mode == "hang") {
    for (;;) {
      std::this_thread::sleep_for(std::chrono::seconds(1));
    }
  }
  return mode;
}

}  // namespace porvan::testing
