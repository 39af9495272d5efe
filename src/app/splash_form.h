// TfmInit: the splash that checks the connection at start and closes with the outcome.
#pragma once

namespace porvan {

class ILabel;
class IDialogHost;

// Modal results of the splash.
inline constexpr int kInitOnline = 1;
inline constexpr int kInitOffline = 2;

// The splash's texts, UTF-8.
inline constexpr const char* kInitCheckingStateText = "포반 연결상태 체크중...";  // first shown
inline constexpr const char* kInitCheckingText = "포반 연결 체크중....";          // while checking
inline constexpr const char* kInitOfflineText = "인터넷에 연결되어 있지 않습니다";
inline constexpr const char* kInitDoneText = " 연결 체크 완료 ";

// The controls the form logic reaches, named as the splash names them.
struct TfmInitControls {
  ILabel& lblMsg;       // the one line of text, "포반 연결상태 체크중..." at first
  IDialogHost& Window;  // the splash itself
};

// Runs the check through SysVar, which must exist for the form's lifetime.
class TfmInit : public TfmInitControls {
 public:
  explicit TfmInit(const TfmInitControls& controls) : TfmInitControls(controls) {}

  // Paints the splash, then defers the check so that the splash is on the screen meanwhile.
  void FormActivate();
  // Runs SysVar's connection check and ends the splash with kInitOnline or kInitOffline; a check
  // that fails with an error ends it with kInitOffline and lets the error go on to its report.
  void WMAppStartup();
};

}  // namespace porvan
