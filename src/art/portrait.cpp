// The portrait is drawn on a canvas of 100 x 110 units stretched to its rectangle (the about window's
// picture box is nearly that shape), from the back of the scene to the front.
#include "art/portrait.h"

#include "art/art_style.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace tessarin::art {

namespace {

constexpr qreal kWidth = 100.0;
constexpr qreal kHeight = 110.0;
const QPointF kMoon(70.0, 27.0);

void paintSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(0x1d, 0x28, 0x3a));
    sky.setColorAt(0.6, QColor(0x10, 0x16, 0x21));
    sky.setColorAt(1.0, QColor(0x07, 0x09, 0x0d));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), sky);

    p.setPen(Qt::NoPen);
    constexpr std::array<std::array<qreal, 3>, 9> stars = {{{8, 9, 0.45},
                                                            {19, 22, 0.3},
                                                            {28, 6, 0.35},
                                                            {44, 14, 0.25},
                                                            {90, 8, 0.4},
                                                            {93, 40, 0.3},
                                                            {12, 38, 0.3},
                                                            {52, 4, 0.3},
                                                            {84, 52, 0.25}}};
    for (const auto& star : stars) {
        p.setBrush(QColor(0xf4, 0xe9, 0xc8, 170));
        p.drawEllipse(QPointF(star[0], star[1]), star[2], star[2]);
    }

    QRadialGradient halo(kMoon, 34.0);
    halo.setColorAt(0.0, QColor(0xf1, 0xd5, 0x8f, 90));
    halo.setColorAt(0.45, QColor(0xc9, 0xa3, 0x5b, 30));
    halo.setColorAt(1.0, QColor(0xc9, 0xa3, 0x5b, 0));
    p.setBrush(halo);
    p.drawEllipse(kMoon, 34.0, 34.0);
    QRadialGradient moon(kMoon - QPointF(4.0, 4.0), 18.0);
    moon.setColorAt(0.0, QColor(0xfb, 0xf1, 0xd2));
    moon.setColorAt(0.7, QColor(0xf1, 0xd5, 0x8f));
    moon.setColorAt(1.0, QColor(0xc9, 0xa3, 0x5b));
    p.setBrush(moon);
    p.drawEllipse(kMoon, 15.0, 15.0);
    // A few soft marks on its face.
    p.setBrush(QColor(0xc9, 0xa3, 0x5b, 60));
    p.drawEllipse(QPointF(74.0, 24.0), 3.5, 2.6);
    p.drawEllipse(QPointF(66.0, 32.0), 2.4, 1.8);
}

void paintMountains(QPainter& p)
{
    p.setPen(Qt::NoPen);
    QPainterPath far;
    far.moveTo(0, 74);
    far.lineTo(10, 64);
    far.lineTo(18, 69);
    far.lineTo(31, 55);
    far.lineTo(44, 67);
    far.lineTo(57, 58);
    far.lineTo(71, 70);
    far.lineTo(84, 57);
    far.lineTo(100, 68);
    far.lineTo(100, 110);
    far.lineTo(0, 110);
    far.closeSubpath();
    QLinearGradient farFill(0, 55, 0, 90);
    farFill.setColorAt(0.0, QColor(0x2b, 0x36, 0x49));
    farFill.setColorAt(1.0, QColor(0x12, 0x18, 0x22));
    p.setBrush(farFill);
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(0, 84);
    near.cubicTo(14, 74, 22, 80, 30, 76);
    near.cubicTo(44, 70, 56, 82, 70, 77);
    near.cubicTo(82, 73, 90, 79, 100, 76);
    near.lineTo(100, 110);
    near.lineTo(0, 110);
    near.closeSubpath();
    p.setBrush(QColor(0x0c, 0x10, 0x17));
    p.drawPath(near);

    // Mist along the foot of the mountains.
    QLinearGradient mist(0, 70, 0, 86);
    mist.setColorAt(0.0, QColor(0x9a, 0xa8, 0xc0, 0));
    mist.setColorAt(0.5, QColor(0x9a, 0xa8, 0xc0, 34));
    mist.setColorAt(1.0, QColor(0x9a, 0xa8, 0xc0, 0));
    p.fillRect(QRectF(0, 70, kWidth, 16), mist);
}

