// The program's icon in the taskbar's notification area, with a hint and a list of images.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/controls.h"

namespace porvan {

class TTrayIcon : public ITrayIcon {
 public:
  // Notifications come to `owner` as `callbackMessage`, the mouse message in lParam. The icons
  // stay owned by the caller and must outlive the tray icon.
  TTrayIcon(HWND owner, UINT callbackMessage, std::vector<HICON> images);
  ~TTrayIcon() override;
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  void SetHint(const std::string& hint) override;
  void SetImageIndex(int index) override;
  void SetVisible(bool visible) override;

  // The taskbar was made anew (the shell restarted): a visible icon is added again.
  void AddAgain();

 private:
  NOTIFYICONDATAW Data() const;
  void Update();

  HWND owner_;
  UINT callbackMessage_;
  std::vector<HICON> images_;
  std::wstring hint_;
  int imageIndex_ = 0;
  bool visible_ = false;
};

}  // namespace porvan
