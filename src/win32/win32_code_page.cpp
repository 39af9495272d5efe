// The CP949 tables through the Windows code page API.
#include <windows.h>

#include "platform/code_page_tables.h"

namespace porvan {
namespace {

constexpr UINT kCodePage = 949;

}  // namespace

std::optional<std::u16string> DecodeCp949Strict(std::string_view cp949) {
  if (cp949.empty()) {
    return std::u16string();
  }
  const int inLength = static_cast<int>(cp949.size());
  int length =
      MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, cp949.data(), inLength, nullptr, 0);
  if (length <= 0) {
    return std::nullopt;
  }
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, cp949.data(), inLength, out.data(),
                          length) != length) {
    return std::nullopt;
  }
  return std::u16string(out.begin(), out.end());
}

std::optional<std::string> EncodeCp949Strict(std::u16string_view utf16) {
  if (utf16.empty()) {
    return std::string();
  }
  std::wstring in(utf16.begin(), utf16.end());
  const int inLength = static_cast<int>(in.size());
  BOOL usedDefault = FALSE;
  int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, in.data(), inLength, nullptr, 0,
                                   nullptr, &usedDefault);
  if (length <= 0 || usedDefault) {
    return std::nullopt;
  }
  std::string out(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, in.data(), inLength, out.data(), length,
                          nullptr, &usedDefault) != length ||
      usedDefault) {
    return std::nullopt;
  }
  return out;
}

}  // namespace porvan
