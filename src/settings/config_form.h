// TfmConfig: the settings dialog's form logic: the two program paths and the desktop shortcut.
#pragma once

#include "platform/controls.h"
#include "platform/dialog_controls.h"
#include "platform/dialog_host.h"
#include "platform/platform.h"

namespace porvan {

// The notice for a picked program whose path the settings file (CP949) cannot hold, UTF-8; the
// path follows it, each such character shown as "?", then kUnstorablePathAdvice.
inline constexpr const char* kUnstorablePathText =
    "선택한 파일의 경로에 설정 파일에 저장할 수 없는 문자가 있습니다 (? 로 표시):\r";
inline constexpr const char* kUnstorablePathAdvice =
    "\r\r한글과 영문 이름의 폴더에 있는 프로그램을 선택해주세요";

// The controls the form logic reaches, named as the dialog names them.
struct TfmConfigControls {
  IEditBox& fFTPPath;  // the FTP program's path, under "FTP 접속 프로그램 설정"
  IEditBox& fSSHPath;  // the SSH program's path, under "SSH 접속 프로그램 설정"
  IEditBox& fUrl;      // "바로가기 도메인 : "; turns what is typed into lower case itself
  IDropDownList& fClientType;  // "도메인 접속후 실행 프로그램 : " 실행안함, FTP or SSH
  ICheckBox& isMinimize;       // "바로가기 실행시 프로그램 최소화 :"
  IDialogHost& Window;         // the dialog itself
};

// Reads and writes the program paths through SysVar, which must exist for the form's lifetime.
class TfmConfig : public TfmConfigControls {
 public:
  TfmConfig(TPlatform& platform, const TfmConfigControls& controls);

  void FormActivate();
  // Shared by the buttons of both path boxes; `sender` is the box whose button was pressed. A
  // pick the settings file cannot hold is refused with a notice, and the box keeps its text.
  void fPathButtonClick(IEditBox& sender);
  // Stores both paths and closes with OK. When the settings file cannot be written the error
  // box says so and the dialog stays open; after a failed FTP write the SSH path is not stored.
  void btnOkClick();
  void btnCancelClick();
  // True when the key closed the dialog (Escape, as Cancel); every other key is left alone.
  bool FormKeyDown(int key);
  // Checks the domain with the server, asks, and writes the shortcut to the desktop.
  void btnMakeShortcutClick();

 private:
  bool IsValidDomain(const std::string& domain);

  TPlatform& platform_;
};

}  // namespace porvan
