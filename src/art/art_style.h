#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace tessarin::art {

// The colours of the game-window look shared by every picture the program draws.
namespace colours {
inline constexpr QRgb windowDeep = 0xff0d1118;
inline constexpr QRgb panelTop = 0xff1f2733;
inline constexpr QRgb panelBottom = 0xff131820;
inline constexpr QRgb inset = 0xff0a0d12;
inline constexpr QRgb gold = 0xffc9a35b;
inline constexpr QRgb goldBright = 0xfff1d58f;
inline constexpr QRgb bronze = 0xff7a5f33;
inline constexpr QRgb steel = 0xff46505f;
inline constexpr QRgb text = 0xffe6dcc6;
inline constexpr QRgb textDim = 0xff9a9385;
inline constexpr QRgb heading = 0xfff3d99a;
} // namespace colours

// A Korean-capable font at a pixel size, so text keeps its size whatever the screen's DPI.
QFont koreanFont(qreal pixelSize, bool bold = false);

QPainterPath roundedRect(const QRectF& rect, qreal radius);

// A dark blue-grey panel with a thin bronze/gold border, the basic surface of every window part.
void drawPanel(QPainter& painter, const QRectF& rect, qreal radius = 6.0);

// A recessed square slot with a gold rim, where an item picture goes.
void drawSlotFrame(QPainter& painter, const QRectF& rect, qreal radius = 3.0);

// A bevelled, slightly lit button face.
void drawButtonFace(QPainter& painter, const QRectF& rect, qreal radius = 4.0);

// Text with a one-pixel dark shadow underneath, the way game interfaces keep text legible.
void drawShadowText(QPainter& painter, const QRectF& rect, int flags, const QString& text, const QColor& colour);

} // namespace tessarin::art
