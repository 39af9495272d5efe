// The head of a form post: request line and header lines in their fixed order.
#pragma once

#include <cstddef>
#include <string>

#include "http/url_parts.h"

namespace porvan {

// "POST <target> HTTP/1.0" and the headers Connection, Content-Type, Content-Length, Host,
// Accept, User-Agent (when not empty) and Cookie (when not empty), each ended by CR LF, then an
// empty line.
std::string BuildPostHead(const TUrlParts& url, std::size_t bodyLength,
                          const std::string& userAgent, const std::string& cookies);

}  // namespace porvan
