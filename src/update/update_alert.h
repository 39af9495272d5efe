// TfmUpdateAlert: the form logic of the update alert, which downloads and starts the installer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/file_signatures.h"
#include "update/installer_trust.h"
#include "update/url_download.h"

namespace porvan {

struct TPlatform;
class IDialogHost;
class IProgressBar;

// Modal results of the alert; a plain close request gives the cancel result of every modal
// window, 2.
inline constexpr int kUpdateAlertSkip = 1;  // "업데이트 안함"
inline constexpr int kUpdateAlertQuit = 3;  // "프로그램 종료", Esc, or WM_APP_QUIT

// The alert's texts, UTF-8.
inline constexpr const char* kUpdateAlertCaption = "Porvan 접근통제 시스템 업데이트";
inline constexpr const char* kUpdateAlertLabel1 = "Porvan 접근제어 시스템이 업데이트 되었습니다.";
// No full stop at the end.
inline constexpr const char* kUpdateAlertLabel2 =
    "업데이트를 하지 않으실 경우, 서비스 실행이 정상적으로 이루어지지 않을 수 있습니다";
inline constexpr const char* kUpdateAlertRunText = "업데이트 실행";
inline constexpr const char* kUpdateAlertQuitText = "프로그램 종료";
inline constexpr const char* kUpdateAlertSkipText = "업데이트 안함";
// The notice when no temporary folder can be had.
inline constexpr const char* kUpdateAlertNoTempText =
    "임시 폴더를 찾을 수 없어 업데이트를 내려받을 수 없습니다.";

// The temporary folder's buffer holds 1,024 units and is offered as 1023.
inline constexpr std::uint32_t kTempPathLength = 1023;

// Position x 100 / Max rounded down, in 64-bit unsigned arithmetic so large files do not
// overflow; nothing when Max is 0 (size unknown), and at most 100.
std::optional<int> DownloadPercentage(std::uint32_t Position, std::uint32_t Max);

// The controls the form logic reaches, named as the alert names them.
struct TfmUpdateAlertControls {
  IProgressBar& DownloadProgress;  // the bar with its percentage, hidden until a download starts
  IDialogHost& Window;             // the alert itself
};

class TfmUpdateAlert : public TfmUpdateAlertControls {
 public:
  // `updateURL` is where the installer is fetched from, as the version check named it.
  TfmUpdateAlert(TPlatform& platform, const TfmUpdateAlertControls& controls, std::string updateURL)
      : TfmUpdateAlertControls(controls), UpdateURL(std::move(updateURL)), platform_(platform) {}

  // Makes the download component and binds its events to this form.
  void FormCreate();
  // Downloads the installer from UpdateURL into the temporary folder; DownloadStop
  // starts it. Ignored while a download runs (a press reaches here from inside the transfer);
  // without a temporary folder it shows a notice and downloads nothing. A download that refused
  // to go on, or an installer that was not started, ends with a notice naming why, and the
  // file that transfer wrote is deleted.
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void WMAppQuit();
  // True when the key closed the alert (Escape, as "프로그램 종료"); every other key is left alone.
  bool FormKeyDown(int key);

  // The platform's temporary folder, asked once; empty when the platform cannot say or its
  // path does not fit the buffer.
  TPath GetTempDir();

  void DownloadStart(TCustomURLDownload& Sender, const std::string& URL);
  // Starts the installer only when this transfer succeeded, its file is there and its
  // signature passes JudgeInstaller, so an error page, a partial file, one left from an
  // earlier run or one that someone on the way swapped is never started.
  void DownloadStop(TCustomURLDownload& Sender);
  void DownloadProgressStatus(TCustomURLDownload& Sender, std::uint32_t Max, std::uint32_t Position,
                              const std::string& StatusText, bool& Abort);

  const std::string UpdateURL;
  TPath TempDir;
  std::unique_ptr<TNxURLDownload> NxURLDownload;
  TPath SetupFile;

 private:
  // What stopped the installer of the last download, with the facts its notice names.
  struct TInstallerRefusal {
    TInstallerVerdict Verdict;
    TSignatureFacts Installer;
  };

  void ShowPercentage(int percent);
  void ReportRefusal();

  TPlatform& platform_;
  std::optional<TInstallerRefusal> installerRefusal_;
};

}  // namespace porvan
