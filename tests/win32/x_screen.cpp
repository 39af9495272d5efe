// The X display's own screen, read from the file Xvfb keeps it in.
#include "win32/x_screen.h"

#include <cstdlib>

#include "win32/wine_support.h"

namespace porvan::testing {
namespace {

// The fields of an XWD file's header, each a big-endian 32-bit word, in their order.
enum TXwdField {
  kHeaderSize = 0,
  kFileVersion = 1,
  kPixmapFormat = 2,
  kPixmapDepth = 3,
  kPixmapWidth = 4,
  kPixmapHeight = 5,
  kByteOrder = 7,
  kBitsPerPixel = 11,
  kBytesPerLine = 12,
  kVisualClass = 13,
  kRedMask = 14,
  kGreenMask = 15,
  kBlueMask = 16,
  kColourCount = 19,
  kFieldCount = 25,
};

constexpr std::uint32_t kZPixmap = 2;
constexpr std::uint32_t kLeastSignificantFirst = 0;
constexpr std::uint32_t kTrueColour = 4;
constexpr std::size_t kColourEntryBytes = 12;

std::uint32_t BigEndianWord(const std::string& bytes, std::size_t at) {
  std::uint32_t word = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    word = (word << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return word;
}

}  // namespace

bool TXScreen::Read(const std::wstring& path) {
  file_ = ReadWholeFile(path);
  width_ = height_ = 0;
  if (file_.size() < kFieldCount * 4) {
    return false;
  }
  const auto field = [this](TXwdField which) { return BigEndianWord(file_, which * 4); };
  const bool known = field(kFileVersion) == 7 && field(kPixmapFormat) == kZPixmap &&
                     field(kPixmapDepth) == 24 && field(kBitsPerPixel) == 32 &&
                     field(kByteOrder) == kLeastSignificantFirst &&
                     field(kVisualClass) == kTrueColour && field(kRedMask) == 0xFF0000 &&
                     field(kGreenMask) == 0xFF00 && field(kBlueMask) == 0xFF;
  const std::uint64_t rows = std::uint64_t{field(kBytesPerLine)} * field(kPixmapHeight);
  const std::uint64_t start =
      std::uint64_t{field(kHeaderSize)} + std::uint64_t{field(kColourCount)} * kColourEntryBytes;
  if (!known || field(kBytesPerLine) < std::uint64_t{field(kPixmapWidth)} * 4 ||
      start + rows > file_.size()) {
    return false;
  }
  pixels_ = static_cast<std::size_t>(start);
  width_ = field(kPixmapWidth);
  height_ = field(kPixmapHeight);
  rowBytes_ = field(kBytesPerLine);
  return true;
}

COLORREF TXScreen::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || static_cast<std::uint32_t>(x) >= width_ ||
      static_cast<std::uint32_t>(y) >= height_) {
    return CLR_INVALID;
  }
  // Blue, green, red and a spare byte, as the masks and the byte order say.
  const std::size_t at = pixels_ + std::size_t{rowBytes_} * y + std::size_t{4} * x;
  const auto byte = [this, at](std::size_t i) { return static_cast<unsigned char>(file_[at + i]); };
  return RGB(byte(2), byte(1), byte(0));
}

std::wstring XScreenFile() {
  const wchar_t* path = _wgetenv(L"PORVAN_SCREEN_FILE");
  return path != nullptr ? path : L"";
}

}  // namespace porvan::testing
