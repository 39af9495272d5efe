// Trusts a test CA in this Wine prefix for one run, and takes it back:
//   trust_root add FILE.der      adds the certificate to the current user's "Root" store
//   trust_root remove FILE.der   deletes that certificate from the store again
// Only for a prefix of the project's own (the demo's https server); exit code 0 on success.
#include <windows.h>

#include <wincrypt.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadFile(const wchar_t* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Change(const std::wstring& command, const std::string& der) {
  HCERTSTORE roots =
      CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
  if (roots == nullptr || der.empty()) {
    return 1;
  }
  PCCERT_CONTEXT added = nullptr;
  bool done = CertAddEncodedCertificateToStore(
                  roots, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
                  static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, &added) != 0;
  // Deleting takes the store's own copy, which the add has just found or made.
  if (done && command == L"remove") {
    done = CertDeleteCertificateFromStore(added) != 0;
  } else if (added != nullptr) {
    CertFreeCertificateContext(added);
  }
  CertCloseStore(roots, 0);
  return done ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 2 ? argv[1] : L"";
  if (command != L"add" && command != L"remove") {
    return 2;
  }
  return Change(command, ReadFile(argv[2]));
}
