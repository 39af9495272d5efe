// The access journal's bytes: what is written, and what any other bytes read as.
#include "app/access_journal_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace porvan {
namespace {

const TJournalRecord kFtp{"FTP", "example.com", "4120-133489000000000000", 1765280000};
const std::string kFtpLine = "FTP 4120-133489000000000000 1765280000 example.com\n";

TEST(AccessJournalFormatTest, WritesAHeaderOneLinePerRecordAndTheirCount) {
  EXPECT_EQ(FormatJournal({}), "PorvanAccessJournal 1\nend 0\n");
  // Blanks, controls, "%" and CP949 bytes are escaped: the fields stay blank-separated.
  const TJournalRecord odd{"SSH", " a%b\t\xC7\xD1\r\n", "7-8-boot", 0};
  EXPECT_EQ(FormatJournal({kFtp, odd}), "PorvanAccessJournal 1\n" + kFtpLine +
                                            "SSH 7-8-boot 0 %20a%25b%09%C7%D1%0D%0A\n"
                                            "end 2\n");
}

std::string Journal(const std::string& lines, int count) {
  return "PorvanAccessJournal 1\n" + lines + "end " + std::to_string(count) + "\n";
}

struct TParseCase {
  const char* name;
  std::string bytes;
  TJournalFormat format = TJournalFormat::Damaged;
  std::vector<TJournalRecord> records;
};

TEST(AccessJournalFormatTest, AnyBytesReadAsRecordsOrAsDamagedOrAsAnotherFormat) {
  const std::string full = Journal(kFtpLine, 1);
  const TParseCase cases[] = {
      {.name = "an empty journal", .bytes = Journal("", 0), .format = TJournalFormat::Read},
      {.name = "one record", .bytes = full, .format = TJournalFormat::Read, .records = {kFtp}},
      {.name = "escapes in either case",
       .bytes = Journal("SSH 1-2 3 %c7%D1.kr\n", 1),
       .format = TJournalFormat::Read,
       .records = {{"SSH", "\xC7\xD1.kr", "1-2", 3}}},
      {.name = "a newer format",
       .bytes = "PorvanAccessJournal 2\nwhatever it holds\n",
       .format = TJournalFormat::Unknown},
      {.name = "format 0",
       .bytes = "PorvanAccessJournal 0\nend 0\n",
       .format = TJournalFormat::Unknown},
      {.name = "an empty file", .bytes = ""},
      {.name = "cut short inside a record", .bytes = full.substr(0, 40)},
      {.name = "cut short after a record line", .bytes = "PorvanAccessJournal 1\n" + kFtpLine},
      {.name = "cut short inside the count", .bytes = full.substr(0, full.size() - 1)},
      {.name = "count does not match", .bytes = Journal(kFtpLine, 2)},
      {.name = "count with a leading zero",
       .bytes = Journal(kFtpLine, 1).replace(full.size() - 2, 1, "01")},
      {.name = "something after the count", .bytes = full + kFtpLine},
      {.name = "not a journal", .bytes = "[config]\r\nFTPPath=x\r\n"},
      {.name = "a header without version", .bytes = "PorvanAccessJournal \nend 0\n"},
      {.name = "a header with a signed version", .bytes = "PorvanAccessJournal +1\nend 0\n"},
      {.name = "CR LF line ends", .bytes = "PorvanAccessJournal 1\r\nend 0\r\n"},
      {.name = "a protocol in lower case", .bytes = Journal("ftp 1-2 3 a.com\n", 1)},
      {.name = "a negative time", .bytes = Journal("FTP 1-2 -3 a.com\n", 1)},
      {.name = "a time beyond 64 bits",
       .bytes = Journal("FTP 1-2 99999999999999999999 a.com\n", 1)},
      {.name = "a time beyond int64", .bytes = Journal("FTP 1-2 9223372036854775808 a.com\n", 1)},
      {.name = "two blanks", .bytes = Journal("FTP  1-2 3 a.com\n", 1)},
      {.name = "a blank in the domain", .bytes = Journal("FTP 1-2 3 a .com\n", 1)},
      {.name = "no domain", .bytes = Journal("FTP 1-2 3\n", 1)},
      {.name = "an empty domain", .bytes = Journal("FTP 1-2 3 \n", 1)},
      {.name = "a bad escape", .bytes = Journal("FTP 1-2 3 a%G0.com\n", 1)},
      {.name = "an escape cut short", .bytes = Journal("FTP 1-2 3 a.com%4\n", 1)},
      {.name = "a raw CP949 byte", .bytes = Journal("FTP 1-2 3 \xC7\xD1\n", 1)},
      {.name = "a NUL in a line", .bytes = Journal(std::string("FTP 1-2 3 a\0b\n", 14), 1)},
      {.name = "an instance longer than a token",
       .bytes = Journal("FTP " + std::string(97, '1') + " 3 a.com\n", 1)},
  };
  for (const TParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TJournalContents contents = ParseJournal(c.bytes);
    EXPECT_EQ(contents.Format, c.format);
    EXPECT_EQ(contents.Records, c.records);
  }
}

TEST(AccessJournalFormatTest, SizeAndRecordCountAreBounded) {
  std::string lines;
  for (std::size_t i = 0; i < kJournalRecordLimit; ++i) {
    lines += kFtpLine;
  }
  EXPECT_EQ(ParseJournal(Journal(lines, kJournalRecordLimit)).Records.size(), kJournalRecordLimit);
  EXPECT_EQ(ParseJournal(Journal(lines + kFtpLine, kJournalRecordLimit + 1)).Format,
            TJournalFormat::Damaged);

  const std::string longDomain(kJournalByteLimit, 'a');
  EXPECT_EQ(ParseJournal(Journal("FTP 1-2 3 " + longDomain + "\n", 1)).Format,
            TJournalFormat::Damaged);
}

TEST(AccessJournalFormatTest, EveryByteOfADomainComesBackAsItWas) {
  std::string domain;
  for (int byte = 0; byte < 256; ++byte) {
    domain += static_cast<char>(byte);
  }
  const TJournalRecord record{"FTP", domain, "1-2", 3};
  EXPECT_EQ(ParseJournal(FormatJournal({record})).Records, std::vector<TJournalRecord>{record});
}

}  // namespace
}  // namespace porvan
