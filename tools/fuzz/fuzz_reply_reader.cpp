// Fuzz target: a whole reply (head, judging, body) read from arbitrary bytes in arbitrary pieces.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "http/reply.h"
#include "support/fake_sockets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using porvan::TNetStatus;
  if (size < 2) {
    return 0;
  }
  // The first byte sets the piece size, the second how the connection ends.
  const std::size_t pieceSize = data[0] % 64 + 1;
  const TNetStatus end = data[1] % 3 == 0   ? TNetStatus::Closed
                         : data[1] % 3 == 1 ? TNetStatus::TimedOut
                                            : TNetStatus::Error;
  const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);

  auto connection = std::make_shared<porvan::testing::TFakeConnection>();
  for (std::size_t at = 0; at < bytes.size(); at += pieceSize) {
    connection->AddBytes(bytes.substr(at, pieceSize));
  }
  connection->AddStatus(end);
  porvan::testing::FakeSocket socket(connection);
  porvan::TReplyReader reader(socket, std::chrono::milliseconds(60000));
  porvan::TReply reply;
  const auto status = porvan::ReceiveReply(reader, std::chrono::milliseconds(2000), reply);

  const bool ok = status == porvan::TExchangeStatus::Ok;
  if (reply.Body.size() > porvan::kMaxBodyBytes || (!ok && !reply.Body.empty()) ||
      reply.Head.Headers.size() > porvan::kMaxHeadLines) {
    std::abort();
  }
  return 0;
}
