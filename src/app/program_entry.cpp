// The first steps of the program: creating SysVar, and the error report when that fails.
#include "app/program_entry.h"

#include <exception>

#include "common/notice.h"
#include "settings/run_state.h"

namespace porvan {

bool CreateSysVar(TPlatform& platform) {
  try {
    SysVar = std::make_unique<TSysVar>(platform);
    return true;
  } catch (const std::exception& error) {
    // A settings file that cannot be written, or a system library that cannot be loaded.
    ShowErrorReport(platform.Messages, error.what());
    return false;
  }
}

void DestroySysVar() {
  SysVar.reset();
}

}  // namespace porvan
