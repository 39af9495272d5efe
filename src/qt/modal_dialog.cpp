// The modal dialog base: Escape goes to the form as the key it was, never straight to reject().
#include "qt/modal_dialog.h"

#include <QKeyEvent>

#include "app/handler_guard.h"
#include "platform/controls.h"
#include "platform/dialog_controls.h"

namespace porvan {

TQtDialog::TQtDialog(QWidget* owner, const TDialogSpec& spec, IMessageBox& messages)
    : QDialog(owner), messages_(messages) {
  Qt::WindowFlags flags = Qt::Dialog;
  if (!spec.TitleBar) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (spec.CloseButton) {
      flags |= Qt::WindowCloseButtonHint;
    }
  }
  setWindowFlags(flags);
  setWindowTitle(spec.Caption);
  setFixedSize(spec.ClientSize);
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
