// Journal bytes written out by hand in tests, so that a test does not lean on the writer it
// checks.
#pragma once

#include <string>
#include <vector>

namespace porvan::testing {

// The header, the record lines as given, and their count.
inline std::string JournalText(const std::vector<std::string>& lines) {
  std::string bytes = "PorvanAccessJournal 1\n";
  for (const std::string& line : lines) {
    bytes += line + "\n";
  }
  return bytes + "end " + std::to_string(lines.size()) + "\n";
}

}  // namespace porvan::testing
