// Fakes of the connection-state and program-start seams: a switch, and a record of starts.
#pragma once

#include <string>
#include <vector>

#include "common/path_text.h"
#include "platform/network_state.h"
#include "platform/program_launcher.h"

namespace porvan::testing {

class FakeNetworkState : public INetworkState {
 public:
  bool Offline = false;
  int Questions = 0;

  bool IsOffline() override {
    ++Questions;
    return Offline;
  }
};

// Records each path it opens, UTF-8.
class FakeProgramLauncher : public IProgramLauncher {
 public:
  std::vector<std::string> Opened;

  bool Open(const TPath& path) override {
    Opened.push_back(PathToUtf8(path));
    return true;
  }
};

}  // namespace porvan::testing
