// The notices that name why a download or its installer was refused.
#include "update/update_refusal_texts.h"

#include <cstdint>

#include "common/code_page.h"

namespace porvan {

namespace {

// "0x800B0109": the platform's code as its documentation writes it.
std::string HexCode(std::uint32_t code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (int shift = 28; shift >= 0; shift -= 4) {
    text += kDigits[(code >> shift) & 0xF];
  }
  return text;
}

// ".exe나 .msi": the endings as the sentence reads them.
std::string EndingsText(const std::vector<std::string>& endings) {
  std::string text;
  for (const std::string& ending : endings) {
    text += (text.empty() ? "" : "나 ") + ending;
  }
  return text;
}

}  // namespace

std::string DownloadRefusalText(TDownloadRefusal refusal,
                                const std::vector<std::string>& installerExtensions) {
  switch (refusal) {
    case TDownloadRefusal::NotHttp:
      return Utf8ToCp949("업데이트 주소가 http나 https 주소가 아니어서 내려받지 않았습니다.");
    case TDownloadRefusal::RedirectToOtherScheme:
      return Utf8ToCp949(
          "업데이트 주소가 http나 https가 아닌 주소로 넘겨져서 내려받기를 중단했습니다.");
    case TDownloadRefusal::RedirectToHttp:
      return Utf8ToCp949(
          "업데이트 주소가 https에서 암호화되지 않은 http 주소로 넘겨져서 내려받기를 "
          "중단했습니다.");
    case TDownloadRefusal::BadFileName:
      return Utf8ToCp949("업데이트 파일 이름이 올바르지 않아 내려받지 않았습니다. " +
                         EndingsText(installerExtensions) + "로 끝나는 파일 이름만 받습니다.");
    case TDownloadRefusal::None:
      break;
  }
  return {};
}

std::string InstallerRefusalText(TInstallerVerdict verdict, const TSignatureFacts& installer) {
  switch (verdict) {
    case TInstallerVerdict::Unsigned:
      return Utf8ToCp949("내려받은 설치 파일에 디지털 서명이 없어서 실행하지 않았습니다.");
    case TInstallerVerdict::Altered:
      return Utf8ToCp949("내려받은 설치 파일이 서명된 뒤에 변경되어서 실행하지 않았습니다.");
    case TInstallerVerdict::OtherPublisher:
      return Utf8ToCp949(
                 "내려받은 설치 파일의 게시자가 이 프로그램의 게시자와 달라서 실행하지 "
                 "않았습니다.\r\n게시자: ") +
             Utf8ToCp949(installer.Subject);
    case TInstallerVerdict::Untrusted:
      return Utf8ToCp949(
                 "내려받은 설치 파일의 디지털 서명을 신뢰할 수 없어서 실행하지 않았습니다. "
                 "(") +
             HexCode(installer.Result) + ")";
    case TInstallerVerdict::Start:
      break;
  }
  return {};
}

}  // namespace porvan
