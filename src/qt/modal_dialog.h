// A fixed-size modal dialog whose close request, Escape and handlers go to its form logic.
#pragma once

#include <QDialog>
#include <functional>

namespace porvan {

class IMessageBox;

struct TDialogSpec {
  QString Caption;
  QSize ClientSize;
  bool TitleBar = true;     // false: no frame at all, as the splash
  bool CloseButton = true;  // false: a title bar without any button
};

class TQtDialog : public QDialog {
 public:
  TQtDialog(QWidget* owner, const TDialogSpec& look, IMessageBox& messages);

  // Runs a handler of the form; an error escaping it reaches the general error report.
  bool Run(const std::function<void()>& handler);
  // The form's key handler: true when it took the key.
  void SetKeyHandler(std::function<bool(int key)> onKey) { onKey_ = std::move(onKey); }

  // A plain close request gives the cancel result of every modal window.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  IMessageBox& messages_;
  std::function<bool(int key)> onKey_;
};

}  // namespace porvan