// The sword on the back: its hilt shows above the right shoulder.
void paintSwordHilt(QPainter& p)
{
    p.save();
    p.translate(58.0, 71.0);
    p.rotate(28.0);
    QLinearGradient grip(-1.6, 0, 1.6, 0);
    grip.setColorAt(0.0, QColor(0x2a, 0x1c, 0x14));
    grip.setColorAt(0.5, QColor(0x55, 0x3a, 0x26));
    grip.setColorAt(1.0, QColor(0x2a, 0x1c, 0x14));
    p.setPen(Qt::NoPen);
    p.setBrush(grip);
    p.drawRoundedRect(QRectF(-1.6, -20.0, 3.2, 17.0), 1.0, 1.0);
    p.setPen(QPen(QColor(colours::gold), 0.45));
    for (qreal y = -18.5; y < -4.0; y += 2.4)
        p.drawLine(QPointF(-1.6, y), QPointF(1.6, y + 1.2));
    QRadialGradient metal(QPointF(-1.0, -1.0), 5.0);
    metal.setColorAt(0.0, QColor(colours::goldBright));
    metal.setColorAt(1.0, QColor(colours::bronze));
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.3));
    p.setBrush(metal);
    p.drawEllipse(QPointF(0, -2.0), 4.6, 1.5);  // guard
    p.drawEllipse(QPointF(0, -21.0), 2.2, 1.8); // pommel
    p.restore();
}

void paintRibbon(QPainter& p)
{
    QPainterPath ribbon;
    ribbon.moveTo(50.5, 38.0);
    ribbon.cubicTo(60.0, 37.0, 66.0, 44.0, 76.0, 40.0);
    ribbon.cubicTo(82.0, 38.0, 86.0, 33.0, 91.0, 34.0);
    ribbon.cubicTo(86.0, 37.5, 83.0, 43.0, 76.0, 45.0);
    ribbon.cubicTo(66.0, 48.0, 59.0, 41.5, 51.0, 41.5);
    ribbon.closeSubpath();
    QLinearGradient fill(50, 38, 91, 38);
    fill.setColorAt(0.0, QColor(0x9c, 0x2b, 0x2b));
    fill.setColorAt(1.0, QColor(0x5a, 0x16, 0x1a));
    p.setBrush(fill);
    p.setPen(QPen(QColor(colours::goldBright).darker(120), 0.35));
    p.drawPath(ribbon);
}

