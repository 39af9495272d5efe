// Buffered reading of a reply from a socket: lines, counted bytes, the rest until close.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

#include "http/exchange_deadline.h"
#include "http/exchange_status.h"
#include "platform/socket.h"

namespace porvan {

// Bounds that keep a broken or hostile server from growing memory without limit.
inline constexpr std::size_t kMaxLineBytes = 16384;
inline constexpr std::size_t kMaxHeadLines = 100;
inline constexpr std::size_t kMaxBodyBytes = std::size_t{1024} * 1024;

class TReplyReader {
 public:
  // `wait` bounds each wait for more bytes from the server; `deadline`, when given, bounds them
  // all together and must outlive the reader.
  TReplyReader(ISocket& socket, std::chrono::milliseconds wait,
               const TExchangeDeadline* deadline = nullptr)
      : socket_(socket), wait_(wait), deadline_(deadline) {}

  void SetWait(std::chrono::milliseconds wait) { wait_ = wait; }

  // True once the server has closed its side (all buffered bytes can still be read).
  bool PeerClosed() const { return closed_; }

  // A line up to LF, without the LF and a CR just before it. ClosedEarly when the connection
  // closes first (a partial last line is dropped); LineTooLong beyond kMaxLineBytes.
  TExchangeStatus ReadLine(std::string& line);

  // Appends up to `count` bytes to `out`; fewer, with Ok, when the server closes first.
  TExchangeStatus ReadUpTo(std::size_t count, std::string& out);

  // Appends everything until the server closes; BodyTooLarge once `out` would pass `limit`.
  TExchangeStatus ReadToClose(std::string& out, std::size_t limit);

 private:
  // Receives more bytes into the buffer. Ok, or the reason nothing more can come.
  TExchangeStatus Fill();

  ISocket& socket_;
  std::chrono::milliseconds wait_;
  const TExchangeDeadline* deadline_;
  std::string buffer_;
  std::size_t start_ = 0;  // first unread byte of buffer_
  bool closed_ = false;
};

}  // namespace porvan
