// What the signature of a downloaded installer means: start it, or why not.
#pragma once

#include <cstdint>

#include "platform/file_signatures.h"

namespace porvan {

// The platform's result codes that this judgement tells apart.
inline constexpr std::uint32_t kSignatureBadDigest = 0x80096010;  // changed after signing

enum class TInstallerVerdict {
  Start,
  Unsigned,        // no signature at all
  Altered,         // the bytes no longer match the signature
  OtherPublisher,  // sound, but signed by someone other than this program's publisher
  Untrusted,       // any other refusal: an untrusted or expired chain, an unreadable signature
};

// `running` is the signature of the running program, `installer` that of the downloaded file.
// A running program without a signature (a developer's build) starts whatever arrived, as it
// always did. Otherwise the installer must be sound and carry the same certificate subject, so
// a renewed certificate of the same publisher still updates.
TInstallerVerdict JudgeInstaller(const TSignatureFacts& running, const TSignatureFacts& installer);

}  // namespace porvan
