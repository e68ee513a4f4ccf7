#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace tessarin::art {

// The about window's illustration: a swordsman with a topknot under the moon, lit from behind in the
// gold of the game look, inside a gold frame.
void paintPortrait(QPainter& painter, const QRectF& rect);

QPixmap portraitPixmap(QSize logicalSize, qreal dpr);

} // namespace tessarin::art
