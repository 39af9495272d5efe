// A modal dialog as its form logic sees it: deferred start-up work and the modal result.
#pragma once

namespace porvan {

class IDialogHost {
 public:
  virtual ~IDialogHost() = default;
  // Handles the messages waiting now (painting included), then returns.
  virtual void ProcessMessages() = 0;
  // Queues WM_APP_STARTUP to the dialog, so its handler runs after the dialog is shown.
  virtual void PostStartup() = 0;
  // Ends the modal showing with `result` as soon as the running handler returns.
  virtual void SetModalResult(int result) = 0;
};

}  // namespace porvan
