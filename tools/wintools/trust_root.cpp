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

bool Add(HCERTSTORE roots, const std::string& der) {
  return CertAddEncodedCertificateToStore(
             roots, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
             static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, nullptr) != 0;
}

// Deletes every copy the store holds. The context that an add hands back is not enough under
// Wine: deleting it leaves the certificate in the registry.
bool Remove(HCERTSTORE roots, const std::string& der) {
  PCCERT_CONTEXT wanted = CertCreateCertificateContext(
      X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()), static_cast<DWORD>(der.size()));
  if (wanted == nullptr) {
    return false;
  }
  bool removed = true;
  while (PCCERT_CONTEXT found = CertFindCertificateInStore(roots, X509_ASN_ENCODING, 0,
                                                           CERT_FIND_EXISTING, wanted, nullptr)) {
    // Deleting frees the found context as well.
    if (!CertDeleteCertificateFromStore(found)) {
      removed = false;
      break;
    }
  }
  CertFreeCertificateContext(wanted);
  return removed;
}

int Change(const std::wstring& command, const std::string& der) {
  HCERTSTORE roots = CertOpenStore(CERT_STORE_PROV_SYSTEM_REGISTRY_W, 0, 0,
                                   CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
  if (roots == nullptr || der.empty()) {
    return 1;
  }
  const bool done = command == L"add" ? Add(roots, der) : Remove(roots, der);
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
