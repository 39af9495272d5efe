// A label drawn as a web link that reports a click.
#pragma once

#include <QLabel>
#include <functional>

namespace porvan {

class TLinkLabel : public QLabel {
 public:
  TLinkLabel(QWidget* parent, const QString& text, const QRect& place,
             std::function<void()> onClick);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void()> onClick_;
};

}  // namespace porvan
