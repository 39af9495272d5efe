// The common controls' visual styles, switched on around the windows that show standard controls.
#pragma once

#include <windows.h>

namespace porvan {

// The resource id of the manifest that asks for the themed common controls. Not the process
// manifest: the main window draws every control itself, so loading the common controls library
// before it shows would only make the start slower.
constexpr int kVisualStylesManifestId = 101;

// While one lives, windows, message boxes and file dialogs made on this thread get the themed
// controls. Without the manifest (a test program) or without the themed library (an old
// system), they get the plain controls, which work the same: nothing to report.
class TVisualStyles {
 public:
  TVisualStyles();
  TVisualStyles(const TVisualStyles&) = delete;
  TVisualStyles& operator=(const TVisualStyles&) = delete;
  ~TVisualStyles();

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};

}  // namespace porvan
