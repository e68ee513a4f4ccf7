#include "imagegen/stance_pictures.h"

#include "art/art_style.h"
#include "imagegen/image_sink.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace tessarin::imagegen {

namespace {

// Twice the 770-twip button.
constexpr int side = 102;

// Every symbol is drawn in a 100 x 100 box; the caption band covers the bottom 24 units.
using SymbolPainter = void (*)(QPainter&);

void glowLine(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width)
{
    QColor halo = colour;
    halo.setAlpha(70);
    p.strokePath(path, QPen(halo, width * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void blade(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& steel)
{
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len * width / 2.0, d.x() / len * width / 2.0);
    QPainterPath path;
    path.moveTo(from + n);
    path.lineTo(to - d / len * width * 1.5 + n);
    path.lineTo(to);
    path.lineTo(to - d / len * width * 0.5 - n);
    path.lineTo(from - n);
    path.closeSubpath();
    QLinearGradient shine(from + n, from - n);
    shine.setColorAt(0.0, Qt::white);
    shine.setColorAt(0.5, steel);
    shine.setColorAt(1.0, steel.darker(170));
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.8));
    p.setBrush(shine);
    p.drawPath(path);
}

void drawBaldo(QPainter& p)
{
    // A sword half drawn from its sheath, with the flash of the draw.
    QPainterPath flash;
    flash.moveTo(18, 30);
    flash.quadTo(50, 8, 86, 22);
    glowLine(p, flash, QColor(0xff, 0xf0, 0xc0), 2.0);
    p.save();
    p.translate(50, 46);
    p.rotate(-35);
    p.setPen(QPen(QColor(0, 0, 0, 180), 1.0));
    QLinearGradient sheath(0, -5, 0, 5);
    sheath.setColorAt(0.0, QColor(0x6a, 0x2a, 0x1a));
    sheath.setColorAt(1.0, QColor(0x2a, 0x0c, 0x06));
    p.setBrush(sheath);
    p.drawRoundedRect(QRectF(-42, -5, 44, 10), 4, 4);
    p.setBrush(QColor(0xd8, 0xb0, 0x50));
    p.drawRect(QRectF(-4, -8, 5, 16));
    p.restore();
    p.save();
    p.translate(50, 46);
    p.rotate(-35);
    blade(p, QPointF(2, 0), QPointF(42, 0), 6.5, QColor(0xc8, 0xd4, 0xe4));
    p.restore();
}

void drawBeongaebegi(QPainter& p)
{
    QPainterPath bolt;
    bolt.moveTo(58, 6);
    bolt.lineTo(30, 42);
    bolt.lineTo(48, 42);
    bolt.lineTo(36, 74);
    bolt.lineTo(72, 32);
    bolt.lineTo(53, 32);
    bolt.lineTo(66, 6);
    bolt.closeSubpath();
    QColor halo(0x9f, 0xd8, 0xff, 90);
    p.strokePath(bolt, QPen(halo, 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(30, 6, 70, 74);
    fill.setColorAt(0.0, Qt::white);
    fill.setColorAt(1.0, QColor(0xff, 0xe0, 0x40));
    p.setPen(QPen(QColor(0x60, 0x40, 0x00), 1.0));
    p.setBrush(fill);
    p.drawPath(bolt);
    QPainterPath slash;
    slash.moveTo(12, 62);
    slash.lineTo(88, 14);
    glowLine(p, slash, QColor(0xe0, 0xf4, 0xff), 1.6);
}

void drawBangyeok(QPainter& p)
{
    // A shield with an arrow turned back on itself.
    QPainterPath shield;
    shield.moveTo(50, 10);
    shield.cubicTo(62, 16, 72, 16, 78, 16);
    shield.cubicTo(78, 46, 70, 62, 50, 74);
    shield.cubicTo(30, 62, 22, 46, 22, 16);
    shield.cubicTo(28, 16, 38, 16, 50, 10);
    QLinearGradient fill(22, 10, 78, 74);
    fill.setColorAt(0.0, QColor(0xf0, 0xc8, 0x70));
    fill.setColorAt(1.0, QColor(0x8a, 0x50, 0x10));
    p.setPen(QPen(QColor(0x3a, 0x20, 0x00), 1.5));
    p.setBrush(fill);
    p.drawPath(shield);
    QPainterPath arrow;
    arrow.moveTo(36, 52);
    arrow.cubicTo(34, 28, 62, 24, 64, 44);
    p.strokePath(arrow, QPen(QColor(0x50, 0x10, 0x00), 5.0, Qt::SolidLine, Qt::RoundCap));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x10, 0x00));
    p.drawPolygon(QPolygonF({QPointF(56, 42), QPointF(72, 42), QPointF(64, 54)}));
}

void drawImunjeongju(QPainter& p)
{
    // A fist with a burst behind it.
    QPolygonF burst;
    for (int i = 0; i < 24; ++i) {
        const qreal r = i % 2 ? 20.0 : 38.0;
        const qreal a = i * std::numbers::pi / 12.0;
        burst << QPointF(50 + r * std::sin(a), 40 - r * std::cos(a));
    }
    QRadialGradient glow(50, 40, 38);
    glow.setColorAt(0.0, QColor(0xff, 0xf0, 0xa0, 220));
    glow.setColorAt(1.0, QColor(0xff, 0x80, 0x20, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPolygon(burst);
    QLinearGradient skin(34, 24, 66, 60);
    skin.setColorAt(0.0, QColor(0xf6, 0xd2, 0xa8));
    skin.setColorAt(1.0, QColor(0xb0, 0x70, 0x40));
    p.setPen(QPen(QColor(0x40, 0x20, 0x08), 1.4));
    p.setBrush(skin);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(33 + i * 8.5, 24, 9, 15), 4, 4);
    p.drawRoundedRect(QRectF(32, 33, 36, 24), 7, 7);
    p.drawRoundedRect(QRectF(30, 34, 16, 9), 4, 4);
    p.setBrush(QColor(0x8a, 0x20, 0x10));
    p.drawRect(QRectF(38, 57, 24, 8));
}

void drawGwangpung(QPainter& p)
{
    // Whirlwind around a double axe head.
    for (int i = 0; i < 5; ++i) {
        const qreal r = 10 + i * 7.0;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(50 - r, 40 - r * 0.8, 2 * r, 1.6 * r), i * 70.0);
        arc.arcTo(QRectF(50 - r, 40 - r * 0.8, 2 * r, 1.6 * r), i * 70.0, 230.0);
        glowLine(p, arc, QColor(0xff, 0xc0 - i * 20, 0x60), 2.2);
    }
    p.setPen(QPen(QColor(0x30, 0x10, 0x00), 1.2));
    p.setBrush(QColor(0x6a, 0x40, 0x20));
    p.drawRect(QRectF(48, 22, 4, 40));
    QLinearGradient steel(34, 22, 66, 40);
    steel.setColorAt(0.0, Qt::white);
    steel.setColorAt(1.0, QColor(0x80, 0x88, 0x98));
    p.setBrush(steel);
    QPainterPath head;
    head.moveTo(50, 26);
    head.cubicTo(40, 18, 32, 22, 30, 32);
    head.cubicTo(36, 40, 44, 38, 50, 34);
    head.cubicTo(56, 38, 64, 40, 70, 32);
    head.cubicTo(68, 22, 60, 18, 50, 26);
    p.drawPath(head);
}

void drawEunsin(QPainter& p)
{
    // A hooded figure dissolving into the dark, under a crescent moon.
    QPainterPath moon;
    moon.addEllipse(QPointF(74, 20), 12, 12);
    QPainterPath bite;
    bite.addEllipse(QPointF(80, 16), 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xf0, 0xd0));
    p.drawPath(moon.subtracted(bite));
    QPainterPath hood;
    hood.moveTo(46, 12);
    hood.cubicTo(30, 16, 26, 34, 28, 48);
    hood.lineTo(20, 76);
    hood.lineTo(72, 76);
    hood.lineTo(64, 48);
    hood.cubicTo(66, 32, 60, 14, 46, 12);
    QLinearGradient fade(0, 12, 0, 76);
    fade.setColorAt(0.0, QColor(0x6a, 0x60, 0x90, 240));
    fade.setColorAt(1.0, QColor(0x30, 0x20, 0x50, 30));
    p.setBrush(fade);
    p.drawPath(hood);
    p.setBrush(QColor(0x08, 0x06, 0x10));
    p.drawEllipse(QPointF(46, 34), 10, 12);
    p.setBrush(QColor(0xc0, 0x80, 0xff));
    p.drawEllipse(QPointF(42, 34), 2.2, 1.4);
    p.drawEllipse(QPointF(50, 34), 2.2, 1.4);
}

