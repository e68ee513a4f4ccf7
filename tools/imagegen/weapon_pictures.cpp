#include "imagegen/weapon_pictures.h"

#include "imagegen/image_sink.h"
#include "imagegen/weapon_marks.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace tessarin::imagegen {

namespace {

// Drawn at the size the slot has at 200 %, so it stays sharp there and is only scaled down below.
constexpr int side = 130;

struct Palette {
    QColor accent;
    QColor metal;
};

QLinearGradient metalAcross(QPointF a, QPointF b, const QColor& metal)
{
    QLinearGradient g(a, b);
    g.setColorAt(0.0, metal.lighter(140));
    g.setColorAt(0.45, metal);
    g.setColorAt(1.0, metal.darker(220));
    return g;
}

void gemAt(QPainter& p, QPointF at, qreal r, const QColor& accent)
{
    QRadialGradient g(at - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0.0, Qt::white);
    g.setColorAt(0.4, accent);
    g.setColorAt(1.0, accent.darker(250));
    p.setPen(QPen(QColor(0, 0, 0, 180), 0.8));
    p.setBrush(g);
    p.drawEllipse(at, r, r);
}

const QPen outline(QColor(0, 0, 0, 220), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

// All weapons are drawn in a 100 x 100 box; long ones lie on the diagonal, point to the top right.

void drawSword(QPainter& p, const Palette& c)
{
    p.translate(50, 50);
    p.rotate(-45);
    QPainterPath bladePath;
    bladePath.moveTo(-14, -5.5);
    bladePath.lineTo(35, -5.5);
    bladePath.lineTo(47, 0);
    bladePath.lineTo(35, 5.5);
    bladePath.lineTo(-14, 5.5);
    bladePath.closeSubpath();
    p.setPen(outline);
    p.setBrush(metalAcross(QPointF(0, -5.5), QPointF(0, 5.5), c.metal));
    p.drawPath(bladePath);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    p.drawLine(QPointF(-12, 0), QPointF(40, 0));
    p.setPen(outline);
    p.setBrush(metalAcross(QPointF(0, -12), QPointF(0, 12), c.accent));
    p.drawRoundedRect(QRectF(-19, -13, 6, 26), 2, 2);
    p.setBrush(QColor(0x40, 0x24, 0x14));
    p.drawRect(QRectF(-36, -3, 18, 6));
    p.setPen(QPen(c.accent.darker(130), 1.0));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(-34 + i * 4.5, -3), QPointF(-31 + i * 4.5, 3));
    gemAt(p, QPointF(-40, 0), 4.5, c.accent);
    gemAt(p, QPointF(-15.5, 0), 2.5, c.accent);
}

void drawGauntlet(QPainter& p, const Palette& c)
{
    // A fighting gauntlet seen from the back of the hand, knuckle plate on top.
    p.setPen(outline);
    QPainterPath cuff;
    cuff.moveTo(30, 92);
    cuff.lineTo(28, 62);
    cuff.lineTo(72, 62);
    cuff.lineTo(70, 92);
    cuff.closeSubpath();
    p.setBrush(metalAcross(QPointF(28, 62), QPointF(72, 92), c.accent.darker(150)));
    p.drawPath(cuff);
    p.setBrush(metalAcross(QPointF(22, 30), QPointF(78, 66), c.metal));
    QPainterPath hand;
    hand.moveTo(26, 64);
    hand.cubicTo(20, 50, 22, 36, 30, 28);
    hand.lineTo(70, 28);
    hand.cubicTo(78, 36, 80, 50, 74, 64);
    hand.closeSubpath();
    p.drawPath(hand);
    // Knuckle plates with spikes.
    for (int i = 0; i < 4; ++i) {
        const qreal x = 32 + i * 10.0;
        p.setBrush(metalAcross(QPointF(x, 18), QPointF(x + 10, 34), c.metal.lighter(110)));
        p.drawRoundedRect(QRectF(x - 1, 22, 11, 14), 3, 3);
        QPolygonF spike({QPointF(x + 1.5, 23), QPointF(x + 4.5, 8), QPointF(x + 7.5, 23)});
        p.setBrush(metalAcross(QPointF(x, 8), QPointF(x + 9, 23), c.accent));
        p.drawPolygon(spike);
    }
    gemAt(p, QPointF(50, 48), 7, c.accent);
    p.setPen(QPen(c.accent, 1.4));
    p.drawLine(QPointF(30, 72), QPointF(70, 72));
    p.drawLine(QPointF(31, 82), QPointF(69, 82));
}

void drawAxe(QPainter& p, const Palette& c)
{
    // A broad bearded war-axe: the blade fans out into the empty top-left corner, edge along the haft.
    p.translate(50, 50);
    p.rotate(-45);
    p.translate(-8, 0);
    p.setPen(outline);
    QLinearGradient wood(0, -3.5, 0, 3.5);
    wood.setColorAt(0.0, QColor(0x9a, 0x68, 0x38));
    wood.setColorAt(1.0, QColor(0x40, 0x22, 0x0c));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-44, -3.5, 82, 7), 2, 2);
    p.setBrush(metalAcross(QPointF(0, -4.5), QPointF(0, 4.5), c.accent));
    p.drawRect(QRectF(-44, -4.5, 6, 9));
    p.drawRect(QRectF(-20, -4.5, 4, 9));
    QPainterPath head;
    head.moveTo(14, -3.5);
    head.lineTo(30, -3.5);
    head.cubicTo(34, -10, 40, -18, 44, -27);
    head.cubicTo(34, -38, 12, -40, 0, -31);
    head.cubicTo(8, -22, 12, -12, 14, -3.5);
    head.closeSubpath();
    QPainterPath spike;
    spike.moveTo(16, 3.5);
    spike.lineTo(28, 3.5);
    spike.lineTo(22, 16);
    spike.closeSubpath();
    p.setBrush(metalAcross(QPointF(8, -38), QPointF(30, 0), c.metal));
    p.drawPath(head);
    p.drawPath(spike);
    p.setBrush(metalAcross(QPointF(0, -5), QPointF(0, 5), c.accent));
    p.drawRoundedRect(QRectF(13, -5.5, 18, 11), 2, 2);
    p.setPen(QPen(c.accent.lighter(120), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath edge;
    edge.moveTo(41.5, -27.5);
    edge.cubicTo(32.5, -36, 13, -37.5, 3, -30.5);
    p.drawPath(edge);
    gemAt(p, QPointF(22, 0), 3.5, c.accent);
}

void drawDagger(QPainter& p, const Palette& c)
{
    p.translate(50, 50);
    p.rotate(-45);
    p.translate(3, 0);
    p.scale(1.2, 1.2);
    QPainterPath bladePath;
    bladePath.moveTo(-4, -6);
    bladePath.cubicTo(14, -8, 28, -6, 40, 2);
    bladePath.cubicTo(26, 4, 12, 6, -4, 6);
    bladePath.closeSubpath();
    p.setPen(outline);
    p.setBrush(metalAcross(QPointF(0, -6), QPointF(0, 6), c.metal));
    p.drawPath(bladePath);
    p.setPen(QPen(QColor(255, 255, 255, 130), 0.8));
    p.drawLine(QPointF(0, -1), QPointF(32, 0));
    p.setPen(outline);
    p.setBrush(metalAcross(QPointF(0, -10), QPointF(0, 10), c.accent));
    QPainterPath guard;
    guard.moveTo(-4, 0);
    guard.cubicTo(-6, -8, -2, -12, 2, -14);
    guard.lineTo(-1, 0);
    guard.lineTo(2, 14);
    guard.cubicTo(-2, 12, -6, 8, -4, 0);
    p.drawPath(guard);
    p.setBrush(QColor(0x2a, 0x1c, 0x30));
    p.drawRoundedRect(QRectF(-24, -3.5, 20, 7), 2, 2);
    gemAt(p, QPointF(-27, 0), 4, c.accent);
}

void drawTablet(QPainter& p, const Palette& c)
{
    // A talisman tablet with glowing runes, hung on a cord.
    QRadialGradient aura(50, 52, 46);
    aura.setColorAt(0.0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 110));
    aura.setColorAt(1.0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(aura);
    p.drawEllipse(QPointF(50, 52), 46, 46);
    p.setPen(QPen(QColor(0xb0, 0x30, 0x20), 2.0));
    p.drawLine(QPointF(50, 4), QPointF(50, 16));
    p.setPen(outline);
    p.setBrush(metalAcross(QPointF(28, 16), QPointF(72, 90), c.metal));
    QPainterPath tablet;
    tablet.moveTo(32, 20);
    tablet.lineTo(68, 20);
    tablet.lineTo(72, 26);
    tablet.lineTo(72, 84);
    tablet.lineTo(50, 92);
    tablet.lineTo(28, 84);
    tablet.lineTo(28, 26);
    tablet.closeSubpath();
    p.drawPath(tablet);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.accent.darker(150), 1.4));
    p.drawRect(QRectF(34, 28, 32, 50));
    // Rune strokes.
    p.setPen(QPen(c.accent, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 36), QPointF(58, 36));
    p.drawLine(QPointF(50, 36), QPointF(50, 70));
    p.drawLine(QPointF(42, 48), QPointF(58, 56));
    p.drawLine(QPointF(58, 48), QPointF(42, 56));
    p.drawLine(QPointF(42, 66), QPointF(58, 66));
    gemAt(p, QPointF(50, 85), 3.5, c.accent);
}

