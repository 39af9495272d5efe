// TfmAbout: the about box's form logic.
#include "settings/about_form.h"

#include "common/notice.h"
#include "common/path_text.h"
#include "platform/file_system.h"
#include "platform/process_info.h"
#include "platform/url_opener.h"
#include "settings/executable_folder.h"
#include "settings/run_state.h"

namespace porvan {

namespace {

// The file may end its lines with CR LF, CR or LF; a multi-line edit box breaks only at CR LF.
std::string WithCrLfLineBreaks(const std::string& text) {
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      result += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
      }
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace

TfmAbout::TfmAbout(TPlatform& platform, const TfmAboutControls& controls)
    : TfmAboutControls(controls), platform_(platform) {}

void TfmAbout::FormActivate() {
  lblVersionInfo.SetText(SysVar->VersionInfo.FileVersion);
  const TPath& folder = platform_.Conventions.HistoryFolder;
  const TPath path =
      PathInFolder(folder.empty() ? ExecutableFolder(platform_.Process.ExecutablePath()) : folder,
                   PathFromUtf8("history.txt"));
  const std::optional<std::string> history = platform_.Files.LoadFile(path);
  if (!history) {
    Memo1.SetText({});
    ShowErrorReport(platform_.Messages, "Cannot open file " + PathDisplayText(path) + ".");
    return;
  }
  Memo1.SetText(WithCrLfLineBreaks(*history));
}

void TfmAbout::btnCloseClick() {
  Window.SetModalResult(kModalResultCancel);
}

bool TfmAbout::FormKeyDown(int key) {
  if (key != kEscapeKey) {
    return false;
  }
  Window.SetModalResult(kModalResultCancel);
  return true;
}

void TfmAbout::lblWebAddressClick() {
  if (platform_.Urls.Open(kWebAddress)) {
    lblWebAddress.SetColor(kVisitedLinkColor);
  }
}

}  // namespace porvan
