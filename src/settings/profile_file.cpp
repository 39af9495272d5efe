// The profile-file (INI) rules, on the bytes of a file.
#include "settings/profile_file.h"

#include <optional>
#include <vector>

#include "common/text_bytes.h"

namespace porvan {
namespace {

bool IsProfileBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The profile rules trim white space only, not every byte up to 32.
std::string_view TrimSpaces(std::string_view text) {
  return TrimIf(text, IsProfileBlank);
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
  line = TrimSpaces(line);
  if (line.empty() || line.front() != '[') {
    return std::nullopt;
  }
  std::size_t close = line.find(']');
  if (close == std::string_view::npos) {
    return std::nullopt;
  }
  return TrimSpaces(line.substr(1, close - 1));
}

struct TKeyLine {
  std::string_view name;
  std::string_view value;
};

// A key line "name=value"; a line without "=" is a key without a value.
TKeyLine SplitKeyLine(std::string_view line) {
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) {
    return {TrimSpaces(line), {}};
  }
  return {TrimSpaces(line.substr(0, eq)), TrimSpaces(line.substr(eq + 1))};
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
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view text = file.substr(lines[i].begin, lines[i].end - lines[i].begin);
    if (auto name = SectionName(text)) {
      if (where.section) {
        break;  // the next section ends the first matching one
      }
      if (EqualsNoCase(*name, section)) {
        where.section = i;
        where.lastContentLine = i;
      }
      continue;
    }
    if (!where.section || TrimSpaces(text).empty()) {
      continue;
    }
    where.lastContentLine = i;
    if (!where.key && EqualsNoCase(SplitKeyLine(text).name, key)) {
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
        .append(TrimSpaces(key))
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
  result.append("[").append(TrimSpaces(section)).append("]").append(eol);
  result.append(TrimSpaces(key)).append("=").append(value).append(eol);
  return result;
}

}  // namespace porvan
