// Owners of GDI objects and device contexts, released on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace porvan {

// A font, brush, pen or bitmap owned by this object.
template <class THandleType>
class TGdiObject {
 public:
  explicit TGdiObject(THandleType handle = nullptr) : handle_(handle) {}
  TGdiObject(TGdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Reset(other.handle_);
      other.handle_ = nullptr;
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  ~TGdiObject() { Reset(nullptr); }

  THandleType get() const { return handle_; }
  void Reset(THandleType handle) {
    if (handle_ != nullptr) {
      DeleteObject(handle_);
    }
    handle_ = handle;
  }

 private:
  THandleType handle_;
};

using TFontObject = TGdiObject<HFONT>;
using TBrushObject = TGdiObject<HBRUSH>;
using TPenObject = TGdiObject<HPEN>;
using TBitmapObject = TGdiObject<HBITMAP>;

// Selects an object into a device context for one scope; the previous one comes back after.
class TSelection {
 public:
  TSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;
  ~TSelection() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory device context compatible with `reference` (the screen when null).
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  ~TMemoryDC() { DeleteDC(dc_); }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A device context of a window got with GetDC or GetWindowDC, released with ReleaseDC.
class TWindowDC {
 public:
  TWindowDC(HWND window, bool wholeWindow)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  ~TWindowDC() { ReleaseDC(window_, dc_); }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An icon made by the program, destroyed with it.
class TIconObject {
 public:
  explicit TIconObject(HICON icon = nullptr) : icon_(icon) {}
  TIconObject(TIconObject&& other) noexcept : icon_(other.icon_) { other.icon_ = nullptr; }
  TIconObject& operator=(TIconObject&& other) noexcept {
    std::swap(icon_, other.icon_);
    return *this;
  }
  TIconObject(const TIconObject&) = delete;
  TIconObject& operator=(const TIconObject&) = delete;
  ~TIconObject() {
    if (icon_ != nullptr) {
      DestroyIcon(icon_);
    }
  }
  HICON get() const { return icon_; }

 private:
  HICON icon_;
};

}  // namespace porvan
