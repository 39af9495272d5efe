// The notice that tells the user why the secure connection to the server failed.
#include "server/tls_failure_text.h"

#include "common/code_page.h"

namespace porvan {

std::string TlsFailureText(TTlsFailure failure) {
  switch (failure) {
    case TTlsFailure::Untrusted:
      return Utf8ToCp949(
          "서버 인증서를 신뢰할 수 없어 보안 연결(https)을 맺지 못했습니다. 인증서를 발급한 "
          "기관이 이 컴퓨터에서 신뢰하는 기관이 아닙니다.");
    case TTlsFailure::WrongName:
      return Utf8ToCp949(
          "서버 인증서가 다른 호스트 이름의 것이어서 보안 연결(https)을 맺지 못했습니다. 설정의 "
          "서버 주소를 확인하십시오.");
    case TTlsFailure::Expired:
      return Utf8ToCp949(
          "서버 인증서의 유효 기간이 지나서 보안 연결(https)을 맺지 못했습니다. 컴퓨터의 날짜와 "
          "시각도 확인하십시오.");
    case TTlsFailure::Other:
    case TTlsFailure::None:
      break;
  }
  return Utf8ToCp949("서버와 보안 연결(https)을 맺지 못했습니다.");
}

}  // namespace porvan
