// A child control of a TWindow: created once with its creation arguments, wrapped for life.
#include "win32/view/control.h"

#include "win32/view/window.h"
#include "win32/wide_text.h"
#include "win32/win32_gui_wait.h"

namespace porvan {

TControl::TControl(TWindow& window, const wchar_t* className, DWORD classStyle,
                   TControlSpec options)
    : window_(window), className_(className), spec_(std::move(options)) {
  spec_.Style |= classStyle;
  window_.Attach(*this);
}

TControl::~TControl() {
  window_.Detach(*this);
  // A control that outlives its wrapper gets its class's procedure back; one destroyed with its
  // window has no slots left to ask.
  if (handle_ != nullptr &&
      GetWindowLongPtrW(handle_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc_));
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  }
}

void TControl::Create(HWND parent, int id, TDpi dpi, HFONT windowFont) {
  const RECT place = ScaledRect(spec_.Place, dpi);
  const DWORD style = WS_CHILD | (spec_.Visible ? WS_VISIBLE : 0) | spec_.Style;
  handle_ = CreateWindowExW(0, className_, Wide(spec_.Caption).c_str(), style, place.left,
                            place.top, place.right - place.left, place.bottom - place.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
  // The control's own procedure goes in front of its class's. Kept in the window's own slots
  // rather than a window property: Wine asks its server for a property on every message.
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  classProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProc)));
  Layout(dpi, windowFont);
}

void TControl::Layout(TDpi dpi, HFONT windowFont) {
  dpi_ = dpi;
  windowFont_ = windowFont;
  // The old font goes only after the control has taken the new one.
  TFontObject font = spec_.Font != nullptr ? CreateFontAt(*spec_.Font, dpi) : TFontObject();
  SendMessageW(handle_, WM_SETFONT,
               reinterpret_cast<WPARAM>(font.get() != nullptr ? font.get() : windowFont), TRUE);
  font_ = std::move(font);
  const RECT place = ScaledRect(spec_.Place, dpi);
  SetWindowPos(handle_, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  OnFontChanged();
}

LRESULT TControl::CallClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(classProc_, handle_, message, wParam, lParam);
}

LRESULT CALLBACK TControl::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (TWin32GuiWait::Intercept(control, message, wParam, lParam, result)) {
    return result;
  }
  auto* wrapper = reinterpret_cast<TControl*>(GetWindowLongPtrW(control, GWLP_USERDATA));
  bool handled = false;
  wrapper->window_.Run([&] { handled = wrapper->OnOwnMessage(message, wParam, lParam, result); });
  return handled ? result : wrapper->CallClassProc(message, wParam, lParam);
}

bool THoverTracker::OnMessage(HWND control, UINT message) {
  const bool wasHot = hot_;
  if (message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
    if (message == WM_NCMOUSEMOVE) {
      track.dwFlags |= TME_NONCLIENT;
    }
    TrackMouseEvent(&track);
    hot_ = true;
  } else if (message == WM_MOUSELEAVE || message == WM_NCMOUSELEAVE) {
    // Moving between the frame and the inside leaves one and enters the other.
    POINT cursor{};
    RECT bounds{};
    GetCursorPos(&cursor);
    GetWindowRect(control, &bounds);
    hot_ = PtInRect(&bounds, cursor) != FALSE;
  }
  return hot_ != wasHot;
}

}  // namespace porvan