void paintBody(QPainter& p)
{
    QPainterPath robe;
    robe.moveTo(6, 110);
    robe.cubicTo(7, 96, 10, 86, 20, 81);
    robe.cubicTo(27, 77.5, 33, 75, 37, 70);
    robe.lineTo(48, 70);
    robe.cubicTo(52, 75, 59, 77.5, 66, 81);
    robe.cubicTo(75, 86, 78, 96, 79, 110);
    robe.closeSubpath();
    QLinearGradient cloth(0, 70, 0, 110);
    cloth.setColorAt(0.0, QColor(0x2c, 0x37, 0x4b));
    cloth.setColorAt(1.0, QColor(0x11, 0x16, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawPath(robe);

    // Crossed collar, left over right, with a pale inner collar and gold edging.
    QPainterPath inner;
    inner.moveTo(37.5, 71);
    inner.lineTo(42.5, 86);
    inner.lineTo(47.5, 71);
    inner.closeSubpath();
    p.setBrush(QColor(0xd8, 0xd2, 0xc2));
    p.drawPath(inner);
    QPainterPath outer;
    outer.moveTo(35, 72);
    outer.lineTo(39, 72);
    outer.lineTo(50, 101);
    outer.lineTo(45, 103);
    outer.closeSubpath();
    outer.moveTo(50, 72);
    outer.lineTo(46.5, 72);
    outer.lineTo(41, 87);
    outer.lineTo(43.5, 89.5);
    outer.closeSubpath();
    p.setBrush(QColor(0x1a, 0x20, 0x2c));
    p.setPen(QPen(QColor(colours::gold), 0.6));
    p.drawPath(outer);

    // A gold-rimmed shoulder guard on the left.
    QPainterPath guard;
    guard.moveTo(10.5, 97);
    guard.cubicTo(10.5, 88, 15, 83, 21, 80.3);
    guard.cubicTo(26, 78, 31, 76, 34.5, 73.5);
    guard.cubicTo(34, 82, 28, 91, 17, 98);
    guard.closeSubpath();
    QLinearGradient plate(10, 78, 28, 95);
    plate.setColorAt(0.0, QColor(0x4a, 0x56, 0x69));
    plate.setColorAt(1.0, QColor(0x1c, 0x22, 0x2d));
    p.setBrush(plate);
    p.setPen(QPen(QColor(colours::goldBright), 0.6));
    p.drawPath(guard);
    p.setPen(QPen(QColor(colours::bronze), 0.5));
    QPainterPath seam;
    seam.moveTo(14, 93);
    seam.cubicTo(17, 86, 24, 81, 31, 78);
    p.drawPath(seam);
}

void paintHead(QPainter& p)
{
    // Neck, in the shadow of the jaw.
    QLinearGradient neckShade(38, 0, 48, 0);
    neckShade.setColorAt(0.0, QColor(0x8a, 0x64, 0x4c));
    neckShade.setColorAt(1.0, QColor(0xb8, 0x8c, 0x6c));
    p.setPen(Qt::NoPen);
    p.setBrush(neckShade);
    p.drawRect(QRectF(39.5, 56, 6.5, 16));

    // Face: lit from the moon behind the right shoulder.
    QPainterPath face;
    face.moveTo(32.5, 45);
    face.cubicTo(32.5, 37, 37, 34.5, 42.5, 34.5);
    face.cubicTo(48, 34.5, 52.5, 37, 52.5, 45);
    face.cubicTo(52.5, 53, 49, 60.5, 42.5, 61.5);
    face.cubicTo(36, 60.5, 32.5, 53, 32.5, 45);
    QLinearGradient skin(32, 0, 53, 0);
    skin.setColorAt(0.0, QColor(0xc8, 0x9c, 0x7c));
    skin.setColorAt(0.6, QColor(0xe6, 0xc2, 0x9e));
    skin.setColorAt(1.0, QColor(0xf6, 0xdc, 0xb4));
    p.setBrush(skin);
    p.drawPath(face);

    // The jaw's shadow on the neck.
    QLinearGradient jaw(0, 59, 0, 64);
    jaw.setColorAt(0.0, QColor(0x5a, 0x3e, 0x30, 150));
    jaw.setColorAt(1.0, QColor(0x5a, 0x3e, 0x30, 0));
    p.setBrush(jaw);
    p.drawRect(QRectF(39.5, 59, 6.5, 5));

    // Eyes, brows, nose and mouth: a calm, determined look.
    const QColor ink(0x1a, 0x14, 0x12);
    for (const qreal x : {38.0, 47.0}) {
        QPainterPath eye;
        eye.moveTo(x - 2.6, 47.8);
        eye.quadTo(x, 45.6, x + 2.6, 47.6);
        eye.quadTo(x, 49.4, x - 2.6, 47.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf4, 0xee, 0xe2));
        p.drawPath(eye);
        p.save();
        p.setClipPath(eye, Qt::IntersectClip);
        p.setBrush(QColor(0x2a, 0x1c, 0x16));
        p.drawEllipse(QPointF(x - 0.2, 47.6), 1.35, 1.35);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 0.55, Qt::SolidLine, Qt::RoundCap));
        QPainterPath lid;
        lid.moveTo(x - 2.8, 47.9);
        lid.quadTo(x, 45.4, x + 2.8, 47.5);
        p.drawPath(lid);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35.0, 43.2), QPointF(40.6, 44.2));
    p.drawLine(QPointF(44.6, 44.2), QPointF(50.0, 43.2));
    p.setPen(QPen(QColor(0x9a, 0x6c, 0x52), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(43.0, 48.5), QPointF(43.8, 53.2));
    p.drawLine(QPointF(43.8, 53.2), QPointF(42.4, 53.6));
    p.setPen(QPen(QColor(0x8c, 0x4c, 0x44), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40.6, 56.6), QPointF(45.0, 56.4));

    // Hair drawn back into a topknot, with locks falling by the cheeks.
    QPainterPath hair;
    hair.moveTo(31.5, 50);
    hair.cubicTo(30, 38, 35, 32, 42.5, 32);
    hair.cubicTo(50, 32, 55, 38, 53.5, 50);
    hair.cubicTo(52.5, 44, 51.5, 41.5, 50.5, 40.5);
    hair.cubicTo(46, 42.5, 39, 42.5, 34.5, 40.5);
    hair.cubicTo(33.5, 42, 32.5, 45, 31.5, 50);
    hair.closeSubpath();
    hair.addEllipse(QPointF(42.5, 28.5), 4.6, 4.0);
    QLinearGradient hairFill(30, 28, 55, 50);
    hairFill.setColorAt(0.0, QColor(0x0e, 0x10, 0x15));
    hairFill.setColorAt(1.0, QColor(0x24, 0x2b, 0x3a));
    p.setPen(Qt::NoPen);
    p.setBrush(hairFill);
    p.drawPath(hair);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x0e, 0x10, 0x15), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(33.0, 46.0), QPointF(32.6, 55.0));
    p.drawLine(QPointF(52.0, 46.0), QPointF(52.6, 55.0));

    // Gold pin through the knot and a red headband.
    p.setPen(QPen(QColor(colours::goldBright), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38.0, 29.6), QPointF(47.5, 27.6));
    p.setPen(QPen(QColor(0x9c, 0x2b, 0x2b), 1.4));
    p.drawArc(QRectF(33.0, 36.2, 19.0, 10.0), 20 * 16, 140 * 16);
}

