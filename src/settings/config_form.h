// TfmConfig: the settings dialog's form logic: the two program paths and the desktop shortcut.
#pragma once

#include "platform/controls.h"
#include "platform/dialog_controls.h"
#include "platform/dialog_host.h"
#include "platform/platform.h"

namespace porvan {

// The controls the form logic reaches, named as the dialog names them.
struct TfmConfigControls {
  IEditBox& fFTPPath;
  IEditBox& fSSHPath;
  IEditBox& fUrl;  // turns what is typed into lower case itself
  IDropDownList& fClientType;
  ICheckBox& isMinimize;
  IDialogHost& Window;
};

// Reads and writes the program paths through SysVar, which must exist for the form's lifetime.
class TfmConfig {
 public:
  TfmConfig(TPlatform& platform, const TfmConfigControls& controls);

  void FormActivate();
  // Shared by the buttons of both path boxes; `sender` is the box whose button was pressed.
  void fPathButtonClick(IEditBox& sender);
  // Stores both paths and closes with OK. When the settings file cannot be written the error
  // box says so and the dialog stays open; after a failed FTP write the SSH path is not stored.
  void btnOkClick();
  void btnCancelClick();
  // True when the key closed the dialog (Escape, as Cancel); every other key is left alone.
  bool FormKeyDown(int key);
  // Checks the domain with the server, asks, and writes the shortcut to the desktop.
  void btnMakeShortcutClick();

  IEditBox& fFTPPath;
  IEditBox& fSSHPath;
  IEditBox& fUrl;
  IDropDownList& fClientType;
  ICheckBox& isMinimize;
  IDialogHost& Window;

 private:
  bool IsValidDomain(const std::string& domain);

  TPlatform& platform_;
};

}  // namespace porvan
