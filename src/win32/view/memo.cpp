// A multi-line text area with a vertical scroll bar.
#include "win32/view/memo.h"

#include <vector>

#include "win32/wide_text.h"

namespace porvan {

TMemo::TMemo(TWindow& window, TControlSpec options, COLORREF background,
             std::function<bool(int key)> onKeyDown)
    : TControl(window,
               [&] {
                 options.ClassName = L"EDIT";
                 options.Style |=
                     ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP;
                 return std::move(options);
               }()),
      background_(background),
      brush_(CreateSolidBrush(background)),
      onKeyDown_(std::move(onKeyDown)) {}

std::string TMemo::Text() {
  const int length = GetWindowTextLengthW(Handle());
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const int got = GetWindowTextW(Handle(), buffer.data(), length + 1);
  return Narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(got)));
}

void TMemo::SetText(const std::string& text) {
  SetWindowTextW(Handle(), Wide(text).c_str());
}

void TMemo::SetReadOnly(bool readOnly) {
  SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TMemo::SetFocus() {
  ::SetFocus(Handle());
}

HBRUSH TMemo::OnColor(HDC dc) {
  SetBkColor(dc, background_);
  return brush_.get();
}

bool TMemo::OnOwnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  if (message == WM_KEYDOWN && onKeyDown_(static_cast<int>(wParam))) {
    result = 0;
    return true;
  }
  // A multi-line box would take Escape for itself and close the window behind the form's back.
  if (message == WM_CHAR && wParam == VK_ESCAPE) {
    result = 0;
    return true;
  }
  return false;
}

}  // namespace porvan