void drawJamip(QPainter& p)
{
    // Footprints stealing forward, fading behind.
    auto foot = [&p](QPointF at, qreal angle, int alpha) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xb8, 0xe0, 0xff, alpha));
        p.drawEllipse(QPointF(0, 0), 6, 9);
        p.drawEllipse(QPointF(0, 13), 4.5, 5);
        for (int t = 0; t < 4; ++t)
            p.drawEllipse(QPointF(-4.5 + t * 3, -11.5 + std::abs(t - 1.5) * 1.2), 1.5, 1.8);
        p.restore();
    };
    foot(QPointF(28, 64), 20, 70);
    foot(QPointF(46, 48), 30, 120);
    foot(QPointF(58, 34), 20, 180);
    foot(QPointF(76, 20), 30, 250);
}

void drawCheokchujjireugi(QPainter& p)
{
    // A dagger striking down at a spine.
    p.setPen(QPen(QColor(0x30, 0x10, 0x10), 1.0));
    for (int i = 0; i < 5; ++i) {
        QRadialGradient bone(50, 44 + i * 7.0, 8);
        bone.setColorAt(0.0, QColor(0xf0, 0xe6, 0xd0));
        bone.setColorAt(1.0, QColor(0x9a, 0x88, 0x70));
        p.setBrush(bone);
        p.drawRoundedRect(QRectF(42, 40 + i * 7.0, 16, 5.5), 2.5, 2.5);
    }
    QRadialGradient hit(50, 46, 16);
    hit.setColorAt(0.0, QColor(0xff, 0x40, 0x30, 200));
    hit.setColorAt(1.0, QColor(0xff, 0x40, 0x30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(hit);
    p.drawEllipse(QPointF(50, 46), 16, 16);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
    p.setBrush(QColor(0x3a, 0x2a, 0x50));
    p.drawRoundedRect(QRectF(46, 4, 8, 14), 2, 2);
    p.setBrush(QColor(0xd0, 0xa8, 0x40));
    p.drawRect(QRectF(40, 18, 20, 4));
    blade(p, QPointF(50, 22), QPointF(50, 50), 7.0, QColor(0xd0, 0xd8, 0xe8));
}

void drawNamutomak(QPainter& p)
{
    // The log left behind in the user's place, with a puff of smoke.
    for (const auto& [at, r] : std::array<std::pair<QPointF, qreal>, 4>{
             {{QPointF(30, 22), 9.0}, {QPointF(44, 16), 11.0}, {QPointF(60, 20), 9.0}, {QPointF(70, 28), 7.0}}}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe8, 0xe8, 0xf0, 120));
        p.drawEllipse(at, r, r);
    }
    p.save();
    p.translate(50, 50);
    p.rotate(-18);
    QLinearGradient bark(0, -13, 0, 13);
    bark.setColorAt(0.0, QColor(0xa0, 0x70, 0x40));
    bark.setColorAt(0.5, QColor(0x70, 0x48, 0x22));
    bark.setColorAt(1.0, QColor(0x3a, 0x22, 0x0c));
    p.setPen(QPen(QColor(0x2a, 0x14, 0x04), 1.2));
    p.setBrush(bark);
    p.drawRect(QRectF(-30, -13, 56, 26));
    p.setPen(QPen(QColor(0x3a, 0x22, 0x0c), 1.0));
    p.drawLine(QPointF(-22, -6), QPointF(10, -7));
    p.drawLine(QPointF(-14, 5), QPointF(18, 4));
    QRadialGradient rings(26, 0, 13);
    rings.setColorAt(0.0, QColor(0xf0, 0xd0, 0x90));
    rings.setColorAt(1.0, QColor(0xb0, 0x80, 0x40));
    p.setPen(QPen(QColor(0x2a, 0x14, 0x04), 1.2));
    p.setBrush(rings);
    p.drawEllipse(QPointF(26, 0), 7, 13);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x80, 0x50, 0x20), 0.8));
    p.drawEllipse(QPointF(26, 0), 4, 8);
    p.drawEllipse(QPointF(26, 0), 1.5, 3);
    p.restore();
}

