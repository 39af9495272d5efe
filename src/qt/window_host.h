// The window and dialog hosts of the form logic over Qt: dialogs, deferred start-up, the
// pending events, minimise and restore.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <map>

#include "platform/controls.h"
#include "platform/dialog_host.h"

namespace porvan {

// Runs `call` once the events queued before it have been handled, as a posted message would.
void Post(QObject& receiver, const std::function<void()>& call);

// The modal windows a main window opens: each shows one over `owner` and gives its result.
using TDialogTable = std::map<TDialogKind, std::function<int(QWidget* owner)>>;

class TQtWindowHost : public IWindowHost {
 public:
  // `startup` runs where WM_APP_STARTUP would be handled.
  TQtWindowHost(QWidget& window, TDialogTable dialogs, std::function<void()> startup)
      : window_(window), dialogs_(std::move(dialogs)), startup_(std::move(startup)) {}

  int ShowDialog(TDialogKind kind) override;
  void PostStartup() override;
  void ProcessMessages() override;
  void Close() override { window_.close(); }
  void Minimize() override { window_.showMinimized(); }
  bool IsMinimized() override { return window_.isMinimized(); }
  void Restore() override;
  void SetVisible(bool visible) override { window_.setVisible(visible); }

 private:
  QWidget& window_;
  TDialogTable dialogs_;
  std::function<void()> startup_;
};

class TQtDialogHost : public IDialogHost {
 public:
  TQtDialogHost(QDialog& dialog, std::function<void()> startup)
      : dialog_(dialog), startup_(std::move(startup)) {}

  void ProcessMessages() override;
  void PostStartup() override;
  // QDialog::done leaves the dialog's loop only once control returns to it.
  void SetModalResult(int result) override { dialog_.done(result); }

 private:
  QDialog& dialog_;
  std::function<void()> startup_;
};

}  // namespace porvan