void drawStaff(QPainter& p, const Palette& c)
{
    p.translate(50, 50);
    p.rotate(-45);
    // Glow first, so the orb stays clear on top of it.
    QRadialGradient halo(QPointF(33, 0), 22);
    QColor glow = c.accent;
    glow.setAlpha(150);
    halo.setColorAt(0.0, glow);
    glow.setAlpha(0);
    halo.setColorAt(1.0, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(33, 0), 22, 22);

    p.setPen(outline);
    QLinearGradient wood(0, -3, 0, 3);
    wood.setColorAt(0.0, QColor(0xb0, 0x80, 0x50));
    wood.setColorAt(1.0, QColor(0x4a, 0x2c, 0x12));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-48, -3, 66, 6), 2, 2);
    p.setBrush(metalAcross(QPointF(0, -4), QPointF(0, 4), c.accent));
    for (const qreal x : {-48.0, -24.0, 0.0})
        p.drawRect(QRectF(x, -4, 4, 8));
    // Crescent head holding an orb.
    QPainterPath ring;
    ring.addEllipse(QPointF(30, 0), 15, 15);
    QPainterPath hole;
    hole.addEllipse(QPointF(33, 0), 11, 11);
    p.setBrush(metalAcross(QPointF(15, -15), QPointF(45, 15), c.metal));
    p.drawPath(ring.subtracted(hole));
    QRadialGradient orb(QPointF(30.5, -2.5), 10);
    orb.setColorAt(0.0, Qt::white);
    orb.setColorAt(0.5, c.accent);
    orb.setColorAt(1.0, c.accent.darker(200));
    p.setBrush(orb);
    p.drawEllipse(QPointF(33, 0), 8, 8);
}

struct Kind {
    const char* stem;
    void (*draw)(QPainter&, const Palette&);
};

constexpr std::array<Kind, 6> kinds = {{
    {"blade", drawSword},
    {"globe", drawGauntlet},
    {"axe", drawAxe},
    {"knife", drawDagger},
    {"tablet", drawTablet},
    {"stick", drawStaff},
}};

QImage weaponPicture(const Kind& kind, const WeaponSource& source)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    drawSourceBackdrop(p, source, side);
    p.save();
    p.translate(side * 0.05, side * 0.03);
    p.scale(side * 0.9 / 100.0, side * 0.9 / 100.0);
    kind.draw(p, Palette{QColor(source.accent), QColor(source.metal)});
    p.restore();
    drawSourceFrame(p, source, side);
    p.end();
    return image;
}

} // namespace

void writeWeaponPictures(ImageSink& sink)
{
    for (const Kind& kind : kinds) {
        for (const WeaponSource& source : weaponSources())
            sink.jpeg(QStringLiteral("%1-%2.jpg").arg(QLatin1String(kind.stem), QLatin1String(source.suffix)),
                      weaponPicture(kind, source));
    }
}

} // namespace tessarin::imagegen