struct Stance {
    const char16_t* name;
    QRgb tint;
    SymbolPainter symbol;
};

constexpr std::array<Stance, 9> stances = {{
    {u"발도", 0xff7a2030, drawBaldo},
    {u"번개베기", 0xff203c7a, drawBeongaebegi},
    {u"반격", 0xff5a4020, drawBangyeok},
    {u"이문정주", 0xff8a3a10, drawImunjeongju},
    {u"광풍", 0xff6a1a10, drawGwangpung},
    {u"은신", 0xff2e1a4a, drawEunsin},
    {u"잠입", 0xff143048, drawJamip},
    {u"척추찌르기", 0xff401028, drawCheokchujjireugi},
    {u"나무토막", 0xff2a3a18, drawNamutomak},
}};

QImage stancePicture(const Stance& stance)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor tint(stance.tint);
    QRadialGradient back(side * 0.5, side * 0.4, side * 0.75);
    back.setColorAt(0.0, tint.lighter(170));
    back.setColorAt(0.6, tint);
    back.setColorAt(1.0, tint.darker(300));
    p.fillRect(image.rect(), back);

    p.save();
    p.scale(side / 100.0, side / 100.0);
    stance.symbol(p);
    p.restore();

    const QRectF band(0, side - 25.0, side, 25.0);
    QLinearGradient bandFill(band.topLeft(), band.bottomLeft());
    bandFill.setColorAt(0.0, QColor(0, 0, 0, 120));
    bandFill.setColorAt(1.0, QColor(0, 0, 0, 220));
    p.fillRect(band, bandFill);
    const QString name = QString::fromUtf16(stance.name);
    QFont font = art::koreanFont(name.size() > 4 ? 14.0 : 16.0, true);
    p.setFont(font);
    art::drawShadowText(p, band.adjusted(0, 0, 0, -1), Qt::AlignCenter, name, QColor(art::colours::heading));

    // Bevelled gold frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0), 2.0));
    p.drawRect(QRectF(1, 1, side - 2, side - 2));
    p.setPen(QPen(QColor(art::colours::gold), 2.0));
    p.drawRoundedRect(QRectF(3, 3, side - 6, side - 6), 5, 5);
    p.end();
    return image;
}

} // namespace

void writeStancePictures(ImageSink& sink)
{
    for (const Stance& stance : stances)
        sink.jpeg(QString::fromUtf16(stance.name) + QStringLiteral(".jpg"), stancePicture(stance));
}

} // namespace tessarin::imagegen
