// Fuzz target: the access journal read from arbitrary bytes; what reads as records must be
// written back to bytes that read as the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/access_journal_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const porvan::TJournalContents contents = porvan::ParseJournal(bytes);
  if (contents.Format != porvan::TJournalFormat::Read) {
    if (!contents.Records.empty()) {
      std::abort();
    }
    return 0;
  }
  if (contents.Records.size() > porvan::kJournalRecordLimit) {
    std::abort();
  }
  const porvan::TJournalContents again =
      porvan::ParseJournal(porvan::FormatJournal(contents.Records));
  if (again.Format != porvan::TJournalFormat::Read || again.Records != contents.Records) {
    std::abort();
  }
  return 0;
}
