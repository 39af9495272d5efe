// What a one-line edit box and a multi-line memo share.
#include "win32/view/edit_control.h"

#include <vector>

#include "win32/wide_text.h"

namespace porvan {

TEditControl::TEditControl(TWindow& window, TControlSpec options, DWORD style, COLORREF background)
    : TControl(window, L"EDIT", style, std::move(options)),
      background_(background),
      brush_(CreateSolidBrush(background)) {}

std::string TEditControl::Text() {
  const int length = GetWindowTextLengthW(Handle());
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const int got = GetWindowTextW(Handle(), buffer.data(), length + 1);
  return Narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(got)));
}

void TEditControl::SetText(const std::string& text) {
  SetWindowTextW(Handle(), Wide(text).c_str());
}

void TEditControl::SetReadOnly(bool readOnly) {
  SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TEditControl::SetFocus() {
  ::SetFocus(Handle());
}

HBRUSH TEditControl::OnColor(HDC dc) {
  SetBkColor(dc, background_);
  return brush_.get();
}

}  // namespace porvan
