// The DPI of a window: GetDpiForWindow where the system has it (Windows 10 and Wine).
#include "win32/view/dpi.h"

#include "win32/view/gdi.h"

namespace porvan {

TDpi SystemDpi() {
  TWindowDC screen(nullptr, false);
  return TDpi(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

TDpi DpiOfWindow(HWND window) {
  using TGetDpiForWindow = UINT(WINAPI*)(HWND);
  // Looked up at run time: the program also runs on Windows versions without it.
  static const auto getDpiForWindow = reinterpret_cast<TGetDpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr && window != nullptr) {
    return TDpi(static_cast<int>(getDpiForWindow(window)));
  }
  return SystemDpi();
}

RECT ScaledRect(const TPlace& place, TDpi dpi) {
  const int left = dpi.Scale(place.Left);
  const int top = dpi.Scale(place.Top);
  return RECT{left, top, left + dpi.Scale(place.Width), top + dpi.Scale(place.Height)};
}

}  // namespace porvan
