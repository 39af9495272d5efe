// Fakes of the connection-state and program-start seams: a switch, and a record of starts.
#pragma once

#include <string>
#include <vector>

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

class FakeProgramLauncher : public IProgramLauncher {
 public:
  std::vector<std::string> Opened;

  bool Open(const std::string& path) override {
    Opened.push_back(path);
    return true;
  }
};

}  // namespace porvan::testing
