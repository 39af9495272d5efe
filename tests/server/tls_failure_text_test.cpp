// The notice of a TLS failure: shown for the first one of a run, naming its reason, before the
// notice the request shows anyway; never for a failure that is not about TLS.
#include <gtest/gtest.h>

#include <string>

#include "common/code_page.h"
#include "server/remote_server_con.h"
#include "server/tls_failure_text.h"
#include "support/fake_platform.h"
#include "support/fake_sockets.h"
#include "support/thread_gui_wait.h"

namespace porvan {
namespace {

using testing::FakeMessageBox;
using testing::FakeSocketFactory;

const std::string kUrl = "https://porvan.example/porvandaemon/communication.php";

std::vector<std::string> Texts(const FakeMessageBox& messages) {
  std::vector<std::string> texts;
  for (const auto& box : messages.Shown) {
    texts.push_back(box.Text);
  }
  return texts;
}

bool NamesTheCertificate(const std::string& text) {
  return text.find(Utf8ToCp949("인증서")) != std::string::npos;
}

TEST(TlsNoticeTest, TheFirstTlsFailureIsNamedBeforeTheRefusalOfTheOpen) {
  struct {
    const char* name;
    TTlsFailure reason;
    bool certificate;
  } const cases[] = {
      {.name = "untrusted", .reason = TTlsFailure::Untrusted, .certificate = true},
      {.name = "wrong name", .reason = TTlsFailure::WrongName, .certificate = true},
      {.name = "expired", .reason = TTlsFailure::Expired, .certificate = true},
      {.name = "other", .reason = TTlsFailure::Other, .certificate = false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSocketFactory sockets;
    FakeMessageBox messages;
    TThreadGuiWait waits;
    sockets.AddConnection();
    sockets.AddTlsFailure(TNetStatus::Error, c.reason);
    TRemoteServerCon con(sockets, messages, waits, kUrl);
    EXPECT_FALSE(con.OpenFTP("example.com"));
    // The open's own notice follows with the (empty) server message, as for any failed exchange.
    EXPECT_EQ(Texts(messages), (std::vector<std::string>{TlsFailureText(c.reason), ""}));
    EXPECT_EQ(NamesTheCertificate(TlsFailureText(c.reason)), c.certificate);
  }
}

TEST(TlsNoticeTest, TheReasonsHaveTextsOfTheirOwn) {
  const std::string untrusted = TlsFailureText(TTlsFailure::Untrusted);
  const std::string wrongName = TlsFailureText(TTlsFailure::WrongName);
  const std::string expired = TlsFailureText(TTlsFailure::Expired);
  const std::string other = TlsFailureText(TTlsFailure::Other);
  EXPECT_NE(untrusted, wrongName);
  EXPECT_NE(untrusted, expired);
  EXPECT_NE(wrongName, expired);
  EXPECT_NE(other, untrusted);
}

TEST(TlsNoticeTest, IsShownOncePerRunWhateverRequestFails) {
  FakeSocketFactory sockets;  // one factory per run
  FakeMessageBox messages;
  TThreadGuiWait waits;
  for (int i = 0; i < 3; ++i) {
    sockets.AddConnection();
    sockets.AddTlsFailure(TNetStatus::Error, TTlsFailure::Untrusted);
  }
  TRemoteServerCon splash(sockets, messages, waits, kUrl);
  EXPECT_EQ(splash.GetClientIP(), "");
  TRemoteServerCon version(sockets, messages, waits, kUrl);
  EXPECT_EQ(version.CheckVersion("1.5.0.0"), TVersionCheck::NoAnswer);
  TRemoteServerCon main(sockets, messages, waits, kUrl);
  EXPECT_FALSE(main.CloseFTP("example.com"));
  EXPECT_EQ(Texts(messages), (std::vector<std::string>{TlsFailureText(TTlsFailure::Untrusted)}));
}

TEST(TlsNoticeTest, FailuresThatAreNotAboutTlsShowNothingAndDoNotUseItUp) {
  FakeSocketFactory sockets;
  FakeMessageBox messages;
  TThreadGuiWait waits;
  sockets.AddFailure(TNetStatus::Error);  // no connection at all
  sockets.AddConnection();
  sockets.AddTlsFailure(TNetStatus::TimedOut, TTlsFailure::None);  // a silent server
  sockets.AddConnection();
  sockets.AddTlsFailure(TNetStatus::Error, TTlsFailure::Expired);
  TRemoteServerCon con(sockets, messages, waits, kUrl);
  EXPECT_EQ(con.GetClientIP(), "");
  EXPECT_EQ(con.GetClientIP(), "");
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_EQ(con.GetClientIP(), "");
  EXPECT_EQ(Texts(messages), (std::vector<std::string>{TlsFailureText(TTlsFailure::Expired)}));
}

}  // namespace
}  // namespace porvan
