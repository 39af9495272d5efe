// The bytes of the access journal: one line per access request sent to open, between a header
// that names the format and a closing line that counts the records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace porvan {

// One open request as it was sent: protocol "FTP" or "SSH", the domain's CP949 bytes, the
// instance that sent it (a token of the instance seam) and when, in seconds since 1970 UTC.
struct TJournalRecord {
  std::string Protocol;
  std::string Domain;
  std::string Instance;
  std::int64_t Time = 0;

  bool operator==(const TJournalRecord&) const = default;
};

enum class TJournalFormat {
  Read,     // the records are those the file holds
  Damaged,  // cut short, edited, or not a journal at all
  Unknown,  // a journal of another format version, as a newer client writes it
};

struct TJournalContents {
  TJournalFormat Format = TJournalFormat::Read;
  std::vector<TJournalRecord> Records;
};

// A longer file, or one with more records, is damaged: the client writes a handful at most.
inline constexpr std::size_t kJournalByteLimit = std::size_t{64} * 1024;
inline constexpr std::size_t kJournalRecordLimit = 64;

std::string FormatJournal(const std::vector<TJournalRecord>& records);

// Any bytes at all give one of the three results, never an error.
TJournalContents ParseJournal(std::string_view bytes);

}  // namespace porvan
