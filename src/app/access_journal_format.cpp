// The bytes of the access journal.
#include "app/access_journal_format.h"

#include <limits>
#include <optional>

#include "common/decimal.h"
#include "platform/instances.h"

namespace porvan {
namespace {

constexpr std::string_view kHeader = "PorvanAccessJournal ";
constexpr std::uint64_t kVersion = 1;
constexpr std::string_view kEnd = "end ";
constexpr char kHex[] = "0123456789ABCDEF";

// Blanks separate the fields, so the domain's blanks, controls, "%" and bytes above 126 (CP949
// lead and trail bytes) are written as %XX.
std::string EscapeDomain(std::string_view domain) {
  std::string text;
  for (char c : domain) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= ' ' || byte >= 0x7F || c == '%') {
      text += '%';
      text += kHex[byte >> 4];
      text += kHex[byte & 0x0F];
    } else {
      text += c;
    }
  }
  return text;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return -1;
}

std::optional<std::string> UnescapeDomain(std::string_view text) {
  std::string domain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      domain += text[i];
      continue;
    }
    if (i + 2 >= text.size()) {
      return std::nullopt;
    }
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) {
      return std::nullopt;
    }
    domain += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return domain;
}

bool IsFieldText(std::string_view text) {
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= ' ' || byte >= 0x7F) {
      return false;
    }
  }
  return !text.empty();
}

// The next blank-separated field; empty when there is none or two blanks meet.
std::string_view TakeField(std::string_view& line) {
  const std::size_t blank = line.find(' ');
  const std::string_view field = line.substr(0, blank);
  line = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
  return field;
}

std::optional<TJournalRecord> ParseRecord(std::string_view line) {
  const std::string_view protocol = TakeField(line);
  const std::string_view instance = TakeField(line);
  const std::string_view time = TakeField(line);
  const std::string_view domain = line;
  if ((protocol != "FTP" && protocol != "SSH") || !IsFieldText(instance) ||
      instance.size() > IInstances::kInstanceTokenLimit || !IsFieldText(domain)) {
    return std::nullopt;
  }
  const std::optional<std::uint64_t> seconds = ParseUnsignedDecimal(time);
  std::optional<std::string> bytes = UnescapeDomain(domain);
  if (!seconds || *seconds > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) ||
      !bytes) {
    return std::nullopt;
  }
  return TJournalRecord{std::string(protocol), std::move(*bytes), std::string(instance),
                        static_cast<std::int64_t>(*seconds)};
}

}  // namespace

std::string FormatJournal(const std::vector<TJournalRecord>& records) {
  std::string bytes = std::string(kHeader) + std::to_string(kVersion) + "\n";
  for (const TJournalRecord& record : records) {
    bytes += record.Protocol + " " + record.Instance + " " + std::to_string(record.Time) + " " +
             EscapeDomain(record.Domain) + "\n";
  }
  bytes += std::string(kEnd) + std::to_string(records.size()) + "\n";
  return bytes;
}

TJournalContents ParseJournal(std::string_view bytes) {
  if (bytes.size() > kJournalByteLimit || bytes.empty() || bytes.back() != '\n') {
    return {TJournalFormat::Damaged, {}};
  }
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find('\n', start);
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  if (!lines.front().starts_with(kHeader)) {
    return {TJournalFormat::Damaged, {}};
  }
  const std::optional<std::uint64_t> version =
      ParseUnsignedDecimal(lines.front().substr(kHeader.size()));
  if (!version) {
    return {TJournalFormat::Damaged, {}};
  }
  if (*version != kVersion) {
    return {TJournalFormat::Unknown, {}};
  }
  if (lines.size() < 2 || lines.size() - 2 > kJournalRecordLimit ||
      !lines.back().starts_with(kEnd) ||
      ParseUnsignedDecimal(lines.back().substr(kEnd.size())) != lines.size() - 2) {
    return {TJournalFormat::Damaged, {}};
  }
  TJournalContents contents;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    std::optional<TJournalRecord> record = ParseRecord(lines[i]);
    if (!record) {
      return {TJournalFormat::Damaged, {}};
    }
    contents.Records.push_back(std::move(*record));
  }
  return contents;
}

}  // namespace porvan
