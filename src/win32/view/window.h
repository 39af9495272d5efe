// A top-level window of the program: its class under the system's name, its controls, its DPI,
// and the one road by which its messages reach form logic.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win32/view/dpi.h"
#include "win32/view/font.h"
#include "win32/view/gdi.h"

namespace porvan {

class IMessageBox;
class TControl;

// The program's own window messages.
inline constexpr UINT WM_APP_STARTUP = WM_APP + 0x6F;
inline constexpr UINT WM_APP_QUIT = WM_APP + 0x83;

struct TWindowSpec {
  const wchar_t* ClassName = nullptr;  // the system's name of the window (L"TfmMain" ...)
  std::string Caption;                 // CP949
  int ClientWidth = 0;                 // at 96 DPI
  int ClientHeight = 0;
  DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  DWORD ExStyle = 0;
  COLORREF Background = RGB(240, 240, 240);
  TFontSpec Font;
};

class TWindow {
 public:
  // `errorReports` shows the general error report for an error escaping a handler.
  TWindow(TWindowSpec options, IMessageBox& errorReports);
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  // Creates the window hidden and centred on the screen, then its controls. False when Windows
  // refused; nothing is left behind then.
  bool Create(HWND owner = nullptr);
  HWND Handle() const { return handle_; }
  TDpi Dpi() const { return dpi_; }
  COLORREF Background() const { return spec_.Background; }
  HBRUSH BackgroundBrush() const { return background_.get(); }

  // Runs form logic. An error escaping it is reported and the message loop goes on; false then.
  bool Run(const std::function<void()>& handler);

  // For TControl: controls join their window when constructed and leave when destroyed.
  void Attach(TControl& control);
  void Detach(TControl& control);

 protected:
  // Messages of the window the framework does not handle itself; true when handled.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                         LRESULT& /*result*/) {
    return false;
  }
  // After the window and all its controls exist.
  virtual void OnCreated() {}

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  TControl* ControlOf(HWND handle) const;
  void ApplyDpi(TDpi dpi);

  TWindowSpec spec_;
  IMessageBox& errorReports_;
  HWND handle_ = nullptr;
  TDpi dpi_;
  TFontObject font_;
  TBrushObject background_;
  std::vector<TControl*> controls_;
};

// The program's message loop, until WM_QUIT; gives WM_QUIT's code. Tab, arrows, Enter and
// Space move between and press the controls of the program's windows.
int RunMessageLoop();

}  // namespace porvan
