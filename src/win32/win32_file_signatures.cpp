// The signature seam on Windows: WinVerifyTrust and the signing certificate's subject.
#include "win32/win32_file_signatures.h"

// clang-format off
#include <windows.h>
#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>
// clang-format on

#include <string>

#include "common/code_page.h"

namespace porvan {

namespace {

// The subject of the certificate that signed, from the state the verification kept; empty
// when no signer was found.
std::string SignerSubject(HANDLE state) {
  CRYPT_PROVIDER_DATA* provider = WTHelperProvDataFromStateData(state);
  if (provider == nullptr) {
    return {};
  }
  CRYPT_PROVIDER_SGNR* signer = WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0);
  if (signer == nullptr) {
    return {};
  }
  const CRYPT_PROVIDER_CERT* certificate = WTHelperGetProvCertFromChain(signer, 0);
  if (certificate == nullptr || certificate->pCert == nullptr) {
    return {};
  }
  CERT_NAME_BLOB* name = &certificate->pCert->pCertInfo->Subject;
  const DWORD length = CertNameToStrW(X509_ASN_ENCODING, name, CERT_X500_NAME_STR, nullptr, 0);
  if (length <= 1) {
    return {};
  }
  std::wstring text(length, L'\0');
  CertNameToStrW(X509_ASN_ENCODING, name, CERT_X500_NAME_STR, text.data(), length);
  text.resize(length - 1);
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

}  // namespace

TSignatureFacts TWin32FileSignatures::Check(const TPath& path) {
  WINTRUST_FILE_INFO fileInfo{};
  fileInfo.cbStruct = sizeof fileInfo;
  fileInfo.pcwszFilePath = path.c_str();
  WINTRUST_DATA data{};
  data.cbStruct = sizeof data;
  data.dwUIChoice = WTD_UI_NONE;
  data.fdwRevocationChecks = WTD_REVOKE_NONE;
  data.dwUnionChoice = WTD_CHOICE_FILE;
  data.pFile = &fileInfo;
  data.dwStateAction = WTD_STATEACTION_VERIFY;
  data.dwProvFlags = WTD_REVOCATION_CHECK_NONE;
  GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  TSignatureFacts facts;
  facts.Result = static_cast<std::uint32_t>(WinVerifyTrust(nullptr, &action, &data));
  facts.Subject = SignerSubject(data.hWVTStateData);
  // The state holds the signer's certificates until it is closed.
  data.dwStateAction = WTD_STATEACTION_CLOSE;
  WinVerifyTrust(nullptr, &action, &data);
  return facts;
}

}  // namespace porvan
