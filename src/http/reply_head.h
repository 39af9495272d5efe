// The head of a reply: status line and header lines, and what they say about the exchange.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "http/exchange_status.h"
#include "http/reply_reader.h"

namespace porvan {

struct TReplyHead {
  int Status = -1;  // the second word of the status line; -1 when it is not a number
  // In arrival order, repeats included; continuation lines already joined to their header.
  std::vector<std::pair<std::string, std::string>> Headers;

  // The first header of that name (compared without case), or nothing.
  std::optional<std::string> Find(std::string_view name) const;
  // Every value of that name, in arrival order.
  std::vector<std::string> FindAll(std::string_view name) const;
};

// Reads the status line and the header block; interim "100" heads are skipped. Fails when the
// connection ends before the empty line, a line is too long, or the head holds more than
// kMaxHeadLines lines besides its final status line.
TExchangeStatus ReadReplyHead(TReplyReader& reader, TReplyHead& head);

enum class TReplyKind { Success, Redirect, Failure };

// Redirect: 300-399 other than 304, or any non-empty "Location"; Success: 200-299.
TReplyKind JudgeReply(const TReplyHead& head);

// The reply asks to keep the connection: its "Connection" or "Proxy-Connection" is "keep-alive".
bool AsksKeepAlive(const TReplyHead& head);

}  // namespace porvan
