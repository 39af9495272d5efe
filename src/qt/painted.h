// Pictures and picture buttons whose faces are painted in code, sharp at any scale.
#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <functional>

namespace porvan {

using TPaint = std::function<void(QPainter& painter, const QRectF& rect)>;

enum class TButtonFace { Up, Hot, Down };
using TFacePaint =
    std::function<void(QPainter& painter, const QRectF& rect, TButtonFace face, bool focused)>;

// A picture at `place` (96-DPI pixels); its caption is its accessible name, as screen readers
// and tests find it.
class TPaintedWidget : public QWidget {
 public:
  TPaintedWidget(QWidget* parent, const QString& caption, const QRect& place, TPaint paint);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TPaint paint_;
};

// A button drawn by `face`; Enter presses it as Space does.
class TPictureButton : public QAbstractButton {
 public:
  TPictureButton(QWidget* parent, const QString& caption, const QRect& place, TFacePaint face,
                 const std::function<void()>& onClick);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TFacePaint face_;
};

}  // namespace porvan
