// TfmAbout: the about box's form logic: the version, the history file and the web link.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/dialog_controls.h"
#include "platform/dialog_host.h"
#include "platform/platform.h"

namespace porvan {

// The product's web address, shown and opened by the link label.
inline constexpr const char* kWebAddress = "http://porvan.example/";

// The colour of the link once it has been opened in this showing.
inline constexpr TRgb kVisitedLinkColor{128, 0, 128};

// The controls the form logic reaches, named as the box names them.
struct TfmAboutControls {
  ILabel& lblVersionInfo;     // the version, after "Client Version :"
  ILinkLabel& lblWebAddress;  // the web address, drawn as a link
  IEditBox& Memo1;            // the version history
  IDialogHost& Window;        // the box itself
};

// Reads the version from SysVar, which must exist for the form's lifetime.
class TfmAbout : public TfmAboutControls {
 public:
  TfmAbout(TPlatform& platform, const TfmAboutControls& controls);

  // Shows the version and the history file beside the executable; a missing or unreadable file
  // is reported in an error box and leaves the history empty. The file is never written.
  void FormActivate();
  void btnCloseClick();
  // True when the key closed the box (Escape); every other key is left to the focused control.
  bool FormKeyDown(int key);
  void lblWebAddressClick();

 private:
  TPlatform& platform_;
};

}  // namespace porvan
