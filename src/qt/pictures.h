// The windows' pictures, drawn with QPainter: captions, the connection-state area and bars,
// button faces and the tray tiles.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

#include "qt/painted.h"

namespace porvan {

// A text painted left-aligned and vertically centred, shrunk if it would not fit.
TPaint CaptionPicture(QString text, const QFont& font);
// A small heading over an empty framed box, where the state bars lie.
TPaint StateAreaPicture(QString heading);
// A rounded bar with its text: blue when open, red when closed.
TPaint StateBarPicture(QString text, bool open);
// The sunken line of a bevel.
TPaint BevelLinePicture();

enum class TGlyph { RunChevron, GreenPadlock, RedCross, GreenCheck, GreenRunner };
// A light face with a glyph and the text beside it; light blue under the pointer and pressed.
TFacePaint CommandButtonFace(QString text, TGlyph glyph, const QFont& font);
// A flat face with the text alone that lights up under the pointer.
TFacePaint FlatButtonFace(QString text, const QFont& font, const QColor& background);
// A push button's face with an 18 x 18 glyph and the text centred together.
TFacePaint AlertButtonFace(QString text, TGlyph glyph);
// A gradient face with its text centred, sunk while pressed.
TFacePaint TwoStateButtonFace(QString text);

// The tray's images: 0 a red tile with a closed padlock, 1 a green tile with a key; drawn for
// every size the desktop asks.
QIcon TrayTile(int image);

}  // namespace porvan
