// The start's close of access that ended instances left open, on the wire of a loopback server.
#include "app/leftover_access.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/access_journal.h"
#include "server/remote_server_con.h"
#include "settings/run_state.h"
#include "support/journal_text.h"
#include "support/server_session.h"

namespace porvan {
namespace {

using testing::HttpReply;
using testing::JournalText;
using testing::TServerAct;
using testing::TServerTurn;

const std::string kPath = "C:\\Porvan\\Porvan.journal";
const std::string kSelf = "100-5000";
const std::string kDead = "100-4000";
const std::string kOther = "200-6000";

std::string Close(const std::string& protocol, const std::string& domain) {
  return "mode=close_request&protocol=" + protocol + "&query=" + domain + "&";
}

struct TLeftoverCase {
  const char* name;
  std::vector<std::string> records;
  std::vector<TServerTurn> turns;
  std::vector<std::string> bodies;
  std::vector<std::string> left;  // the journal's records afterwards; none: no file
};

TEST(LeftoverAccessTest, ClosesWhatEndedInstancesLeftFtpFirstWhateverTheReply) {
  const TServerTurn closed{HttpReply("SUCCESS:Access_closed:a:b")};
  const TLeftoverCase cases[] = {
      {.name = "nothing left"},
      {.name = "a running instance's access is not touched",
       .records = {"FTP " + kOther + " 1 example.com"},
       .left = {"FTP " + kOther + " 1 example.com"}},
      {.name = "FTP before SSH, then each record goes",
       .records = {"SSH " + kDead + " 1 a.com", "SSH " + kDead + " 2 b.com",
                   "FTP " + kDead + " 3 b.com"},
       .turns = {closed, closed, closed},
       .bodies = {Close("FTP", "b.com"), Close("SSH", "a.com"), Close("SSH", "b.com")}},
      {.name = "a refusal, no reply and a dead server all count as done",
       .records = {"FTP " + kDead + " 1 a.com", "SSH " + kDead + " 2 a.com",
                   "FTP " + kDead + " 3 b.com"},
       .turns = {{HttpReply("FAIL:Not_registered")},
                 {"", TServerAct::CloseUnanswered},
                 {"HTTP/1.0 500 Oops\r\n\r\n"}},
       .bodies = {Close("FTP", "a.com"), Close("FTP", "b.com"), Close("SSH", "a.com")}},
      {.name = "the domain goes out as it was sent",
       .records = {"FTP " + kDead + " 1 %20Example.com"},
       .turns = {closed},
       .bodies = {Close("FTP", "%20Example.com")}},
      {.name = "only the ended instance's share, beside a running one",
       .records = {"FTP " + kOther + " 1 a.com", "SSH " + kDead + " 2 b.com",
                   "FTP " + kDead + " 3 a.com"},
       .turns = {closed},
       .bodies = {Close("SSH", "b.com")},
       .left = {"FTP " + kOther + " 1 a.com"}},
  };
  for (const TLeftoverCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TServerSession session(c.turns);
    session.Fake.Instances.Running = {kOther};
    if (!c.records.empty()) {
      session.Fake.Files.Files[kPath] = JournalText(c.records);
    }
    TAccessJournal journal(session.Fake.Files, session.Fake.Instances, session.Fake.Messages, kPath,
                           SystemSeconds);
    TRemoteServerCon server(session.Fake.Platform.Sockets, session.Fake.Messages,
                            session.Fake.Waits, SysVar->GetServerURL());

    EXPECT_EQ(CloseLeftoverAccess(journal, server), c.bodies.size());

    EXPECT_EQ(session.Bodies(), c.bodies);
    const auto file = session.Fake.Files.LoadFile(kPath);
    EXPECT_EQ(file,
              c.left.empty() ? std::nullopt : std::optional<std::string>(JournalText(c.left)));
    EXPECT_TRUE(session.Fake.Messages.Shown.empty());
  }
}

}  // namespace
}  // namespace porvan
