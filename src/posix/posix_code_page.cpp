// The CP949 tables through iconv.
#include <iconv.h>

#include <memory>

#include "platform/code_page_tables.h"

namespace porvan {
namespace {

struct TIconvCloser {
  void operator()(iconv_t* handle) const {
    iconv_close(*handle);
    delete handle;
  }
};

// Converts the whole input or fails; an unconvertible or incomplete sequence fails.
std::optional<std::string> ConvertStrict(const char* to, const char* from, std::string_view in) {
  iconv_t raw = iconv_open(to, from);
  // iconv_open's failure is this one value.
  if (raw == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
    return std::nullopt;
  }
  std::unique_ptr<iconv_t, TIconvCloser> handle(new iconv_t(raw));
  std::string input(in);
  std::string output(input.size() * 4 + 16, '\0');
  char* inPtr = input.data();
  std::size_t inLeft = input.size();
  char* outPtr = output.data();
  std::size_t outLeft = output.size();
  if (iconv(*handle, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
      iconv(*handle, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
    return std::nullopt;
  }
  output.resize(output.size() - outLeft);
  return output;
}

}  // namespace

std::optional<std::u16string> DecodeCp949Strict(std::string_view cp949) {
  auto bytes = ConvertStrict("UTF-16LE", "CP949", cp949);
  if (!bytes) {
    return std::nullopt;
  }
  std::u16string out;
  for (std::size_t i = 0; i + 1 < bytes->size(); i += 2) {
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>((*bytes)[i]) |
                                        (static_cast<unsigned char>((*bytes)[i + 1]) << 8)));
  }
  return out;
}

std::optional<std::string> EncodeCp949Strict(std::u16string_view utf16) {
  std::string bytes;
  for (char16_t unit : utf16) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return ConvertStrict("CP949", "UTF-16LE", bytes);
}

}  // namespace porvan
