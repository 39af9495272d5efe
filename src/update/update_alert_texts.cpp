// The update alert's fixed texts, CP949.
#include "update/update_alert_texts.h"

#include "platform/code_page.h"

namespace porvan {

const std::string& UpdateAlertCaption() {
  static const std::string text = Utf8ToCp949("Porvan 접근통제 시스템 업데이트");
  return text;
}

const std::string& UpdateAlertLabel1() {
  static const std::string text = Utf8ToCp949("Porvan 접근제어 시스템이 업데이트 되었습니다.");
  return text;
}

const std::string& UpdateAlertLabel2() {
  static const std::string text = Utf8ToCp949(
      "업데이트를 하지 않으실 경우, 서비스 실행이 정상적으로 이루어지지 않을 수 있습니다");
  return text;
}

const std::string& UpdateAlertRunText() {
  static const std::string text = Utf8ToCp949("업데이트 실행");
  return text;
}

const std::string& UpdateAlertQuitText() {
  static const std::string text = Utf8ToCp949("프로그램 종료");
  return text;
}

const std::string& UpdateAlertSkipText() {
  static const std::string text = Utf8ToCp949("업데이트 안함");
  return text;
}

const std::string& UpdateAlertNoTempText() {
  static const std::string text =
      Utf8ToCp949("임시 폴더를 찾을 수 없어 업데이트를 내려받을 수 없습니다.");
  return text;
}

}  // namespace porvan
