// TAccessJournal's file rules: each change under the lock, removal of the empty journal, the
// claim of leftovers, and what a damaged, foreign, unreadable or unwritable journal does.
#include "app/access_journal.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "support/fake_platform.h"
#include "support/journal_text.h"

namespace porvan {
namespace {

using testing::JournalText;
const std::string kPath = "C:\\Porvan\\Porvan.journal";
const std::string kAside = "C:\\Porvan\\Porvan.journal.damaged-1765280000";
const std::string kSelf = "100-5000";  // FakeInstances' own token
const std::string kDead = "100-4000";  // the same process number, an earlier start
const std::string kOther = "200-6000";

std::string SetAsideNotice() {
  return Utf8ToCp949("접근 기록 파일을 읽을 수 없어 다른 이름으로 옮겨 두었습니다:\r\r") + kAside;
}
std::string UnusableNotice() {
  return Utf8ToCp949("접근 기록 파일을 읽을 수 없습니다:\r\r") + kPath;
}
const std::string kWriteError = "Unable to write to " + kPath;

enum class TOp { Add, Remove, Claim };

struct TStep {
  TOp op;
  std::string protocol;
  std::string domain;
};

struct TJournalCase {
  const char* name;
  std::optional<std::string> before;  // the journal's bytes, or no file
  std::set<std::string> running;
  bool unreadable = false;
  bool failWrites = false;
  bool failRenames = false;
  bool lockedElsewhere = false;
  std::vector<TStep> steps;
  // expected
  std::vector<bool> added;  // the result of each Add
  std::vector<TJournalRecord> claimed;
  std::optional<std::string> after;
  std::optional<std::string> aside;
  std::vector<std::string> boxes;
};

TEST(AccessJournalTest, EachChangeKeepsTheFileRules) {
  const std::string ftp = "FTP " + kSelf + " 1765280000 example.com";
  const std::string damaged = "PorvanAccessJournal 1\nFTP 100-4000 17";
  const std::string newer = "PorvanAccessJournal 2\nFTP+SSH 9 example.com\n";
  const std::string full =
      JournalText(std::vector<std::string>(kJournalRecordLimit, "SSH " + kOther + " 1 a.com"));
  const TJournalCase cases[] = {
      {.name = "the first record makes the journal",
       .steps = {{TOp::Add, "FTP", "example.com"}},
       .added = {true},
       .after = JournalText({ftp})},
      {.name = "a record is added after those there are",
       .before = JournalText({"SSH " + kOther + " 1 a.com"}),
       .running = {kOther},
       .steps = {{TOp::Add, "FTP", "example.com"}},
       .added = {true},
       .after = JournalText({"SSH " + kOther + " 1 a.com", ftp})},
      {.name = "the domain is kept as it was sent, blanks and all",
       .steps = {{TOp::Add, "SSH", " \xC7\xD1.kr "}},
       .added = {true},
       .after = JournalText({"SSH " + kSelf + " 1765280000 %20%C7%D1.kr%20"})},
      {.name = "removing the last record removes the file",
       .steps = {{TOp::Add, "FTP", "example.com"}, {TOp::Remove, "FTP", "example.com"}},
       .added = {true}},
      {.name = "removal takes one record of this instance, protocol and domain",
       .before = JournalText({"FTP " + kOther + " 1 example.com", "FTP " + kSelf + " 2 example.com",
                              "SSH " + kSelf + " 3 example.com", "FTP " + kSelf + " 4 Example.com",
                              "FTP " + kSelf + " 5 example.com"}),
       .steps = {{TOp::Remove, "FTP", "example.com"}},
       .after =
           JournalText({"FTP " + kOther + " 1 example.com", "SSH " + kSelf + " 3 example.com",
                        "FTP " + kSelf + " 4 Example.com", "FTP " + kSelf + " 5 example.com"})},
      {.name = "removing what is not there leaves the file alone",
       .before = JournalText({"FTP " + kOther + " 1 example.com"}),
       .steps = {{TOp::Remove, "FTP", "example.com"}},
       .after = JournalText({"FTP " + kOther + " 1 example.com"})},
      {.name = "an unwritable journal refuses the record with the error report",
       .failWrites = true,
       .steps = {{TOp::Add, "FTP", "example.com"}},
       .added = {false},
       .boxes = {kWriteError}},
      {.name = "a full journal refuses one more record",
       .before = full,
       .running = {kOther},
       .steps = {{TOp::Add, "FTP", "example.com"}},
       .added = {false},
       .after = full,
       .boxes = {kWriteError}},
      {.name = "a record that would make the journal too long to read is refused",
       .before = JournalText({"SSH " + kOther + " 1 a.com"}),
       .running = {kOther},
       .steps = {{TOp::Add, "FTP", std::string(22000, '\xB0')}, {TOp::Remove, "SSH", "a.com"}},
       .added = {false},
       .after = JournalText({"SSH " + kOther + " 1 a.com"}),
       .boxes = {kWriteError}},
      {.name = "a lock another instance keeps refuses the record",
       .lockedElsewhere = true,
       .steps = {{TOp::Add, "FTP", "example.com"}},
       .added = {false},
       .boxes = {kWriteError}},
      {.name = "a journal cut short is set aside once and a new one begun",
       .before = damaged,
       .steps = {{TOp::Add, "FTP", "example.com"},
                 {TOp::Remove, "FTP", "example.com"},
                 {TOp::Add, "FTP", "example.com"}},
       .added = {true, true},
       .after = JournalText({ftp}),
       .aside = damaged,
       .boxes = {SetAsideNotice()}},
      {.name = "a journal of a newer format is set aside, not read",
       .before = newer,
       .steps = {{TOp::Claim}},
       .aside = newer,
       .boxes = {SetAsideNotice()}},
      {.name = "an unreadable journal is set aside",
       .before = JournalText({"FTP " + kDead + " 1 example.com"}),
       .unreadable = true,
       .steps = {{TOp::Claim}},
       .aside = JournalText({"FTP " + kDead + " 1 example.com"}),
       .boxes = {SetAsideNotice()}},
      {.name = "a damaged journal that cannot be renamed is reported once and kept",
       .before = damaged,
       .failRenames = true,
       .steps = {{TOp::Claim}, {TOp::Add, "FTP", "example.com"}, {TOp::Add, "FTP", "a.com"}},
       .added = {false, false},
       .after = damaged,
       .boxes = {UnusableNotice(), kWriteError, kWriteError}},
      {.name = "no journal: nothing to claim and nothing written", .steps = {{TOp::Claim}}},
      {.name = "records of ended instances are claimed; a running one's stay its own",
       .before = JournalText({"SSH " + kDead + " 7 a.com", "FTP " + kOther + " 8 b.com",
                              "FTP " + kDead + " 9 a.com", "SSH 300-1 10 c%20d.com"}),
       .running = {kOther},
       .steps = {{TOp::Claim}},
       .claimed = {{"SSH", "a.com", kSelf, 7},
                   {"FTP", "a.com", kSelf, 9},
                   {"SSH", "c d.com", kSelf, 10}},
       .after = JournalText({"FTP " + kOther + " 8 b.com", "SSH " + kSelf + " 7 a.com",
                             "FTP " + kSelf + " 9 a.com", "SSH " + kSelf + " 10 c%20d.com"})},
      {.name = "access a running instance also holds is dropped, not closed",
       .before =
           JournalText({"FTP " + kDead + " 1 %20Example.COM", "FTP " + kOther + " 2 example.com",
                        "SSH " + kDead + " 3 example.com", "SSH " + kDead + " 4 example.com"}),
       .running = {kOther},
       .steps = {{TOp::Claim}},
       .claimed = {{"SSH", "example.com", kSelf, 3}},
       .after =
           JournalText({"FTP " + kOther + " 2 example.com", "SSH " + kSelf + " 3 example.com"})},
      {.name = "leftovers are given even when the claim cannot be written",
       .before = JournalText({"FTP " + kDead + " 1 a.com"}),
       .failWrites = true,
       .steps = {{TOp::Claim}},
       .claimed = {{"FTP", "a.com", kSelf, 1}},
       .after = JournalText({"FTP " + kDead + " 1 a.com"})},
      {.name = "with the lock held elsewhere nothing is claimed",
       .before = JournalText({"FTP " + kDead + " 1 a.com"}),
       .lockedElsewhere = true,
       .steps = {{TOp::Claim}},
       .after = JournalText({"FTP " + kDead + " 1 a.com"})},
  };
  for (const TJournalCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TFakePlatform fake;
    if (c.before) {
      fake.Files.Files[kPath] = *c.before;
    }
    if (c.unreadable) {
      fake.Files.Unreadable.insert(kPath);
    }
    fake.Files.FailWrites = c.failWrites;
    fake.Files.FailRenames = c.failRenames;
    fake.Instances.Running = c.running;
    fake.Instances.HeldElsewhere = c.lockedElsewhere;
    TAccessJournal journal(fake.Files, fake.Instances, fake.Messages, kPath,
                           [] { return std::int64_t{1765280000}; });
    std::vector<bool> added;
    std::vector<TJournalRecord> claimed;
    for (const TStep& step : c.steps) {
      switch (step.op) {
        case TOp::Add:
          added.push_back(journal.Add(step.protocol, step.domain));
          break;
        case TOp::Remove:
          journal.Remove(step.protocol, step.domain);
          break;
        case TOp::Claim:
          claimed = journal.ClaimLeftovers();
          break;
      }
      EXPECT_EQ(fake.Instances.LocksHeld, 0);
    }
    EXPECT_EQ(added, c.added);
    EXPECT_EQ(claimed, c.claimed);
    const auto file = fake.Files.LoadFile(kPath);
    EXPECT_EQ(file, c.after);
    EXPECT_EQ(fake.Files.LoadFile(kAside), c.aside);
    std::vector<std::string> boxes;
    for (const testing::TShownBox& box : fake.Messages.Shown) {
      boxes.push_back(box.Text);
    }
    EXPECT_EQ(boxes, c.boxes);
    // Nothing but the journal and what was set aside beside it.
    EXPECT_EQ(fake.Files.Files.size(), std::size_t{c.after.has_value()} + c.aside.has_value());
  }
}

TEST(AccessJournalTest, AnInstanceIsAskedAboutOnceAndNeverAboutItself) {
  testing::TFakePlatform fake;
  fake.Files.Files[kPath] =
      JournalText({"FTP " + kDead + " 1 a.com", "SSH " + kDead + " 2 a.com",
                   "FTP " + kSelf + " 3 b.com", "SSH " + kOther + " 4 b.com"});
  TAccessJournal journal(fake.Files, fake.Instances, fake.Messages, kPath, SystemSeconds);
  journal.ClaimLeftovers();
  EXPECT_EQ(fake.Instances.Asked, (std::vector<std::string>{kDead, kOther}));
}

TEST(AccessJournalTest, LivesBesideTheSettingsFileAndRecordsTheTimeOfTheRequest) {
  EXPECT_EQ(JournalPathFor("C:\\Porvan\\Porvan.exe"), "C:\\Porvan\\Porvan.journal");
  EXPECT_EQ(JournalPathFor("/opt/porvan/porvan"), "/opt/porvan/porvan.journal");
  EXPECT_EQ(JournalPathFor("C:\\a.b\\Porvan"), "C:\\a.b\\Porvan.journal");

  testing::TFakePlatform fake;
  TAccessJournal journal(fake.Files, fake.Instances, fake.Messages, kPath, SystemSeconds);
  const std::int64_t before = SystemSeconds();
  ASSERT_TRUE(journal.Add("FTP", "example.com"));
  const std::int64_t after = SystemSeconds();
  const TJournalContents contents = ParseJournal(fake.Files.Files[kPath]);
  ASSERT_EQ(contents.Records.size(), 1u);
  EXPECT_GE(contents.Records[0].Time, before);
  EXPECT_LE(contents.Records[0].Time, after);
}

}  // namespace
}  // namespace porvan
