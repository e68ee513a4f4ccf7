#include "imagegen/weapon_marks.h"

#include "art/art_style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace tessarin::imagegen {

namespace {

// Emblems are drawn in a circle of radius 10 around the origin; the medallion scales them. They are
// plain silhouettes so that they still read when the slot shows the picture at half size.

const QPen emblemOutline(QColor(0, 0, 0, 210), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

QLinearGradient lit(const QColor& colour)
{
    QLinearGradient g(0, -9, 0, 9);
    g.setColorAt(0.0, colour.lighter(150));
    g.setColorAt(1.0, colour.darker(140));
    return g;
}

// 영린족 유적지: a ruined gateway, two pillars under a broken lintel.
void ruinsEmblem(QPainter& p, const QColor& accent)
{
    p.setPen(emblemOutline);
    p.setBrush(lit(accent.lighter(130)));
    p.drawRect(QRectF(-6.5, -3, 3.6, 9));
    p.drawRect(QRectF(2.9, -1, 3.6, 7));
    QPainterPath lintel;
    lintel.moveTo(-8, -3);
    lintel.lineTo(-8, -6.5);
    lintel.lineTo(3, -6.5);
    lintel.lineTo(1.2, -4.8);
    lintel.lineTo(2.4, -3);
    lintel.closeSubpath();
    p.drawPath(lintel);
    p.drawRect(QRectF(-8.5, 6, 17, 2.2));
}

// 낙원 사원: a lotus of three petals on the temple's water line.
void lotusEmblem(QPainter& p, const QColor& accent)
{
    p.setPen(emblemOutline);
    p.setBrush(lit(accent.lighter(120)));
    QPainterPath petal;
    petal.moveTo(0, 5);
    petal.cubicTo(-4.2, 1, -3.2, -5, 0, -8.5);
    petal.cubicTo(3.2, -5, 4.2, 1, 0, 5);
    for (const qreal angle : {-52.0, 52.0, 0.0}) {
        p.save();
        p.translate(0, 5);
        p.rotate(angle);
        p.translate(0, -5);
        p.drawPath(petal);
        p.restore();
    }
    p.setPen(QPen(accent.lighter(150), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-8, 7.5), QPointF(8, 7.5));
}

// 홍돈족 소굴: the tribe's boar snout between two tusks.
void boarEmblem(QPainter& p, const QColor& accent)
{
    p.setPen(emblemOutline);
    p.setBrush(QColor(0xf4, 0xec, 0xd8));
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath tusk;
        tusk.moveTo(side * 3.5, 4.5);
        tusk.cubicTo(side * 9.5, 4, side * 9.5, -3, side * 6, -8.5);
        tusk.cubicTo(side * 6.8, -3, side * 6, 1.5, side * 3, 1.5);
        tusk.closeSubpath();
        p.drawPath(tusk);
    }
    QRadialGradient snout(QPointF(-1.5, -1.5), 7);
    snout.setColorAt(0.0, accent.lighter(170));
    snout.setColorAt(1.0, accent.darker(110));
    p.setBrush(snout);
    p.drawEllipse(QPointF(0, 1), 5.2, 4.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x08, 0x08));
    p.drawEllipse(QPointF(-1.9, 1), 1.1, 1.7);
    p.drawEllipse(QPointF(1.9, 1), 1.1, 1.7);
}

