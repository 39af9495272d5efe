// The body of a reply, delimited by Content-Length, chunks, or the end of the connection.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "http/exchange_status.h"
#include "http/reply_head.h"
#include "http/reply_reader.h"

namespace porvan {

// Appends the body that follows `head` to `body`, never more than kMaxBodyBytes. A body cut short
// by the server's close counts as complete, except a chunked one, which needs its zero chunk.
TExchangeStatus ReadReplyBody(TReplyReader& reader, const TReplyHead& head, std::string& body);

// The size of a chunk-size line: the hexadecimal number before the first blank or ";" (chunk
// extensions follow a ";"), clamped when it overflows; nothing when it is not a number, since
// taking that for the last chunk would end the body early without a word.
std::optional<std::size_t> ParseChunkSize(std::string_view line);

// The "Transfer-Encoding" value names "chunked" as one of its comma-separated codings.
bool NamesChunked(std::string_view transferEncoding);

}  // namespace porvan
