#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;

namespace tessarin::art {

// Size in logical pixels of the area paintMainBackground() covers; the main window shows 945 x 777
// of it.
inline constexpr int mainBackgroundWidth = 945;
inline constexpr int mainBackgroundHeight = 779;

// The main window's background (frame, title strip, close mark, both panels with every drawn caption,
// slot frame and button face), in logical pixels.
void paintMainBackground(QPainter& painter);

QIcon applicationIcon();

// Picture of the soul-shield board button of `row` (1..4) and `piece` (1..8).
QPixmap boardButtonPixmap(int row, int piece, int logicalSize, qreal dpr);

// The board button's icon: its picture drawn at each pixel ratio a screen asks for, when it first asks.
QIcon boardButtonIcon(int row, int piece, int logicalSize);

// Grey tile reading `tier` (3, 5 or 8) that a set-effect indicator shows until its first change.
QPixmap indicatorPlaceholderPixmap(int tier, int logicalSize, qreal dpr);

// Neutral picture shown in place of a picture file that is missing or unreadable.
QPixmap missingPicturePixmap(QSize logicalSize, qreal dpr);

} // namespace tessarin::art
