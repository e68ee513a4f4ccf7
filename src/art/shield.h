#pragma once

#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace tessarin::art {

// The look of a soul-shield piece. The two sea-serpent grades share their picture files and differ
// only on the board buttons.
enum class PieceSet { Lost, SeaSerpent, SeaSerpentHero, Free };

struct SetColours {
    QColor light;
    QColor base;
    QColor dark;
    QColor glow;
};

SetColours setColours(PieceSet set);

// File stem of the piece pictures: "lost", "pohwaran" or "general".
QString pieceFileStem(PieceSet set);

// One eighth of the octagonal shield inside `rect`: piece 1 is the top edge, the others follow
// clockwise. Apothems are fractions of the half-size of `rect` (the octagon is stretched to the
// rectangle like the stacked pictures are); `gap` is half the gap between neighbouring pieces.
QPolygonF shieldSegment(const QRectF& rect, int piece, qreal outerApothem, qreal innerApothem, qreal gap);
QPolygonF shieldOctagon(const QRectF& rect, qreal apothem);

// Apothems of the pieces inside their picture, shared by the pictures and the empty frame on the
// main window so that equipped pieces cover the frame's sockets exactly.
inline constexpr qreal pieceOuterApothem = 0.95;
inline constexpr qreal pieceInnerApothem = 0.40;
inline constexpr qreal pieceGap = 0.018;

void paintShieldSegment(QPainter& painter, const QRectF& rect, PieceSet set, int piece);

// Piece 1 on its own, scaled to fill `box`: the piece as an icon.
void paintLoosePiece(QPainter& painter, const QRectF& box, PieceSet set);

// The empty shield as the main window shows it: sockets for the eight pieces and a centre emblem.
void paintEmptyShield(QPainter& painter, const QRectF& rect);

// One piece on a transparent canvas of the given size (aspect of the octagon box on the main window).
QImage pieceImage(PieceSet set, int piece, QSize size);

} // namespace tessarin::art
