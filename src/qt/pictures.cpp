// The windows' pictures drawn with QPainter on a 16-unit grid per glyph, so they scale cleanly.
#include "qt/pictures.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "qt/fonts.h"

namespace porvan {
namespace {

const QColor kInk(51, 51, 51);
const QColor kFrame(181, 181, 181);
const QColor kGreen(46, 158, 69);
const QColor kRed(210, 59, 59);
const QColor kBlue(41, 105, 201);
const QColor kWhite(255, 255, 255);

QPointF OnGrid(const QRectF& box, double x, double y) {
  return {box.left() + box.width() * x / 16, box.top() + box.height() * y / 16};
}

QRectF GridRect(const QRectF& box, double left, double top, double right, double bottom) {
  return {OnGrid(box, left, top), OnGrid(box, right, bottom)};
}

double Stroke(const QRectF& box, double units) {
  return box.width() * units / 16;
}

void Lines(QPainter& painter, const QRectF& box, std::initializer_list<QPointF> points,
           double units, const QColor& color) {
  painter.setPen(QPen(color, Stroke(box, units), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  const std::vector<QPointF> line(points);
  painter.drawPolyline(line.data(), static_cast<int>(line.size()));
}

void Ellipse(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& frame) {
  painter.setPen(QPen(frame, 1));
  painter.setBrush(fill);
  painter.drawEllipse(rect);
}

void Rounded(QPainter& painter, const QRectF& rect, double radius, const QBrush& fill,
             const QColor& frame) {
  painter.setPen(QPen(frame, 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

QBrush Gradient(const QRectF& rect, const QColor& top, const QColor& bottom) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  return gradient;
}

void Padlock(QPainter& painter, const QRectF& box, const QColor& body, const QColor& shackle) {
  Lines(painter, box,
        {OnGrid(box, 5, 8), OnGrid(box, 5, 4.5), OnGrid(box, 8, 2.5), OnGrid(box, 11, 4.5),
         OnGrid(box, 11, 8)},
        1.8, shackle);
  Rounded(painter, GridRect(box, 3, 7.5, 13, 14.5), Stroke(box, 1.2), body, body);
  Ellipse(painter, GridRect(box, 7, 9.5, 9, 11.5), shackle, shackle);
}

void Key(QPainter& painter, const QRectF& box, const QColor& color, const QColor& hole) {
  Ellipse(painter, GridRect(box, 1.5, 5, 8, 11.5), color, color);
  Ellipse(painter, GridRect(box, 3.5, 7, 5.5, 9.5), hole, hole);
  Lines(painter, box, {OnGrid(box, 7.5, 8.2), OnGrid(box, 14.5, 8.2)}, 1.8, color);
  Lines(painter, box, {OnGrid(box, 12.5, 8.2), OnGrid(box, 12.5, 11)}, 1.6, color);
  Lines(painter, box, {OnGrid(box, 10.5, 8.2), OnGrid(box, 10.5, 10.5)}, 1.6, color);
}

void Glyph(QPainter& painter, const QRectF& box, TGlyph glyph) {
  switch (glyph) {
    case TGlyph::RunChevron:
      Ellipse(painter, box, kGreen, kGreen.darker(125));
      Lines(painter, box, {OnGrid(box, 4.5, 6), OnGrid(box, 8, 10), OnGrid(box, 11.5, 6)}, 2.2,
            kWhite);
      break;
    case TGlyph::GreenPadlock:
      Padlock(painter, box, kGreen, kGreen.darker(133));
      break;
    case TGlyph::RedCross:
      Lines(painter, box, {OnGrid(box, 3.5, 3.5), OnGrid(box, 12.5, 12.5)}, 2.6, kRed);
      Lines(painter, box, {OnGrid(box, 3.5, 12.5), OnGrid(box, 12.5, 3.5)}, 2.6, kRed);
      break;
    case TGlyph::GreenCheck:
      Lines(painter, box, {OnGrid(box, 2.5, 8.5), OnGrid(box, 6.5, 12.5), OnGrid(box, 13.5, 3.5)},
            2.6, kGreen);
      break;
    case TGlyph::GreenRunner:
      Ellipse(painter, GridRect(box, 9.5, 0.8, 12.7, 4), kGreen, kGreen);
      Lines(painter, box, {OnGrid(box, 9.5, 5.2), OnGrid(box, 7.2, 10)}, 2.4, kGreen);
      Lines(painter, box, {OnGrid(box, 4.2, 7.6), OnGrid(box, 8.8, 6.2), OnGrid(box, 12, 8.6)}, 1.7,
            kGreen);
      Lines(painter, box, {OnGrid(box, 7.2, 10), OnGrid(box, 10.2, 12), OnGrid(box, 9.2, 15.2)},
            1.7, kGreen);
      Lines(painter, box, {OnGrid(box, 7.2, 10), OnGrid(box, 5.2, 12.6), OnGrid(box, 1.8, 12.8)},
            1.7, kGreen);
      break;
  }
}

// The text in `rect` with `flags`, its font shrunk step by step until it fits.
void FittedText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& given,
                const QColor& color, int flags) {
  QFont font = given;
  while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > rect.width()) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  painter.setFont(font);
  painter.setPen(color);
  painter.drawText(rect, flags | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void FocusFrame(QPainter& painter, const QRectF& rect) {
  painter.setPen(QPen(kInk, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(3.5, 3.5, -3.5, -3.5));
}

// Draws each tray tile afresh at the size asked, so the tray never scales a small one up.
class TTrayTileEngine : public QIconEngine {
 public:
  explicit TTrayTileEngine(int image) : image_(image) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
             QIcon::State /*state*/) override {
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF tile(rect);
    const QColor base = image_ == 0 ? kRed : kGreen;
    Rounded(*painter, tile, tile.width() / 6, Gradient(tile, base.lighter(130), base.darker(130)),
            base.darker(130));
    const double inset = tile.width() / 8;
    const QRectF glyph = tile.adjusted(inset, inset, -inset, -inset);
    if (image_ == 0) {
      Padlock(*painter, glyph, kWhite, kWhite);
      Ellipse(*painter, GridRect(glyph, 7, 9.5, 9, 11.5), base, base);
    } else {
      Key(*painter, glyph, kWhite, base);
    }
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(), size), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new TTrayTileEngine(image_); }

 private:
  int image_;
};

}  // namespace

TPaint CaptionPicture(QString text, const QFont& font) {
  return [text = std::move(text), font](QPainter& painter, const QRectF& rect) {
    FittedText(painter, rect, text, font, kInk, Qt::AlignLeft);
  };
}

TPaint StateAreaPicture(QString heading) {
  return [heading = std::move(heading)](QPainter& painter, const QRectF& rect) {
    const QFont font = UiFont({.Pixels = 11, .Bold = true});
    const double headingHeight = QFontMetricsF(font).height();
    Rounded(painter, rect.adjusted(0, headingHeight / 2, 0, 0), 3, kWhite, kFrame);
    const double width = QFontMetricsF(font).horizontalAdvance(heading) + 8;
    const QRectF label(rect.left() + 8, rect.top(), width, headingHeight);
    painter.fillRect(label, QColor(249, 249, 249));
    FittedText(painter, label, heading, font, kInk, Qt::AlignHCenter);
  };
}

TPaint StateBarPicture(QString text, bool open) {
  return [text = std::move(text), open](QPainter& painter, const QRectF& rect) {
    const QColor base = open ? kBlue : kRed;
    Rounded(painter, rect, 3, Gradient(rect, base.lighter(125), base.darker(125)),
            base.darker(125));
    const double lamp = 8;
    const QRectF lampRect(rect.left() + 8, rect.center().y() - lamp / 2, lamp, lamp);
    Ellipse(painter, lampRect, open ? QColor(140, 235, 150) : QColor(120, 20, 20), kWhite);
    const QRectF label(lampRect.right() + 4, rect.top(), rect.right() - lampRect.right() - 8,
                       rect.height());
    FittedText(painter, label, text, UiFont({.Pixels = 12, .Bold = true}), kWhite,
               Qt::AlignHCenter);
  };
}

TPaint BevelLinePicture() {
  return [](QPainter& painter, const QRectF& rect) {
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1), QColor(160, 160, 160));
    painter.fillRect(QRectF(rect.left(), rect.top() + 1, rect.width(), 1), kWhite);
  };
}

TFacePaint CommandButtonFace(QString text, TGlyph glyph, const QFont& font) {
  return [text = std::move(text), glyph, font](QPainter& painter, const QRectF& rect,
                                               TButtonFace face, bool focused) {
    const QColor fill = face == TButtonFace::Up    ? QColor(236, 236, 236)
                        : face == TButtonFace::Hot ? QColor(221, 236, 250)
                                                   : QColor(196, 222, 246);
    const QColor frame = face == TButtonFace::Up ? QColor(190, 190, 190) : QColor(120, 165, 215);
    Rounded(painter, rect, 3, fill, frame);
    const double shift = face == TButtonFace::Down ? 1 : 0;
    const QRectF body = rect.translated(shift, shift);
    const double glyphSize = std::min(body.height() - 8, 22.0);
    const double glyphLeft = body.left() + std::max(5.0, (body.height() - glyphSize) / 2);
    const QRectF glyphBox(glyphLeft, body.top() + (body.height() - glyphSize) / 2, glyphSize,
                          glyphSize);
    Glyph(painter, glyphBox, glyph);
    const QRectF label(glyphBox.right() + 3, body.top(), body.right() - glyphBox.right() - 6,
                       body.height());
    FittedText(painter, label, text, font, kInk, Qt::AlignHCenter);
    if (focused) {
      FocusFrame(painter, rect);
    }
  };
}

TFacePaint FlatButtonFace(QString text, const QFont& font, const QColor& background) {
  return [text = std::move(text), font, background](QPainter& painter, const QRectF& rect,
                                                    TButtonFace face, bool /*focused*/) {
    painter.fillRect(rect, face == TButtonFace::Up ? background : background.darker(109));
    FittedText(painter, rect, text, font, face == TButtonFace::Up ? QColor(110, 110, 110) : kBlue,
               Qt::AlignHCenter);
  };
}

TFacePaint AlertButtonFace(QString text, TGlyph glyph) {
  return [text = std::move(text), glyph](QPainter& painter, const QRectF& rect, TButtonFace face,
                                         bool focused) {
    const bool down = face == TButtonFace::Down;
    const QColor fill = down                       ? QColor(204, 204, 204)
                        : face == TButtonFace::Hot ? QColor(236, 244, 252)
                                                   : QColor(240, 240, 240);
    Rounded(painter, rect, 2, fill, QColor(120, 120, 120));
    const QFont font = UiFont();
    const double glyphSize = 18;
    const double gap = 4;
    const double width = glyphSize + gap + QFontMetricsF(font).horizontalAdvance(text);
    const double shift = down ? 1 : 0;
    const double left = rect.left() + (rect.width() - width) / 2 + shift;
    const double top = rect.top() + (rect.height() - glyphSize) / 2 + shift;
    Glyph(painter, QRectF(left, top, glyphSize, glyphSize), glyph);
    const QRectF label(left + glyphSize + gap, rect.top() + shift,
                       rect.right() - left - glyphSize - gap, rect.height());
    FittedText(painter, label, text, font, Qt::black, Qt::AlignLeft);
    if (focused) {
      FocusFrame(painter, rect);
    }
  };
}

TFacePaint TwoStateButtonFace(QString text) {
  return [text = std::move(text)](QPainter& painter, const QRectF& rect, TButtonFace face,
                                  bool focused) {
    const bool down = face == TButtonFace::Down;
    Rounded(painter, rect, 3,
            Gradient(rect, down ? QColor(205, 218, 235) : QColor(252, 252, 252),
                     down ? QColor(226, 234, 245) : QColor(226, 228, 232)),
            QColor(140, 146, 156));
    FittedText(painter, rect.translated(0, down ? 1 : 0), text, UiFont(), Qt::black,
               Qt::AlignHCenter);
    if (focused) {
      FocusFrame(painter, rect);
    }
  };
}

QIcon TrayTile(int image) {
  return QIcon(new TTrayTileEngine(image));
}

}  // namespace porvan
