// The body of a reply, delimited by Content-Length, chunks, or the end of the connection.
#pragma once

#include <string>

#include "server/exchange_status.h"
#include "server/reply_head.h"
#include "server/reply_reader.h"

namespace porvan {

// Appends the body that follows `head` to `body`, never more than kMaxBodyBytes. A body cut short
// by the server's close counts as complete, except a chunked one, which needs its zero chunk.
TExchangeStatus ReadReplyBody(TReplyReader& reader, const TReplyHead& head, std::string& body);

// The size of a chunk-size line: the hexadecimal number before the first blank or ";" (chunk
// extensions follow a ";"); 0 when it is not a number; clamped when it overflows.
std::size_t ParseChunkSize(std::string_view line);

}  // namespace porvan
