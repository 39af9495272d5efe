// A one-line edit box with a flat frame, fixed colours, lower case, and a key callback.
#include "win32/view/edit_box.h"

#include <algorithm>

#include "win32/wide_text.h"

namespace porvan {
namespace {

std::wstring Lowered(std::wstring text) {
  if (!text.empty()) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  }
  return text;
}

}  // namespace

TEditBox::TEditBox(TWindow& window, TControlSpec options, TEditLook look,
                   std::function<bool(int key)> onKeyDown)
    : TEditControl(window, std::move(options),
                   WS_TABSTOP | ES_AUTOHSCROLL | (look.LowerCase ? ES_LOWERCASE : 0),
                   look.Background),
      look_(look),
      onKeyDown_(std::move(onKeyDown)) {}

void TEditBox::SetText(const std::string& text) {
  if (!look_.LowerCase) {
    TEditControl::SetText(text);
    return;
  }
  SetWindowTextW(Handle(), Lowered(Wide(text)).c_str());
}

int TEditBox::TextHeight() const {
  TWindowDC dc(Handle(), false);
  TSelection useFont(dc.get(), Font());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  return metrics.tmHeight;
}

void TEditBox::OnFontChanged() {
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TEditBox::PaintFrame() {
  RECT window{};
  RECT client{};
  GetWindowRect(Handle(), &window);
  GetClientRect(Handle(), &client);
  MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  TWindowDC dc(Handle(), true);
  ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  FillRect(dc.get(), &window, Background());
  TBrushObject frame(CreateSolidBrush(hover_.Hot() ? look_.HotFrame : look_.Frame));
  FrameRect(dc.get(), &window, frame.get());
}

bool TEditBox::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (hover_.OnMessage(Handle(), message)) {
    PaintFrame();
  }
  switch (message) {
    case WM_NCCALCSIZE: {
      // A one-pixel frame, a little room at the sides, and the line centred in the height.
      auto* rect = reinterpret_cast<RECT*>(lParam);  // also the first of NCCALCSIZE_PARAMS
      const int side = 1 + Dpi().Scale(3);
      const int rest = rect->bottom - rect->top - TextHeight();
      const int above = std::max(1, rest / 2);
      const int below = std::max(1, rest - above);
      rect->left += side;
      rect->right -= side;
      rect->top += above;
      rect->bottom = std::max(rect->top, rect->bottom - below);
      result = 0;
      return true;
    }
    case WM_NCPAINT:
      PaintFrame();
      result = 0;
      return true;
    case WM_GETDLGCODE:
      // Enter is this box's key, not the window's default button.
      if (wParam == VK_RETURN) {
        result = DLGC_WANTALLKEYS | CallClassProc(message, wParam, lParam);
        return true;
      }
      return false;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      result = 0;
      return onKeyDown_(static_cast<int>(wParam));
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      // The Enter that was taken would otherwise reach the box as a character and beep.
      if (wParam == '\r') {
        result = 0;
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace porvan
