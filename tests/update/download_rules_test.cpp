// The download's rules for hostile input: which names a file is saved under, which URLs are
// fetched and which redirects are followed, and what an installer's signature means.
#include <gtest/gtest.h>

#include <string>

#include "platform/desktop_conventions.h"
#include "posix/posix_desktop_conventions.h"
#include "update/installer_name.h"
#include "update/installer_trust.h"
#include "update/url_scheme.h"

namespace porvan {
namespace {

TEST(InstallerFileNameTest, OnlyAPlainInstallerNameIsAccepted) {
  struct {
    std::string name;
    bool accepted;
  } const cases[] = {
      {.name = "setup.exe", .accepted = true},
      {.name = "PorvanSetup.EXE", .accepted = true},
      {.name = "porvan-1.6.0.0.msi", .accepted = true},
      {.name = "my setup.exe", .accepted = true},
      {.name = "\xBC\xB3\xC4\xA1.exe", .accepted = true},  // "설치" in CP949
      {.name = "CONSOLE.exe", .accepted = true},
      {.name = "com10.exe", .accepted = true},
      {.name = "nullsoft.msi", .accepted = true},
      {.name = "", .accepted = false},
      {.name = ".exe", .accepted = false},
      {.name = "setup", .accepted = false},
      {.name = "setup.bat", .accepted = false},
      {.name = "setup.scr", .accepted = false},
      {.name = "setup.exe.txt", .accepted = false},
      {.name = "setup.exe ", .accepted = false},
      {.name = "setup.exe.", .accepted = false},
      {.name = " setup.exe", .accepted = false},
      {.name = "C:setup.exe", .accepted = false},
      {.name = "C:\\Windows\\setup.exe", .accepted = false},
      {.name = "notes.txt:setup.exe", .accepted = false},
      {.name = "..\\setup.exe", .accepted = false},
      {.name = "../setup.exe", .accepted = false},
      {.name = "..exe", .accepted = false},
      {.name = "a..b.exe", .accepted = false},
      {.name = "dl/setup.exe", .accepted = false},
      {.name = "\\\\127.0.0.1\\share\\setup.exe", .accepted = false},
      {.name = "CON.exe", .accepted = false},
      {.name = "con.msi", .accepted = false},
      {.name = "NUL.exe", .accepted = false},
      {.name = "Aux.exe", .accepted = false},
      {.name = "PRN.tar.exe", .accepted = false},
      {.name = "COM1.exe", .accepted = false},
      {.name = "lpt9.exe", .accepted = false},
      {.name = "CON .exe", .accepted = false},
      {.name = "CONIN$.exe", .accepted = false},
      {.name = "conout$.msi", .accepted = false},
      {.name = std::string("set\0up.exe", 10), .accepted = false},
      {.name = "set\r\nup.exe", .accepted = false},
      {.name = "set\x7Fup.exe", .accepted = false},
      {.name = "set*up.exe", .accepted = false},
      {.name = "setup?.exe", .accepted = false},
      {.name = "set|up.exe", .accepted = false},
      {.name = "<setup>.exe", .accepted = false},
      {.name = "\"setup\".exe", .accepted = false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsInstallerFileName(c.name, TDesktopConventions{}.InstallerExtensions), c.accepted);
  }
}

TEST(InstallerFileNameTest, TheLinuxClientTakesAPackageAndNoWindowsInstaller) {
  const std::vector<std::string> extensions = LinuxDesktopConventions("", "").InstallerExtensions;
  struct {
    std::string name;
    bool accepted;
  } const cases[] = {
      {.name = "porvan_1.6.0.0_amd64.deb", .accepted = true},
      {.name = "PORVAN.DEB", .accepted = true},
      {.name = ".deb", .accepted = false},
      {.name = "PorvanSetup.exe", .accepted = false},
      {.name = "porvan.msi", .accepted = false},
      {.name = "porvan.deb.sh", .accepted = false},
      {.name = "../porvan.deb", .accepted = false},
      {.name = "dl/porvan.deb", .accepted = false},
      {.name = "porvan.deb ", .accepted = false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsInstallerFileName(c.name, extensions), c.accepted);
  }
}

TEST(FetchableUrlTest, OnlyHttpAndHttpsAreFetched) {
  struct {
    const char* url;
    bool fetched;
  } const cases[] = {
      {.url = "http://127.0.0.1/setup.exe", .fetched = true},
      {.url = "HTTPS://127.0.0.1/setup.exe", .fetched = true},
      {.url = "hTtP://127.0.0.1/setup.exe", .fetched = true},
      {.url = "ftp://127.0.0.1/setup.exe", .fetched = false},
      {.url = "file:///C:/Windows/System32/calc.exe", .fetched = false},
      {.url = "\\\\127.0.0.1\\share\\setup.exe", .fetched = false},
      {.url = "C:\\setup.exe", .fetched = false},
      {.url = "mk:@MSITStore:C:\\x.chm::/setup.exe", .fetched = false},
      {.url = "javascript:alert(1)", .fetched = false},
      {.url = "httpx://127.0.0.1/setup.exe", .fetched = false},
      {.url = "http:/127.0.0.1/setup.exe", .fetched = false},
      {.url = " http://127.0.0.1/setup.exe", .fetched = false},
      {.url = "", .fetched = false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(IsFetchableUrl(c.url), c.fetched);
  }
}

TEST(JudgeRedirectTest, NoOtherSchemeAndNoWayDownFromHttps) {
  struct {
    const char* from;
    const char* location;
    TRedirectVerdict verdict;
  } const cases[] = {
      {.from = "http://a/dl/", .location = "setup.exe", .verdict = TRedirectVerdict::Allowed},
      {.from = "http://a/dl/", .location = "/files/a:b.exe", .verdict = TRedirectVerdict::Allowed},
      {.from = "http://a/", .location = "x.exe?next=ftp://b", .verdict = TRedirectVerdict::Allowed},
      {.from = "http://a/", .location = "//b/x.exe", .verdict = TRedirectVerdict::Allowed},
      {.from = "http://a/", .location = "http://b/x.exe", .verdict = TRedirectVerdict::Allowed},
      {.from = "http://a/", .location = "HTTPS://b/x.exe", .verdict = TRedirectVerdict::Allowed},
      {.from = "https://a/", .location = "https://b/x.exe", .verdict = TRedirectVerdict::Allowed},
      {.from = "HTTPS://a/", .location = "x.exe", .verdict = TRedirectVerdict::Allowed},
      {.from = "https://a/", .location = "http://b/x.exe", .verdict = TRedirectVerdict::Downgrade},
      {.from = "hTTps://a/", .location = "HTTP://a/x.exe", .verdict = TRedirectVerdict::Downgrade},
      {.from = "https://a/", .location = "http:x.exe", .verdict = TRedirectVerdict::Downgrade},
      {.from = "http://a/", .location = "ftp://b/x.exe", .verdict = TRedirectVerdict::OtherScheme},
      {.from = "https://a/",
       .location = "file:///C:/x.exe",
       .verdict = TRedirectVerdict::OtherScheme},
      {.from = "http://a/", .location = "C:\\x.exe", .verdict = TRedirectVerdict::OtherScheme},
      {.from = "http://a/", .location = "c:/x.exe", .verdict = TRedirectVerdict::OtherScheme},
      {.from = "http://a/",
       .location = "ms-appinstaller:?source=x",
       .verdict = TRedirectVerdict::OtherScheme},
      {.from = "http://a/",
       .location = "mk:@MSITStore:x",
       .verdict = TRedirectVerdict::OtherScheme},
      {.from = "http://a/", .location = "res://x.dll/1", .verdict = TRedirectVerdict::OtherScheme},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.location);
    EXPECT_EQ(JudgeRedirect(c.from, c.location), c.verdict);
  }
}

TEST(JudgeInstallerTest, ASignedProgramStartsOnlyItsOwnPublishersSoundInstaller) {
  const TSignatureFacts unsigned_{.Result = kSignatureNone, .Subject = ""};
  const TSignatureFacts ours{.Result = 0, .Subject = "CN=Porvan, O=Porvan, C=KR"};
  struct {
    const char* name;
    TSignatureFacts running;
    TSignatureFacts installer;
    TInstallerVerdict verdict;
  } const cases[] = {
      {.name = "a developer's build starts what arrived",
       .running = unsigned_,
       .installer = {.Result = kSignatureBadDigest, .Subject = ""},
       .verdict = TInstallerVerdict::Start},
      {.name = "same publisher",
       .running = ours,
       .installer = ours,
       .verdict = TInstallerVerdict::Start},
      {.name = "same publisher, the running program's chain not trusted here",
       .running = {.Result = 0x800B0109, .Subject = ours.Subject},
       .installer = ours,
       .verdict = TInstallerVerdict::Start},
      {.name = "unsigned",
       .running = ours,
       .installer = unsigned_,
       .verdict = TInstallerVerdict::Unsigned},
      {.name = "altered",
       .running = ours,
       .installer = {.Result = kSignatureBadDigest, .Subject = ours.Subject},
       .verdict = TInstallerVerdict::Altered},
      {.name = "another publisher",
       .running = ours,
       .installer = {.Result = 0, .Subject = "CN=Porvan, O=Someone Else, C=KR"},
       .verdict = TInstallerVerdict::OtherPublisher},
      {.name = "a subject that only begins like ours",
       .running = ours,
       .installer = {.Result = 0, .Subject = ours.Subject + ", OU=x"},
       .verdict = TInstallerVerdict::OtherPublisher},
      {.name = "a sound signature without a readable subject",
       .running = ours,
       .installer = {.Result = 0, .Subject = ""},
       .verdict = TInstallerVerdict::OtherPublisher},
      {.name = "our subject on a chain the system does not trust",
       .running = ours,
       .installer = {.Result = 0x800B0109, .Subject = ours.Subject},
       .verdict = TInstallerVerdict::Untrusted},
      {.name = "an expired certificate",
       .running = ours,
       .installer = {.Result = 0x800B0101, .Subject = ours.Subject},
       .verdict = TInstallerVerdict::Untrusted},
      {.name = "a file the platform cannot read",
       .running = ours,
       .installer = {.Result = 0x80070002, .Subject = ""},
       .verdict = TInstallerVerdict::Untrusted},
      {.name = "a signed program whose own subject cannot be read",
       .running = {.Result = 0, .Subject = ""},
       .installer = {.Result = 0, .Subject = ""},
       .verdict = TInstallerVerdict::Untrusted},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(JudgeInstaller(c.running, c.installer), c.verdict);
  }
}

}  // namespace
}  // namespace porvan
