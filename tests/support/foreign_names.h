// A folder name that CP949 cannot hold: Latin accents, Thai and an emoji beside Korean.
#pragma once

namespace porvan::testing {

// UTF-8. Every character but the Korean ones would turn into "?" on the way through CP949.
inline constexpr const char* kForeignFolderName = "José ทดสอบ 🔑 테스트";

}  // namespace porvan::testing
