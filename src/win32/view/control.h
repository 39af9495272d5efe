// A child control of a TWindow: created once with its creation arguments, wrapped for life.
#pragma once

#include <windows.h>

#include <string>

#include "win32/view/dpi.h"
#include "win32/view/font.h"
#include "win32/view/gdi.h"

namespace porvan {

class TWindow;

struct TControlSpec {
  std::string Caption;  // CP949; the window text, also of controls that paint their own text
  DWORD Style = 0;      // WS_CHILD, WS_VISIBLE and the control class's own style are added
  TPlace Place;         // at 96 DPI
  bool Visible = true;
  const TFontSpec* Font = nullptr;  // null: the window's font
};

// Controls register with their window on construction; the window creates them with itself in
// the order they were declared, which is also the tab order.
class TControl {
 public:
  // `className` and `classStyle` are the kind of control ("EDIT" and its ES_ styles ...).
  TControl(TWindow& window, const wchar_t* className, DWORD classStyle, TControlSpec options);
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  HWND Handle() const { return handle_; }
  TWindow& Window() const { return window_; }
  const std::string& Caption() const { return spec_.Caption; }
  void Show(bool visible) { ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE); }

  // The window's side: creation, a new DPI, and the notifications it routes here.
  void Create(HWND parent, int id, TDpi dpi, HFONT windowFont);
  void Layout(TDpi dpi, HFONT windowFont);
  virtual void OnCommand(WORD /*code*/) {}
  virtual void OnDraw(const DRAWITEMSTRUCT& /*item*/) {}
  // The brush for WM_CTLCOLOR*; null leaves the window's background.
  virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }

 protected:
  // Messages to the control itself, before its class sees them; true when handled.
  virtual bool OnOwnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                            LRESULT& /*result*/) {
    return false;
  }
  virtual void OnFontChanged() {}
  // The font of the control at the window's DPI.
  HFONT Font() const { return font_.get() != nullptr ? font_.get() : windowFont_; }
  TDpi Dpi() const { return dpi_; }
  // Redraws the control on the next paint.
  void Redraw() { InvalidateRect(handle_, nullptr, TRUE); }
  // The message as the control's class handles it.
  LRESULT CallClassProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

  TWindow& window_;
  const wchar_t* className_;
  TControlSpec spec_;
  HWND handle_ = nullptr;
  WNDPROC classProc_ = nullptr;
  TDpi dpi_;
  TFontObject font_;
  HFONT windowFont_ = nullptr;
};

// A control that takes mouse hover: Hot() while the pointer is over it.
class THoverTracker {
 public:
  // Call from the control's own messages; true when the hot state changed.
  bool OnMessage(HWND control, UINT message);
  bool Hot() const { return hot_; }

 private:
  bool hot_ = false;
};

}  // namespace porvan
