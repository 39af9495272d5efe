// TfmInit: the splash that checks the connection at start and closes with the outcome.
#pragma once

#include <string>

namespace porvan {

class ILabel;
class IDialogHost;

// Modal results of the splash.
inline constexpr int kInitOnline = 1;
inline constexpr int kInitOffline = 2;

// The splash's texts, CP949.
const std::string& InitCheckingStateText();  // "포반 연결상태 체크중..." when first shown
const std::string& InitCheckingText();       // "포반 연결 체크중...." while checking
const std::string& InitOfflineText();        // "인터넷에 연결되어 있지 않습니다"
const std::string& InitDoneText();           // " 연결 체크 완료 "

class TfmInit {
 public:
  TfmInit(ILabel& lblMsg, IDialogHost& dialog) : lblMsg(lblMsg), dialog_(dialog) {}

  // Paints the splash, then defers the check so that the splash is on the screen meanwhile.
  void FormActivate();
  // Runs SysVar's connection check and ends the splash with kInitOnline or kInitOffline.
  void WMAppStartup();

  ILabel& lblMsg;

 private:
  IDialogHost& dialog_;
};

}  // namespace porvan
