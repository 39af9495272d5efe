// The update alert's view: TfmUpdateAlert's controls in their places, its keys to the logic.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <string>

#include "platform/platform.h"
#include "qt/modal_dialog.h"
#include "qt/painted.h"
#include "qt/qt_controls.h"
#include "qt/window_host.h"
#include "update/update_alert.h"

namespace porvan {

class TUpdateAlertWindow : public TQtDialog {
 public:
  TUpdateAlertWindow(TPlatform& platform, const std::string& updateURL, QWidget* owner);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TQtDialogHost host_{*this, {}};

  // In creation order; the buttons take the focus in this order too.
  QLabel Label1;             // "Porvan 접근제어 시스템이 업데이트 되었습니다."
  QLabel Label2;             // "업데이트를 하지 않으실 경우, ..."
  QProgressBar DownloadBar;  // the download's percentage, hidden until it starts
  TPictureButton BitBtn1;    // "업데이트 실행"
  TPictureButton BitBtn2;    // "프로그램 종료"
  TPictureButton BitBtn3;    // "업데이트 안함"
  TQtProgressBar DownloadProgress{DownloadBar};

  TfmUpdateAlert form_;
};

// Shows the alert for the file at `updateURL` modally over `owner` and gives its modal result.
int ShowUpdateAlert(TPlatform& platform, const std::string& updateURL, QWidget* owner);

}  // namespace porvan