// Moonlight along the right edge of head and shoulder.
void paintRimLight(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf1, 0xd5, 0x8f, 150), 0.8, Qt::SolidLine, Qt::RoundCap));
    QPainterPath rim;
    rim.moveTo(47.5, 33.5);
    rim.cubicTo(51.5, 35.5, 54.5, 40.0, 53.8, 48.0);
    p.drawPath(rim);
    QPainterPath shoulder;
    shoulder.moveTo(50.5, 73.5);
    shoulder.cubicTo(55.0, 77.0, 60.0, 78.5, 66.0, 81.5);
    shoulder.cubicTo(72.0, 85.0, 76.0, 91.0, 77.5, 100.0);
    p.drawPath(shoulder);
}

void paintVignetteAndFrame(QPainter& p)
{
    QRadialGradient vignette(QPointF(kWidth / 2, kHeight * 0.45), kHeight * 0.75);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 150));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), vignette);

    p.setBrush(Qt::NoBrush);
    QLinearGradient rim(0, 0, kWidth, kHeight);
    rim.setColorAt(0.0, QColor(colours::goldBright));
    rim.setColorAt(0.5, QColor(colours::bronze));
    rim.setColorAt(1.0, QColor(colours::gold));
    p.setPen(QPen(QBrush(rim), 1.2));
    p.drawRect(QRectF(0.6, 0.6, kWidth - 1.2, kHeight - 1.2));
    p.setPen(QPen(QColor(colours::gold).darker(150), 0.4));
    p.drawRect(QRectF(2.4, 2.4, kWidth - 4.8, kHeight - 4.8));
    // Small diamonds in the corners.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(colours::goldBright));
    for (const QPointF corner : {QPointF(2.4, 2.4), QPointF(kWidth - 2.4, 2.4), QPointF(2.4, kHeight - 2.4),
                                 QPointF(kWidth - 2.4, kHeight - 2.4)}) {
        p.drawPolygon(QPolygonF({corner + QPointF(0, -2.0), corner + QPointF(2.0, 0), corner + QPointF(0, 2.0),
                                 corner + QPointF(-2.0, 0)}));
    }
}

} // namespace

void paintPortrait(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / kWidth, rect.height() / kHeight);
    paintSky(painter);
    paintMountains(painter);
    paintSwordHilt(painter);
    paintRibbon(painter);
    paintBody(painter);
    paintHead(painter);
    paintRimLight(painter);
    paintVignetteAndFrame(painter);
    painter.restore();
}

QPixmap portraitPixmap(QSize logicalSize, qreal dpr)
{
    const qreal ratio = dpr > 0.0 ? dpr : 1.0;
    const QSize logical(std::max(1, logicalSize.width()), std::max(1, logicalSize.height()));
    QImage image(QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintPortrait(painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace tessarin::art
