// The program's icon in the taskbar's notification area: Shell_NotifyIconW.
#include "win32/view/tray_icon.h"

#include <shellapi.h>

#include <cwchar>

#include "win32/wide_text.h"

namespace porvan {
namespace {

constexpr UINT kIconId = 1;

}  // namespace

TTrayIcon::TTrayIcon(HWND owner, UINT callbackMessage, std::vector<HICON> images)
    : owner_(owner), callbackMessage_(callbackMessage), images_(std::move(images)) {}

TTrayIcon::~TTrayIcon() {
  SetVisible(false);
}

NOTIFYICONDATAW TTrayIcon::Data() const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner_;
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = callbackMessage_;
  const bool known = imageIndex_ >= 0 && static_cast<std::size_t>(imageIndex_) < images_.size();
  data.hIcon = known ? images_[static_cast<std::size_t>(imageIndex_)] : nullptr;
  // The form logic keeps hints within the tray's 127 bytes; 127 UTF-16 units always hold them.
  wcsncpy(data.szTip, hint_.c_str(), sizeof data.szTip / sizeof data.szTip[0] - 1);
  return data;
}

void TTrayIcon::SetHint(const std::string& hint) {
  hint_ = Wide(hint);
  Update();
}

void TTrayIcon::SetImageIndex(int index) {
  imageIndex_ = index;
  Update();
}

void TTrayIcon::Update() {
  if (visible_) {
    NOTIFYICONDATAW data = Data();
    Shell_NotifyIconW(NIM_MODIFY, &data);
  }
}

void TTrayIcon::SetVisible(bool visible) {
  if (visible == visible_) {
    return;
  }
  NOTIFYICONDATAW data = Data();
  Shell_NotifyIconW(visible ? NIM_ADD : NIM_DELETE, &data);
  // Only after the call: when the shell library cannot be loaded it throws, and an icon never
  // added must not be removed again on the way out.
  visible_ = visible;
}

void TTrayIcon::AddAgain() {
  if (visible_) {
    NOTIFYICONDATAW data = Data();
    Shell_NotifyIconW(NIM_ADD, &data);
  }
}

}  // namespace porvan
