// Helpers of the Qt view tests: captions, the tab order, UTF-8 texts.
#include "view_test_support.h"

#include <QGroupBox>

namespace porvan::testing {

QString CaptionOf(const QWidget& widget) {
  if (!widget.accessibleName().isEmpty()) {
    return widget.accessibleName();
  }
  if (!widget.objectName().isEmpty()) {
    return widget.objectName();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    return button->text();
  }
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    return label->text();
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
    return group->title();
  }
  return {};
}

QStringList TabOrder(QWidget& window) {
  QStringList order;
  for (QWidget* widget = window.nextInFocusChain(); widget != &window;
       widget = widget->nextInFocusChain()) {
    if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isEnabled() &&
        widget->isVisibleTo(&window) && widget->window() == &window) {
      order << CaptionOf(*widget);
    }
  }
  return order;
}

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

}  // namespace porvan::testing
