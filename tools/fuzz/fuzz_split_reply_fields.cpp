// Fuzz target: SplitReplyFields with either delimiter on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "server/reply_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const char delimiter = (data[0] & 1) != 0 ? '|' : ':';
  const std::size_t maxFields = data[0] >> 1;
  const std::string_view reply(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto fields = porvan::SplitReplyFields(reply, delimiter, maxFields);
  // Every field is made of bytes of the reply, and at most one empty field follows each byte.
  std::size_t total = 0;
  for (const auto& field : fields) {
    total += field.size();
  }
  if (total > reply.size() || fields.size() > reply.size() + 1 || fields.size() > maxFields) {
    std::abort();
  }
  return 0;
}
