// TfmUpdateAlert: the form logic of the update alert, which downloads and starts the installer.
#include "update/update_alert.h"

#include <algorithm>

#include "common/code_page.h"
#include "common/notice.h"
#include "common/path_text.h"
#include "platform/controls.h"
#include "platform/dialog_host.h"
#include "platform/file_signatures.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/process_info.h"
#include "platform/program_launcher.h"
#include "platform/temp_path.h"
#include "update/update_refusal_texts.h"

namespace porvan {

std::optional<int> DownloadPercentage(std::uint32_t Position, std::uint32_t Max) {
  if (Max == 0) {
    return std::nullopt;
  }
  const std::uint64_t percent = std::uint64_t{Position} * 100 / Max;
  return static_cast<int>(std::min<std::uint64_t>(percent, 100));
}

void TfmUpdateAlert::FormCreate() {
  NxURLDownload =
      std::make_unique<TNxURLDownload>(platform_.Sockets, platform_.UrlTransfer, platform_.Waits);
  NxURLDownload->URLDownload.InstallerExtensions = platform_.Conventions.InstallerExtensions;
  NxURLDownload->SetOnStart(
      [this](TCustomURLDownload& sender, const std::string& url) { DownloadStart(sender, url); });
  NxURLDownload->SetOnStop([this](TCustomURLDownload& sender) { DownloadStop(sender); });
  NxURLDownload->SetOnProgressStatus(
      [this](TCustomURLDownload& sender, std::uint32_t max, std::uint32_t position,
             const std::string& text,
             bool& abort) { DownloadProgressStatus(sender, max, position, text, abort); });
}

void TfmUpdateAlert::BitBtn1Click() {
  if (NxURLDownload->URLDownload.Running()) {
    return;
  }
  const TPath saveDir = GetTempDir();
  if (saveDir.empty()) {
    ShowNotice(platform_.Messages, Utf8ToCp949(kUpdateAlertNoTempText));
    return;
  }
  NxURLDownload->SetURL(UpdateURL);
  NxURLDownload->SaveDir = saveDir;
  installerRefusal_.reset();
  // The result is not needed: DownloadStop has started the installer if one arrived.
  NxURLDownload->Download();
  ReportRefusal();
}

void TfmUpdateAlert::ReportRefusal() {
  const TCustomURLDownload& download = NxURLDownload->URLDownload;
  std::string notice;
  if (download.Refusal != TDownloadRefusal::None) {
    notice = DownloadRefusalText(download.Refusal, download.InstallerExtensions);
  } else if (installerRefusal_) {
    notice = InstallerRefusalText(installerRefusal_->Verdict, installerRefusal_->Installer);
  } else {
    return;
  }
  // Only a transfer that began wrote to the path; a refusal before it leaves older files be.
  if (download.Started && !platform_.Files.RemoveFile(download.LocalFileName)) {
    notice +=
        "\r\n" + Utf8ToCp949(kInstallerNotRemovedText) + PathDisplayText(download.LocalFileName);
  }
  ShowNotice(platform_.Messages, notice);
}

void TfmUpdateAlert::BitBtn2Click() {
  Window.SetModalResult(kUpdateAlertQuit);
}

void TfmUpdateAlert::BitBtn3Click() {
  Window.SetModalResult(kUpdateAlertSkip);
}

void TfmUpdateAlert::WMAppQuit() {
  Window.SetModalResult(kUpdateAlertQuit);
}

bool TfmUpdateAlert::FormKeyDown(int key) {
  if (key != kEscapeKey) {
    return false;
  }
  BitBtn2Click();
  return true;
}

TPath TfmUpdateAlert::GetTempDir() {
  if (TempDir.empty()) {
    TempDir = platform_.TempPath.Query(kTempPathLength);
  }
  return TempDir;
}

void TfmUpdateAlert::DownloadStart(TCustomURLDownload& /*Sender*/, const std::string& /*URL*/) {
  DownloadProgress.SetVisible(true);
  ShowPercentage(0);
}

void TfmUpdateAlert::DownloadStop(TCustomURLDownload& Sender) {
  SetupFile = NxURLDownload->LocalFileName();
  const bool succeeded = Sender.Started && Sender.ErrorText.empty();
  if (!succeeded || !platform_.Files.IsFile(SetupFile)) {
    return;
  }
  const TSignatureFacts running = platform_.Signatures.Check(platform_.Process.ExecutablePath());
  const TSignatureFacts installer = platform_.Signatures.Check(SetupFile);
  const TInstallerVerdict verdict = JudgeInstaller(running, installer);
  if (verdict == TInstallerVerdict::Start) {
    platform_.Launcher.Open(SetupFile);
  } else {
    installerRefusal_ = TInstallerRefusal{.Verdict = verdict, .Installer = installer};
  }
}

void TfmUpdateAlert::DownloadProgressStatus(TCustomURLDownload& /*Sender*/, std::uint32_t Max,
                                            std::uint32_t Position,
                                            const std::string& /*StatusText*/, bool& /*Abort*/) {
  if (const std::optional<int> percent = DownloadPercentage(Position, Max)) {
    ShowPercentage(*percent);
  }
}

void TfmUpdateAlert::ShowPercentage(int percent) {
  DownloadProgress.SetProgress(percent, 100);
  DownloadProgress.SetText(std::to_string(percent) + "%");
}

}  // namespace porvan
