// The loopback TLS test servers that ./dev starts for the Windows tests, and their test CA,
// trusted by this prefix's current user only while a test suite runs.
#include "wine/tls_test_servers.h"

#include <cstdlib>

#include "support/tls_server_ports.h"
#include "wine/wine_support.h"

namespace porvan::testing {

namespace {

HCERTSTORE OpenUserRoots() {
  return CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
}

}  // namespace

TTlsTestServers::TTlsTestServers() {
  const wchar_t* dir = _wgetenv(L"PORVAN_TLS_DIR");
  if (dir == nullptr) {
    return;
  }
  ports_ = ReadWholeFile(std::wstring(dir) + L"\\ports.json");
  const std::string der = ReadWholeFile(std::wstring(dir) + L"\\ca.der");
  HCERTSTORE roots = OpenUserRoots();
  if (roots == nullptr || der.empty()) {
    return;
  }
  CertAddEncodedCertificateToStore(
      roots, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
      static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, &trusted_);
  CertCloseStore(roots, 0);
}

TTlsTestServers::~TTlsTestServers() {
  if (trusted_ != nullptr) {
    // Deleting frees the context as well.
    CertDeleteCertificateFromStore(trusted_);
  }
}

std::string TTlsTestServers::Port(const std::string& kind) const {
  return TlsServerPort(ports_, kind);
}

}  // namespace porvan::testing
