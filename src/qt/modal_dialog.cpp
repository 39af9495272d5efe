// The modal dialog base: Escape goes to the form as the key it was, never straight to reject().
#include "qt/modal_dialog.h"

#include <QKeyEvent>

#include "app/handler_guard.h"
#include "platform/controls.h"
#include "platform/dialog_controls.h"

namespace porvan {

TQtDialog::TQtDialog(QWidget* owner, const TDialogSpec& look, IMessageBox& messages)
    : QDialog(owner), messages_(messages) {
  Qt::WindowFlags flags = Qt::Dialog;
  if (!look.TitleBar) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (look.CloseButton) {
      flags |= Qt::WindowCloseButtonHint;
    }
  }
  setWindowFlags(flags);
  setWindowTitle(look.Caption);
  setFixedSize(look.ClientSize);
  setModal(true);
}

bool TQtDialog::Run(const std::function<void()>& handler) {
  return RunHandler(messages_, handler);
}

void TQtDialog::reject() {
  done(kModalResultCancel);
}

void TQtDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (onKey_) {
      Run([this] { onKey_(kEscapeKey); });
    }
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace porvan
