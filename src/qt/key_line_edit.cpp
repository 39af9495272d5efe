// The edit box with the form's key handler, and lower case as the Windows edit style gives it.
#include "qt/key_line_edit.h"

#include <QKeyEvent>
#include <QValidator>

#include "platform/controls.h"

namespace porvan {
namespace {

constexpr int kEnterKey = 13;

// Turns every character typed or pasted into lower case, as ES_LOWERCASE does.
class TLowerCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& /*position*/) const override {
    input = input.toLower();
    return Acceptable;
  }
};

}  // namespace

int VirtualKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kEnterKey;
    case Qt::Key_Escape:
      return kEscapeKey;
    default:
      return 0;
  }
}

TKeyLineEdit::TKeyLineEdit(QWidget* parent, const QRect& place, bool lowerCase, TKeyHandler onKey)
    : QLineEdit(parent), onKey_(std::move(onKey)) {
  setGeometry(place);
  if (lowerCase) {
    setValidator(new TLowerCaseValidator(this));
  }
}

void TKeyLineEdit::keyPressEvent(QKeyEvent* event) {
  const int key = VirtualKeyOf(event->key());
  if (key != 0 && onKey_ && onKey_(key)) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace porvan
