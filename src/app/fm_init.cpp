// TfmInit: the splash that checks the connection at start and closes with the outcome.
#include "app/fm_init.h"

#include "platform/code_page.h"
#include "platform/controls.h"
#include "platform/dialog_host.h"
#include "settings/sys_var.h"

namespace porvan {

const std::string& InitCheckingStateText() {
  static const std::string text = Utf8ToCp949("포반 연결상태 체크중...");
  return text;
}

const std::string& InitCheckingText() {
  static const std::string text = Utf8ToCp949("포반 연결 체크중....");
  return text;
}

const std::string& InitOfflineText() {
  static const std::string text = Utf8ToCp949("인터넷에 연결되어 있지 않습니다");
  return text;
}

const std::string& InitDoneText() {
  static const std::string text = Utf8ToCp949(" 연결 체크 완료 ");
  return text;
}

void TfmInit::FormActivate() {
  dialog_.ProcessMessages();
  dialog_.PostStartup();
}

void TfmInit::WMAppStartup() {
  lblMsg.SetText(InitCheckingText());
  SysVar->CheckConnection();
  if (SysVar->IsOffline) {
    lblMsg.SetText(InitOfflineText());
    dialog_.SetModalResult(kInitOffline);
  } else {
    lblMsg.SetText(InitDoneText());
    dialog_.SetModalResult(kInitOnline);
  }
}

}  // namespace porvan