// 거미 둥지: a web with its spider.
void webEmblem(QPainter& p, const QColor& accent)
{
    const QColor thread = accent.lighter(170);
    p.setPen(QPen(thread, 0.9));
    p.setBrush(Qt::NoBrush);
    constexpr int spokes = 8;
    for (int i = 0; i < spokes; ++i) {
        const qreal a = i * 2.0 * std::numbers::pi / spokes;
        p.drawLine(QPointF(0, 0), QPointF(9 * std::cos(a), 9 * std::sin(a)));
    }
    for (const qreal r : {3.2, 5.8, 8.4}) {
        QPolygonF ring;
        for (int i = 0; i <= spokes; ++i) {
            const qreal a = i * 2.0 * std::numbers::pi / spokes;
            ring << QPointF(r * std::cos(a), r * std::sin(a));
        }
        p.drawPolyline(ring);
    }
    p.setPen(QPen(QColor(0x10, 0x08, 0x18), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (const qreal side : {-1.0, 1.0}) {
        p.drawLine(QPointF(side * 1, -1), QPointF(side * 3.6, -3.2));
        p.drawLine(QPointF(side * 1, 1), QPointF(side * 3.6, 3.2));
    }
    p.setPen(emblemOutline);
    p.setBrush(QColor(0x18, 0x0c, 0x24));
    p.drawEllipse(QPointF(0, 0), 2.2, 2.6);
}

void waveLine(QPainter& p, const QColor& colour, qreal y, qreal width)
{
    QPainterPath wave;
    wave.moveTo(-8.5, y);
    for (int i = 0; i < 3; ++i) {
        const qreal x = -8.5 + i * 17.0 / 3.0;
        wave.cubicTo(x + 1.4, y - 2.4, x + 4.2, y - 2.4, x + 17.0 / 3.0, y);
    }
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
}

// 발라라, 태장금, 막소보 of the sea-serpent supply base: a serpent rising from the waves.
void serpentEmblem(QPainter& p, const QColor& accent)
{
    QPainterPath body;
    body.moveTo(-5.5, 5);
    body.cubicTo(-7, -1, 1, -1, 0.5, -4);
    body.cubicTo(0, -7, 4, -8.5, 5.5, -6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 210), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(body);
    p.setPen(QPen(accent.lighter(150), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(body);
    p.setPen(emblemOutline);
    p.setBrush(accent.lighter(170));
    p.drawEllipse(QPointF(5.6, -6), 2.4, 1.9);
    waveLine(p, accent.lighter(170), 7.2, 1.5);
}

// 포화란, the supply base's last boss: her crown over the sea.
void crownEmblem(QPainter& p, const QColor& accent)
{
    QPainterPath crown;
    crown.moveTo(-7.5, 3.5);
    crown.lineTo(-8, -5);
    crown.lineTo(-3.8, -1);
    crown.lineTo(0, -8);
    crown.lineTo(3.8, -1);
    crown.lineTo(8, -5);
    crown.lineTo(7.5, 3.5);
    crown.closeSubpath();
    p.setPen(emblemOutline);
    p.setBrush(lit(QColor(art::colours::goldBright)));
    p.drawPath(crown);
    p.setBrush(accent.lighter(130));
    p.drawEllipse(QPointF(0, 0.8), 1.8, 1.8);
    waveLine(p, accent.lighter(160), 7.4, 1.5);
}

// 기타 무기: a weapon of the player's own making, hammer over anvil.
void anvilEmblem(QPainter& p, const QColor& accent)
{
    QPainterPath anvil;
    anvil.moveTo(-9, -0.5);
    anvil.lineTo(7.5, -0.5);
    anvil.lineTo(7.5, 1.2);
    anvil.cubicTo(4, 1.8, 3, 3, 3, 5);
    anvil.lineTo(5.5, 7.5);
    anvil.lineTo(-5, 7.5);
    anvil.lineTo(-2.5, 5);
    anvil.cubicTo(-2.5, 3, -4, 2, -6, 2);
    anvil.cubicTo(-7.5, 2, -8.5, 1, -9, -0.5);
    anvil.closeSubpath();
    p.setPen(emblemOutline);
    p.setBrush(lit(accent.lighter(110)));
    p.drawPath(anvil);
    p.save();
    p.translate(1.5, -5);
    p.rotate(-30);
    p.setBrush(QColor(0x8a, 0x5a, 0x2c));
    p.drawRect(QRectF(-1, -1, 9, 2));
    p.setBrush(lit(accent.lighter(140)));
    p.drawRoundedRect(QRectF(-3.5, -3, 4, 6), 0.8, 0.8);
    p.restore();
}

constexpr qreal emblemRadius = 0.125; // of the picture's side

} // namespace

const std::array<WeaponSource, 7>& weaponSources()
{
    static const std::array<WeaponSource, 7> sources = {{
        {"41", 0xff5ccc4c, 0xffcadcc6, 0xff10280e, ruinsEmblem},
        {"42", 0xfff0c850, 0xfff4ecd8, 0xff302610, lotusEmblem},
        {"43", 0xffe0463c, 0xffd6c8c2, 0xff360e0e, boarEmblem},
        {"44", 0xffa860e0, 0xffb4aac4, 0xff1e1234, webEmblem},
        {"P123", 0xff3c8cf0, 0xffc0d4ec, 0xff0a1a38, serpentEmblem},
        {"P", 0xff28d8d0, 0xfff0dca0, 0xff06282e, crownEmblem},
        {"g", 0xff9aa4b2, 0xffb8bec8, 0xff1a1d22, anvilEmblem},
    }};
    return sources;
}

void drawSourceBackdrop(QPainter& p, const WeaponSource& source, int side)
{
    const QColor back(source.background);
    QRadialGradient ground(side * 0.5, side * 0.45, side * 0.75);
    ground.setColorAt(0.0, back.lighter(200));
    ground.setColorAt(0.55, back);
    ground.setColorAt(1.0, back.darker(260));
    p.fillRect(QRectF(0, 0, side, side), ground);

    QColor glow(source.accent);
    QRadialGradient halo(side * 0.5, side * 0.48, side * 0.42);
    glow.setAlpha(120);
    halo.setColorAt(0.0, glow);
    glow.setAlpha(45);
    halo.setColorAt(0.6, glow);
    glow.setAlpha(0);
    halo.setColorAt(1.0, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(side * 0.5, side * 0.48), side * 0.42, side * 0.42);
}

void drawSourceFrame(QPainter& p, const WeaponSource& source, int side)
{
    const QColor accent(source.accent);
    const QColor gold(art::colours::gold);

    // Outer gold rim like every slot of the sheet, the source's colour inside it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 220), 2.0));
    p.drawRoundedRect(QRectF(1, 1, side - 2, side - 2), 7, 7);
    p.setPen(QPen(gold, 2.0));
    p.drawRoundedRect(QRectF(2.5, 2.5, side - 5, side - 5), 6, 6);
    p.setPen(QPen(accent, 2.6));
    p.drawRoundedRect(QRectF(6, 6, side - 12, side - 12), 4, 4);
    p.setPen(QPen(accent.darker(250), 1.0));
    p.drawRoundedRect(QRectF(8, 8, side - 16, side - 16), 3, 3);

    // Gold studs at the corners of the inner frame.
    p.setPen(QPen(QColor(0, 0, 0, 200), 0.8));
    p.setBrush(QColor(art::colours::goldBright));
    for (const qreal x : {6.0, side - 6.0})
        for (const qreal y : {6.0, side - 6.0})
            p.drawPolygon(
                QPolygonF({QPointF(x, y - 3.5), QPointF(x + 3.5, y), QPointF(x, y + 3.5), QPointF(x - 3.5, y)}));

    // Emblem medallion in the bottom-right corner, where none of the weapons lies.
    const qreal r = side * emblemRadius;
    const QPointF centre(side - r - 9.0, side - r - 9.0);
    QRadialGradient face(centre - QPointF(r * 0.3, r * 0.3), r * 1.4);
    face.setColorAt(0.0, QColor(source.background).lighter(260));
    face.setColorAt(1.0, QColor(source.background).darker(200));
    p.setPen(QPen(QColor(0, 0, 0, 220), 3.4));
    p.setBrush(face);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(gold, 1.6));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(accent, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r - 1.8, r - 1.8);

    p.save();
    p.translate(centre);
    p.scale(r * 0.82 / 10.0, r * 0.82 / 10.0);
    source.emblem(p, accent);
    p.restore();
}

} // namespace tessarin::imagegen
