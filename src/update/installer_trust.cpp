// What the signature of a downloaded installer means: start it, or why not.
#include "update/installer_trust.h"

namespace porvan {

TInstallerVerdict JudgeInstaller(const TSignatureFacts& running, const TSignatureFacts& installer) {
  if (running.Result == kSignatureNone) {
    return TInstallerVerdict::Start;
  }
  switch (installer.Result) {
    case 0:
      break;
    case kSignatureNone:
      return TInstallerVerdict::Unsigned;
    case kSignatureBadDigest:
      return TInstallerVerdict::Altered;
    default:
      return TInstallerVerdict::Untrusted;
  }
  // A running program whose own subject could not be read names no publisher to match.
  if (running.Subject.empty()) {
    return TInstallerVerdict::Untrusted;
  }
  return installer.Subject == running.Subject ? TInstallerVerdict::Start
                                              : TInstallerVerdict::OtherPublisher;
}

}  // namespace porvan
