// The profile-file (INI) rules, on the bytes of a file.
#include "settings/profile_file.h"

#include <optional>
#include <vector>

namespace porvan {
namespace {

bool IsProfileBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsProfileBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsProfileBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

// One line of the file: where it starts and ends (line end excluded) and where the next begins.
struct TLine {
  std::size_t begin;
  std::size_t end;
  std::size_t next;
};

std::vector<TLine> SplitLines(std::string_view file) {
  std::vector<TLine> lines;
  std::size_t begin = 0;
  while (begin < file.size()) {
    std::size_t lf = file.find('\n', begin);
    std::size_t next = (lf == std::string_view::npos) ? file.size() : lf + 1;
    std::size_t end = (lf == std::string_view::npos) ? file.size() : lf;
    if (end > begin && file[end - 1] == '\r') {
      --end;
    }
    lines.push_back({begin, end, next});
    begin = next;
  }
  return lines;
}

// The name of a section header line "[name]", or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') {
    return std::nullopt;
  }
  std::size_t close = line.find(']');
  if (close == std::string_view::npos) {
    return std::nullopt;
  }
  return TrimBlanks(line.substr(1, close - 1));
}

struct TKeyLine {
  std::string_view name;
  std::string_view value;
};

// A key line "name=value"; a line without "=" is a key without a value.
TKeyLine SplitKeyLine(std::string_view line) {
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) {
    return {TrimBlanks(line), {}};
  }
  return {TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1))};
}

// Where a section and a key are in the file, as line indices.
struct TLocation {
  std::optional<std::size_t> section;  // the header line of the first matching section
  std::optional<std::size_t> key;      // the key's line within that section
  std::size_t lastContentLine = 0;     // the section's last non-blank line
};

TLocation Locate(std::string_view file, const std::vector<TLine>& lines, std::string_view section,
                 std::string_view key) {
  TLocation where;
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view text = file.substr(lines[i].begin, lines[i].end - lines[i].begin);
    if (auto name = SectionName(text)) {
      if (where.section) {
        break;  // the next section ends the first matching one
      }
      if (SameName(*name, section)) {
        where.section = i;
        where.lastContentLine = i;
      }
      continue;
    }
    if (!where.section || TrimBlanks(text).empty()) {
      continue;
    }
    where.lastContentLine = i;
    if (!where.key && SameName(SplitKeyLine(text).name, key)) {
      where.key = i;
    }
  }
  return where;
}

std::string_view UnquoteValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The line end the file already uses; a new or single-line file gets CR LF.
std::string_view LineEndOf(std::string_view file) {
  std::size_t lf = file.find('\n');
  if (lf != std::string_view::npos && (lf == 0 || file[lf - 1] != '\r')) {
    return "\n";
  }
  return "\r\n";
}

}  // namespace

std::string ReadProfileValue(std::string_view file, std::string_view section,
                             std::string_view key) {
  std::vector<TLine> lines = SplitLines(file);
  TLocation where = Locate(file, lines, section, key);
  if (!where.key) {
    return {};
  }
  const TLine& line = lines[*where.key];
  std::string_view value =
      UnquoteValue(SplitKeyLine(file.substr(line.begin, line.end - line.begin)).value);
  return std::string(value.substr(0, kProfileValueLimit));
}

std::string WriteProfileValue(std::string_view file, std::string_view section, std::string_view key,
                              std::string_view value) {
  std::vector<TLine> lines = SplitLines(file);
  TLocation where = Locate(file, lines, section, key);
  std::string_view eol = LineEndOf(file);
  std::string result;
  if (where.key) {
    // The name keeps the spelling the file gives it, as the system's own writer does.
    const TLine& line = lines[*where.key];
    std::string_view storedName = SplitKeyLine(file.substr(line.begin, line.end - line.begin)).name;
    result.append(file.substr(0, line.begin)).append(storedName).append("=").append(value);
    result.append(file.substr(line.end));
    return result;
  }
  if (where.section) {
    const TLine& last = lines[where.lastContentLine];
    std::string_view lastEnd = file.substr(last.end, last.next - last.end);
    result.append(file.substr(0, last.end));
    result.append(lastEnd.empty() ? eol : lastEnd)
        .append(TrimBlanks(key))
        .append("=")
        .append(value);
    result.append(lastEnd.empty() ? std::string_view() : lastEnd);
    result.append(file.substr(last.next));
    return result;
  }
  result.append(file);
  if (!result.empty() && result.back() != '\n') {
    result.append(eol);
  }
  result.append("[").append(TrimBlanks(section)).append("]").append(eol);
  result.append(TrimBlanks(key)).append("=").append(value).append(eol);
  return result;
}

}  // namespace porvan
