// A top-level window of the program: its class, its controls, its DPI, its message road.
#include "win32/view/window.h"

#include <algorithm>

#include "app/handler_guard.h"
#include "win32/view/control.h"
#include "win32/wide_text.h"
#include "win32/win32_gui_wait.h"

namespace porvan {
namespace {

constexpr int kFirstControlId = 100;

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  // A second window of the same class finds it registered already; that is fine.
  RegisterClassExW(&windowClass);
}

// The outer size of a window whose client area is `client`, centred in the screen's work area.
RECT CentredFrame(SIZE client, DWORD style, DWORD exStyle) {
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  return RECT{left, top, left + width, top + height};
}

}  // namespace

TWindow::TWindow(TWindowSpec options, IMessageBox& errorReports)
    : spec_(std::move(options)),
      errorReports_(errorReports),
      background_(CreateSolidBrush(spec_.Background)) {}

TWindow::~TWindow() {
  if (handle_ != nullptr) {
    DestroyWindow(handle_);
  }
}

bool TWindow::Create(HWND owner) {
  RegisterWindowClass(spec_.ClassName, WindowProc);
  dpi_ = SystemDpi();
  font_ = CreateFontAt(spec_.Font, dpi_);
  const SIZE client{dpi_.Scale(spec_.ClientWidth), dpi_.Scale(spec_.ClientHeight)};
  const RECT frame = CentredFrame(client, spec_.Style, spec_.ExStyle);
  if (CreateWindowExW(spec_.ExStyle, spec_.ClassName, Wide(spec_.Caption).c_str(),
                      spec_.Style & ~WS_VISIBLE, frame.left, frame.top, frame.right - frame.left,
                      frame.bottom - frame.top, owner, nullptr, GetModuleHandleW(nullptr),
                      this) == nullptr) {
    return false;
  }
  int id = kFirstControlId;
  for (TControl* control : controls_) {
    control->Create(handle_, id++, dpi_, font_.get());
  }
  // The monitor the window landed on may not have the system's DPI.
  const TDpi actual = DpiOfWindow(handle_);
  if (!(actual == dpi_)) {
    ApplyDpi(actual);
    const RECT moved = CentredFrame({dpi_.Scale(spec_.ClientWidth), dpi_.Scale(spec_.ClientHeight)},
                                    spec_.Style, spec_.ExStyle);
    SetWindowPos(handle_, nullptr, moved.left, moved.top, moved.right - moved.left,
                 moved.bottom - moved.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Run([this] { OnCreated(); });
  return true;
}

bool TWindow::Run(const std::function<void()>& handler) {
  return RunHandler(errorReports_, handler);
}

void TWindow::Attach(TControl& control) {
  controls_.push_back(&control);
}

void TWindow::Detach(TControl& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

TControl* TWindow::ControlOf(HWND handle) const {
  for (TControl* control : controls_) {
    if (control->Handle() == handle) {
      return control;
    }
  }
  return nullptr;
}

void TWindow::ApplyDpi(TDpi dpi) {
  dpi_ = dpi;
  TFontObject font = CreateFontAt(spec_.Font, dpi_);
  for (TControl* control : controls_) {
    control->Layout(dpi_, font.get());
  }
  font_ = std::move(font);
  InvalidateRect(handle_, nullptr, TRUE);
}

LRESULT CALLBACK TWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT answer = 0; TWin32GuiWait::Intercept(window, message, wParam, lParam, answer)) {
    return answer;
  }
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  LRESULT result = 0;
  bool handled = false;
  self->Run([&] { handled = self->HandleMessage(message, wParam, lParam, result); });
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
  }
  return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

bool TWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(handle_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
      result = 1;
      return true;
    }
    case WM_COMMAND:
      if (TControl* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
        control->OnCommand(HIWORD(wParam));
        return true;
      }
      break;
    case WM_DRAWITEM:
      if (TControl* control = ControlOf(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem)) {
        control->OnDraw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      TControl* control = ControlOf(reinterpret_cast<HWND>(lParam));
      HBRUSH brush = control != nullptr ? control->OnColor(dc) : nullptr;
      if (brush == nullptr) {
        SetBkColor(dc, spec_.Background);
        brush = background_.get();
      }
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(handle_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyDpi(TDpi(HIWORD(wParam)));
      return true;
    }
    default:
      break;
  }
  return OnMessage(message, wParam, lParam, result);
}

int RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsDialogMessageW(root, &message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace porvan
