// Buffered reading of a reply from a socket: lines, counted bytes, the rest until close.
#include "http/reply_reader.h"

#include <algorithm>

namespace porvan {

namespace {

constexpr std::size_t kReceiveBytes = 16384;

}  // namespace

TExchangeStatus TReplyReader::Fill() {
  if (closed_) {
    return TExchangeStatus::ClosedEarly;
  }
  // Drop what has been read, so the buffer never holds more than one line and one receive.
  buffer_.erase(0, start_);
  start_ = 0;
  if (deadline_ != nullptr && deadline_->Passed()) {
    return TExchangeStatus::DeadlinePassed;
  }
  const std::chrono::milliseconds wait = deadline_ != nullptr ? deadline_->Cut(wait_) : wait_;
  switch (socket_.Receive(buffer_, kReceiveBytes, wait)) {
    case TNetStatus::Ok:
      return TExchangeStatus::Ok;
    case TNetStatus::Closed:
      closed_ = true;
      return TExchangeStatus::ClosedEarly;
    case TNetStatus::TimedOut:
      return deadline_ != nullptr && deadline_->Passed() ? TExchangeStatus::DeadlinePassed
                                                         : TExchangeStatus::TimedOut;
    case TNetStatus::Error:
      break;
  }
  return TExchangeStatus::ReceiveFailed;
}

TExchangeStatus TReplyReader::ReadLine(std::string& line) {
  std::size_t searched = start_;
  for (;;) {
    const std::size_t lf = buffer_.find('\n', searched);
    if (lf != std::string::npos) {
      std::size_t end = lf;
      if (end > start_ && buffer_[end - 1] == '\r') {
        --end;
      }
      if (end - start_ > kMaxLineBytes) {
        return TExchangeStatus::LineTooLong;
      }
      line.assign(buffer_, start_, end - start_);
      start_ = lf + 1;
      return TExchangeStatus::Ok;
    }
    // One byte more than the limit may still be the CR of a line that fits.
    if (buffer_.size() - start_ > kMaxLineBytes + 1) {
      return TExchangeStatus::LineTooLong;
    }
    const std::size_t unread = buffer_.size() - start_;
    if (const TExchangeStatus filled = Fill(); filled != TExchangeStatus::Ok) {
      return filled;
    }
    searched = start_ + unread;
  }
}

TExchangeStatus TReplyReader::ReadUpTo(std::size_t count, std::string& out) {
  while (count > 0) {
    if (start_ == buffer_.size()) {
      const TExchangeStatus filled = Fill();
      if (filled == TExchangeStatus::ClosedEarly) {
        return TExchangeStatus::Ok;
      }
      if (filled != TExchangeStatus::Ok) {
        return filled;
      }
    }
    const std::size_t take = std::min(count, buffer_.size() - start_);
    out.append(buffer_, start_, take);
    start_ += take;
    count -= take;
  }
  return TExchangeStatus::Ok;
}

TExchangeStatus TReplyReader::ReadToClose(std::string& out, std::size_t limit) {
  for (;;) {
    const std::size_t take = buffer_.size() - start_;
    if (out.size() + take > limit) {
      return TExchangeStatus::BodyTooLarge;
    }
    out.append(buffer_, start_, take);
    start_ = buffer_.size();
    const TExchangeStatus filled = Fill();
    if (filled == TExchangeStatus::ClosedEarly) {
      return TExchangeStatus::Ok;
    }
    if (filled != TExchangeStatus::Ok) {
      return filled;
    }
  }
}

}  // namespace porvan
