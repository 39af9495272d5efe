// The notices that name why a download or its installer was refused.
#pragma once

#include <string>
#include <vector>

#include "platform/file_signatures.h"
#include "update/installer_trust.h"
#include "update/url_download.h"

namespace porvan {

// Added to a notice when the refused file could not be deleted, before its path.
inline constexpr const char* kInstallerNotRemovedText = "내려받은 파일을 지우지 못했습니다: ";

// The notice for a download that refused to go on; each names its reason, a bad file name the
// endings an installer's name may have. Not for None.
std::string DownloadRefusalText(TDownloadRefusal refusal,
                                const std::vector<std::string>& installerExtensions);
// The notice for an installer that was not started, naming why; `installer` tells who signed
// it, or the platform's code. Not for Start.
std::string InstallerRefusalText(TInstallerVerdict verdict, const TSignatureFacts& installer);

}  // namespace porvan
