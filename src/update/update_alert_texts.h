// The update alert's fixed texts, CP949.
#pragma once

#include <string>

#include "platform/file_signatures.h"
#include "update/installer_trust.h"
#include "update/nx_url_down.h"

namespace porvan {

const std::string& UpdateAlertCaption();  // "Porvan 접근통제 시스템 업데이트"
const std::string& UpdateAlertLabel1();  // "Porvan 접근제어 시스템이 업데이트 되었습니다."
const std::string& UpdateAlertLabel2();  // "업데이트를 하지 않으실 경우, ..." (no full stop)
const std::string& UpdateAlertRunText();     // "업데이트 실행"
const std::string& UpdateAlertQuitText();    // "프로그램 종료"
const std::string& UpdateAlertSkipText();    // "업데이트 안함"
const std::string& UpdateAlertNoTempText();  // the notice when no temporary folder can be had

// The notice for a download that refused to go on; each names its reason. Not for None.
std::string DownloadRefusalText(TDownloadRefusal refusal);
// The notice for an installer that was not started, naming why; `installer` tells who signed
// it, or the platform's code. Not for Start.
std::string InstallerRefusalText(TInstallerVerdict verdict, const TSignatureFacts& installer);
// Added to a notice when the refused file could not be deleted, before its path.
const std::string& InstallerNotRemovedText();

}  // namespace porvan
