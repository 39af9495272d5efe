// TfmConfig: the settings dialog's form logic.
#include "settings/config_form.h"

#include <algorithm>
#include <string_view>

#include "common/code_page.h"
#include "common/notice.h"
#include "common/path_text.h"
#include "common/text_bytes.h"
#include "platform/message_box.h"
#include "platform/open_file_dialog.h"
#include "platform/process_info.h"
#include "server/remote_server_con.h"
#include "settings/executable_folder.h"
#include "settings/run_state.h"
#include "settings/shortcut.h"
#include "settings/write_error.h"

namespace porvan {

namespace {

// The dialog's texts, UTF-8.
const char* const kChooseProgramTitle = "실행파일을 선택하세요";
const char* const kProgramFilterName = "실행파일";
const char* const kEmptyDomainMessage = "도메인을 입력 하세요";
const char* const kUnusableDomainMessage =
    "도메인에 파일 이름으로 쓸 수 없는 문자가 있습니다 (\\ / : * ? \" < > | ..)";
const char* const kShortcutQuestion = "바탕화면에 바로가기를 생성 하시겠습니까?";
const char* const kShortcutCaption = "바로가기 생성";
const char* const kShortcutDone = "바로가기생성 완료";
const char* const kBlankInDomainMessage = "도메인에 공백을 넣을 수 없습니다";

// The shortcut's arguments are not quoted: "a b" would come back as domain "a" and type "b".
bool HasBlankInside(std::string_view domain) {
  const std::string_view trimmed = TrimBlanks(domain);
  return std::any_of(trimmed.begin(), trimmed.end(), IsBlank);
}

// "실행파일(*.exe)|*.exe" on Windows.
std::string ProgramFilter(const std::string& pattern) {
  return Utf8ToCp949(kProgramFilterName) + "(" + pattern + ")|" + pattern;
}

}  // namespace

TfmConfig::TfmConfig(TPlatform& platform, const TfmConfigControls& controls)
    : TfmConfigControls(controls), platform_(platform) {}

void TfmConfig::FormActivate() {
  fFTPPath.SetText(SysVar->GetFTPPath());
  fSSHPath.SetText(SysVar->GetSSHPath());
}

void TfmConfig::fPathButtonClick(IEditBox& sender) {
  const std::optional<TPath> chosen = platform_.OpenDialog.Choose(
      {Utf8ToCp949(kChooseProgramTitle), ProgramFilter(platform_.Conventions.ProgramPattern),
       PathFromCp949(sender.Text())});
  if (!chosen) {
    return;
  }
  // Stored with "?" in place of what CP949 lacks, the path would name no file at all.
  const std::optional<std::string> value = PathToCp949(*chosen);
  if (!value) {
    ShowNotice(platform_.Messages, Utf8ToCp949(kUnstorablePathText) + PathDisplayText(*chosen) +
                                       Utf8ToCp949(kUnstorablePathAdvice));
    return;
  }
  sender.SetText(*value);
}

void TfmConfig::btnOkClick() {
  try {
    SysVar->SetFTPPath(fFTPPath.Text());
    SysVar->SetSSHPath(fSSHPath.Text());
  } catch (const TSettingsError& error) {
    ShowErrorReport(platform_.Messages, error.what());
    return;
  }
  Window.SetModalResult(kModalResultOk);
}

void TfmConfig::btnCancelClick() {
  Window.SetModalResult(kModalResultCancel);
}

bool TfmConfig::FormKeyDown(int key) {
  if (key != kEscapeKey) {
    return false;
  }
  btnCancelClick();
  return true;
}

bool TfmConfig::IsValidDomain(const std::string& domain) {
  TRemoteServerCon server(platform_.Sockets, platform_.Messages, platform_.Waits,
                          SysVar->GetServerURL());
  if (!server.IsValidDomain(domain)) {
    ShowNotice(platform_.Messages, server.LastMessage);
    return false;
  }
  return true;
}

void TfmConfig::btnMakeShortcutClick() {
  const std::string domain = fUrl.Text();
  const std::string clientType = fClientType.SelectedText();
  const bool minimise = isMinimize.Checked();
  if (TrimBlanks(domain).empty()) {
    ShowNotice(platform_.Messages, Utf8ToCp949(kEmptyDomainMessage));
    return;
  }
  // Checked before the server is asked: such a name could put the link outside the desktop.
  if (!IsUsableInFileName(domain)) {
    ShowNotice(platform_.Messages, Utf8ToCp949(kUnusableDomainMessage));
    return;
  }
  if (HasBlankInside(domain)) {
    ShowNotice(platform_.Messages, Utf8ToCp949(kBlankInDomainMessage));
    return;
  }
  if (!IsValidDomain(domain)) {
    return;
  }
  if (platform_.Messages.Show(Utf8ToCp949(kShortcutQuestion), Utf8ToCp949(kShortcutCaption),
                              mb::kYesNo | mb::kIconInformation) != mb::kIdYes) {
    return;
  }
  const TPath executable = platform_.Process.ExecutablePath();
  if (!CreateShortcut(platform_, TShellFolderKind::Desktop,
                      ShortcutFileName(domain, platform_.Conventions.ShortcutExtension), executable,
                      ExecutableFolder(executable),
                      ShortcutArguments(domain, clientType, minimise))) {
    return;
  }
  ShowNotice(platform_.Messages, Utf8ToCp949(kShortcutDone));
}

}  // namespace porvan
