// Receiving one whole reply: its head, its judgement and its body.
#include "http/reply.h"

#include "http/reply_body.h"

namespace porvan {

namespace {

constexpr int kNoContent = 204;
constexpr int kNotModified = 304;

}  // namespace

TExchangeStatus ReceiveReply(TReplyReader& reader, std::chrono::milliseconds errorBodyWait,
                             TReply& reply) {
  if (const TExchangeStatus read = ReadReplyHead(reader, reply.Head); read != TExchangeStatus::Ok) {
    return read;
  }
  reply.HeadComplete = true;
  const TReplyKind kind = JudgeReply(reply.Head);
  if (kind == TReplyKind::Success) {
    if (reply.Head.Status == kNoContent) {
      return TExchangeStatus::Ok;
    }
    const TExchangeStatus read = ReadReplyBody(reader, reply.Head, reply.Body);
    if (read != TExchangeStatus::Ok) {
      reply.Body.clear();
    }
    return read;
  }
  if (reply.Head.Status != kNoContent && reply.Head.Status != kNotModified) {
    // The reply has failed already; how its body ends changes nothing.
    reader.SetWait(errorBodyWait);
    std::string discarded;
    ReadReplyBody(reader, reply.Head, discarded);
  }
  return kind == TReplyKind::Redirect ? TExchangeStatus::Redirect : TExchangeStatus::HttpError;
}

}  // namespace porvan
