// The link label: blue, underlined, a pointing hand, and a click on release inside it.
#include "qt/link_label.h"

#include <QMouseEvent>

#include "qt/fonts.h"

namespace porvan {

TLinkLabel::TLinkLabel(QWidget* parent, const QString& text, const QRect& place,
                       std::function<void()> onClick)
    : QLabel(text, parent), onClick_(std::move(onClick)) {
  setGeometry(place);
  setFont(UiFont({.Pixels = 11, .Underline = true}));
  setCursor(Qt::PointingHandCursor);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  setPalette(palette);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    onClick_();
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace porvan
