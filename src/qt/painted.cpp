// Pictures and picture buttons painted with QPainter, at whatever scale the screen has.
#include "qt/painted.h"

#include <QKeyEvent>
#include <QPainter>

namespace porvan {

TPaintedWidget::TPaintedWidget(QWidget* parent, const QString& caption, const QRect& place,
                               TPaint paint)
    : QWidget(parent), paint_(std::move(paint)) {
  setAccessibleName(caption);
  setGeometry(place);
}

void TPaintedWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  paint_(painter, QRectF(rect()));
}

TPictureButton::TPictureButton(QWidget* parent, const QString& caption, const QRect& place,
                               TFacePaint face, const std::function<void()>& onClick)
    : QAbstractButton(parent), face_(std::move(face)) {
  setText(caption);
  setAccessibleName(caption);
  setGeometry(place);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
  connect(this, &QAbstractButton::clicked, this, [onClick] { onClick(); });
}

void TPictureButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const TButtonFace face = isDown()       ? TButtonFace::Down
                           : underMouse() ? TButtonFace::Hot
                                          : TButtonFace::Up;
  face_(painter, QRectF(rect()), face, hasFocus());
}

void TPictureButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

}  // namespace porvan
