// The head of a reply: status line and header lines, and what they say about the exchange.
#include "http/reply_head.h"

#include <limits>

#include "common/text_bytes.h"

namespace porvan {

namespace {

constexpr int kContinue = 100;

// The second blank-separated word of the status line as a decimal number, else -1.
int ParseStatus(std::string_view statusLine) {
  const std::size_t first = statusLine.find_first_not_of(' ');
  const std::size_t firstEnd = statusLine.find(' ', first);
  const std::size_t second = statusLine.find_first_not_of(' ', firstEnd);
  if (second == std::string_view::npos) {
    return -1;
  }
  const auto number =
      ParseDecimal(statusLine.substr(second, statusLine.find(' ', second) - second));
  if (!number || *number < std::numeric_limits<int>::min() ||
      *number > std::numeric_limits<int>::max()) {
    return -1;
  }
  return static_cast<int>(*number);
}

void AddHeaderLine(std::string_view line, TReplyHead& head) {
  if (line.front() == ' ' || line.front() == '\t') {
    if (!head.Headers.empty()) {
      std::string& value = head.Headers.back().second;
      value += ' ';
      value += TrimBlanks(line);
    }
    return;
  }
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) {
    return;
  }
  head.Headers.emplace_back(std::string(TrimBlanks(line.substr(0, colon))),
                            std::string(TrimBlanks(line.substr(colon + 1))));
}

}  // namespace

std::optional<std::string> TReplyHead::Find(std::string_view name) const {
  for (const auto& [key, value] : Headers) {
    if (EqualsNoCase(key, name)) {
      return value;
    }
  }
  return std::nullopt;
}

std::vector<std::string> TReplyHead::FindAll(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& [key, value] : Headers) {
    if (EqualsNoCase(key, name)) {
      values.push_back(value);
    }
  }
  return values;
}

TExchangeStatus ReadReplyHead(TReplyReader& reader, TReplyHead& head) {
  std::size_t linesLeft = kMaxHeadLines;
  std::string line;
  for (;;) {
    head = TReplyHead{};
    if (const TExchangeStatus read = reader.ReadLine(line); read != TExchangeStatus::Ok) {
      return read;
    }
    head.Status = ParseStatus(line);
    for (;;) {
      if (const TExchangeStatus read = reader.ReadLine(line); read != TExchangeStatus::Ok) {
        return read;
      }
      if (line.empty()) {
        break;
      }
      if (linesLeft == 0) {
        return TExchangeStatus::TooManyHeaderLines;
      }
      --linesLeft;
      AddHeaderLine(line, head);
    }
    if (head.Status != kContinue) {
      return TExchangeStatus::Ok;
    }
    // An interim status line counts against the bound too, so endless "100" heads end.
    if (linesLeft == 0) {
      return TExchangeStatus::TooManyHeaderLines;
    }
    --linesLeft;
  }
}

TReplyKind JudgeReply(const TReplyHead& head) {
  const bool redirectStatus = head.Status >= 300 && head.Status <= 399 && head.Status != 304;
  if (redirectStatus || !head.Find("Location").value_or("").empty()) {
    return TReplyKind::Redirect;
  }
  return head.Status >= 200 && head.Status <= 299 ? TReplyKind::Success : TReplyKind::Failure;
}

bool AsksKeepAlive(const TReplyHead& head) {
  for (const char* name : {"Connection", "Proxy-Connection"}) {
    if (EqualsNoCase(TrimBlanks(head.Find(name).value_or("")), "keep-alive")) {
      return true;
    }
  }
  return false;
}

}  // namespace porvan
