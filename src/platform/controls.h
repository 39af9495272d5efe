// The controls and the window as form logic sees them: small interfaces the views implement.
#pragma once

#include <string>

namespace porvan {

// The virtual-key codes of the keys form logic acts on.
inline constexpr int kEscapeKey = 27;

// Texts are CP949. Each interface holds only what the system's form logic does with the
// control; the views keep everything else (place, font, colour) to themselves.

class IEditBox {
 public:
  virtual ~IEditBox() = default;
  virtual std::string Text() = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
  virtual void SetFocus() = 0;
};

class ILabel {
 public:
  virtual ~ILabel() = default;
  virtual void SetText(const std::string& text) = 0;
};

class IPicture {
 public:
  virtual ~IPicture() = default;
  virtual void SetVisible(bool visible) = 0;
};

class IProgressBar {
 public:
  virtual ~IProgressBar() = default;
  virtual void SetVisible(bool visible) = 0;
  // Shows `position` of `max` (max > 0).
  virtual void SetProgress(int position, int max) = 0;
  virtual void SetText(const std::string& text) = 0;
};

// Hints longer than the tray allows are cut by the form logic, not here (see tray_hint.h).
class ITrayIcon {
 public:
  virtual ~ITrayIcon() = default;
  virtual void SetHint(const std::string& hint) = 0;
  virtual void SetImageIndex(int index) = 0;
  virtual void SetVisible(bool visible) = 0;
  // False where the desktop has no tray to show the icon in.
  virtual bool Available() { return true; }
};

// What a close handler may do with a close: cancel it, or let the window go (hide or free, which
// for the main window both end the program). The values are the system's own.
enum class TCloseAction { None = 0, Hide = 1, Free = 2 };

// The state a window is shown in; the launcher of the program asks for one at its start.
enum class TWindowState { Hidden, Normal, Minimized, Maximized };

// The modal windows a form can open. Each gives an integer modal result; 0 means "none".
enum class TDialogKind { Init, UpdateAlert, Config, About };

// The window itself and the program around it.
class IWindowHost {
 public:
  virtual ~IWindowHost() = default;
  // Shows the dialog modally over this window and gives its modal result.
  virtual int ShowDialog(TDialogKind kind) = 0;
  // Queues WM_APP_STARTUP to this window, so its handler runs after the window is shown.
  virtual void PostStartup() = 0;
  // Handles the messages waiting now (painting included), then returns.
  virtual void ProcessMessages() = 0;
  // Asks the window to close; the form's close handler decides.
  virtual void Close() = 0;
  // Minimises the program; the main window then lives in the tray.
  virtual void Minimize() = 0;
  virtual bool IsMinimized() = 0;
  // Brings the program back from minimised and its window to the front.
  virtual void Restore() = 0;
  // Hides the window and its taskbar button, or shows them again.
  virtual void SetVisible(bool visible) = 0;
};

}  // namespace porvan
