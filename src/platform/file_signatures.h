// The signature seam: what the platform says about a file's Authenticode signature.
#pragma once

#include <cstdint>
#include <string>

#include "platform/path.h"

namespace porvan {

// Contract
// - The platform checks the file's embedded signature (Windows: WinVerifyTrust with the
//   generic Authenticode action, no user interface, no revocation check) and reports what it
//   found; it decides nothing. Judging the facts is the portable code's business.
// - `Result` is the platform's own result code: 0 when the file is signed, unaltered and (where
//   the platform insists on it) chained to a root the system trusts.
// - `Subject` is the subject of the signing certificate as X.500 text in UTF-8 (not CP949, so
//   two subjects compare exactly whatever characters they hold), whenever the platform read the
//   signer, which it may also do when `Result` is not 0 (an untrusted chain; Wine not for a bad
//   digest); empty when it read none.
struct TSignatureFacts {
  std::uint32_t Result = 0;
  std::string Subject;
};

// The platform's result for a file that carries no signature (TRUST_E_NOSIGNATURE); a platform
// without signed programs gives it for every file.
inline constexpr std::uint32_t kSignatureNone = 0x800B0100;

class IFileSignatures {
 public:
  virtual ~IFileSignatures() = default;
  virtual TSignatureFacts Check(const TPath& path) = 0;
};

}  // namespace porvan
