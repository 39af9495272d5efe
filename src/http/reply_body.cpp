// The body of a reply, delimited by Content-Length, chunks, or the end of the connection.
#include "http/reply_body.h"

#include <limits>

#include "common/text_bytes.h"

namespace porvan {

namespace {

TExchangeStatus ReadChunked(TReplyReader& reader, std::string& body) {
  std::string line;
  for (;;) {
    if (const TExchangeStatus read = reader.ReadLine(line); read != TExchangeStatus::Ok) {
      return read;
    }
    const std::optional<std::size_t> chunk = ParseChunkSize(line);
    if (!chunk) {
      return TExchangeStatus::BadChunk;
    }
    const std::size_t size = *chunk;
    if (size == 0) {
      break;
    }
    if (size > kMaxBodyBytes - body.size()) {
      return TExchangeStatus::BodyTooLarge;
    }
    const std::size_t expected = body.size() + size;
    if (const TExchangeStatus read = reader.ReadUpTo(size, body); read != TExchangeStatus::Ok) {
      return read;
    }
    if (body.size() < expected) {
      return TExchangeStatus::ClosedEarly;
    }
    if (const TExchangeStatus read = reader.ReadLine(line); read != TExchangeStatus::Ok) {
      return read;
    }
  }
  // The line after the zero chunk; a server that closes instead has still sent the whole body.
  const TExchangeStatus last = reader.ReadLine(line);
  return last == TExchangeStatus::ClosedEarly ? TExchangeStatus::Ok : last;
}

}  // namespace

bool NamesChunked(std::string_view transferEncoding) {
  for (;;) {
    const std::size_t comma = transferEncoding.find(',');
    std::string_view coding = transferEncoding.substr(0, comma);
    coding = TrimBlanks(coding.substr(0, coding.find(';')));
    if (EqualsNoCase(coding, "chunked")) {
      return true;
    }
    if (comma == std::string_view::npos) {
      return false;
    }
    transferEncoding.remove_prefix(comma + 1);
  }
}

std::optional<std::size_t> ParseChunkSize(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && !IsBlank(line[end]) && line[end] != ';') {
    ++end;
  }
  if (end == 0) {
    return std::nullopt;
  }
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  std::size_t size = 0;
  for (const char c : line.substr(0, end)) {
    int digit = 0;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    size = size > (kMax >> 4) ? kMax : size * 16 + static_cast<std::size_t>(digit);
  }
  return size;
}

TExchangeStatus ReadReplyBody(TReplyReader& reader, const TReplyHead& head, std::string& body) {
  const std::optional<std::string> lengthText = head.Find("Content-Length");
  // A missing, non-numeric or negative length all mean: read until the server closes.
  const std::int64_t length = lengthText ? ParseDecimal(*lengthText).value_or(-1) : -1;
  if (length > 0) {
    if (static_cast<std::uint64_t>(length) > kMaxBodyBytes) {
      return TExchangeStatus::BodyTooLarge;
    }
    return reader.ReadUpTo(static_cast<std::size_t>(length), body);
  }
  if (NamesChunked(head.Find("Transfer-Encoding").value_or(""))) {
    return ReadChunked(reader, body);
  }
  if (length < 0) {
    return reader.ReadToClose(body, kMaxBodyBytes);
  }
  return TExchangeStatus::Ok;
}

}  // namespace porvan
