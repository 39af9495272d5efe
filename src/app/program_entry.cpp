// The first steps of the program: creating SysVar, and the error report when that fails.
#include "app/program_entry.h"

#include "common/notice.h"
#include "settings/sys_var.h"
#include "settings/write_error.h"

namespace porvan {

bool CreateSysVar(TPlatform& platform) {
  try {
    SysVar = std::make_unique<TSysVar>(platform);
    return true;
  } catch (const TSettingsError& error) {
    ShowErrorReport(platform.Messages, error.what());
    return false;
  }
}

void DestroySysVar() {
  SysVar.reset();
}

}  // namespace porvan
