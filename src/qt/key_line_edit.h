// A one-line edit box that offers its keys to the form first and may turn input into lower case.
#pragma once

#include <QLineEdit>
#include <functional>

namespace porvan {

// Returns true when the form took the key (a Win32 virtual-key code), so the box does not act
// on it as well.
using TKeyHandler = std::function<bool(int key)>;

class TKeyLineEdit : public QLineEdit {
 public:
  TKeyLineEdit(QWidget* parent, const QRect& place, bool lowerCase, TKeyHandler onKey);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TKeyHandler onKey_;
};

// The Win32 virtual-key code of a Qt key, as the form logic knows keys; 0 for keys it has no
// use for.
int VirtualKeyOf(int qtKey);

}  // namespace porvan
