#include "imagegen/weapon_pictures.h"

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

constexpr int side = 130;

// Where a weapon comes from shows in its colours and in the badge in the corner.
struct Source {
    const char* suffix;
    const char16_t* badge;
    QRgb accent;
    QRgb metal;
    QRgb background;
};

constexpr std::array<Source, 7> sources = {{
    {"41", u"영린", 0xff3cc8a0, 0xffc8d8d4, 0xff12302a},
    {"42", u"낙원", 0xfff0d070, 0xfff4ecd8, 0xff3a3018},
    {"43", u"홍돈", 0xffe0403a, 0xffd0c4c0, 0xff3a1010},
    {"44", u"거미", 0xffa860e0, 0xffa8a0b8, 0xff22143a},
    {"P123", u"바다뱀", 0xff4aa0ff, 0xffc0d4ec, 0xff0e2040},
    {"P", u"포화란", 0xff30e0e0, 0xfff0dca0, 0xff082c34},
    {"g", u"기타", 0xffa0a8b4, 0xffb8bec8, 0xff1e2228},
}};

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

const QPen outline(QColor(0, 0, 0, 200), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

// All weapons are drawn in a 100 x 100 box; long ones lie on the diagonal, point to the top right.

void drawSword(QPainter& p, const Palette& c)
{
    p.translate(50, 50);
    p.rotate(-45);
    QPainterPath bladePath;
    bladePath.moveTo(-14, -4.5);
    bladePath.lineTo(36, -4.5);
    bladePath.lineTo(46, 0);
    bladePath.lineTo(36, 4.5);
    bladePath.lineTo(-14, 4.5);
    bladePath.closeSubpath();
    p.setPen(outline);
    p.setBrush(metalAcross(QPointF(0, -4.5), QPointF(0, 4.5), c.metal));
    p.drawPath(bladePath);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    p.drawLine(QPointF(-12, 0), QPointF(40, 0));
    p.setPen(outline);
    p.setBrush(metalAcross(QPointF(0, -12), QPointF(0, 12), c.accent));
    p.drawRoundedRect(QRectF(-18, -12, 5, 24), 2, 2);
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
    p.translate(50, 50);
    p.rotate(-45);
    p.setPen(outline);
    QLinearGradient wood(0, -3, 0, 3);
    wood.setColorAt(0.0, QColor(0x9a, 0x68, 0x38));
    wood.setColorAt(1.0, QColor(0x40, 0x22, 0x0c));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-44, -3, 84, 6), 2, 2);
    p.setBrush(metalAcross(QPointF(0, -4), QPointF(0, 4), c.accent));
    p.drawRect(QRectF(-44, -4, 6, 8));
    p.drawRect(QRectF(-20, -4, 4, 8));
    QPainterPath head;
    head.moveTo(18, -4);
    head.lineTo(30, -4);
    head.cubicTo(36, -14, 40, -22, 38, -34);
    head.cubicTo(30, -30, 18, -26, 10, -24);
    head.cubicTo(14, -16, 16, -10, 18, -4);
    head.closeSubpath();
    QPainterPath back;
    back.moveTo(18, 4);
    back.lineTo(30, 4);
    back.lineTo(32, 18);
    back.lineTo(16, 18);
    back.closeSubpath();
    p.setBrush(metalAcross(QPointF(10, -34), QPointF(38, 0), c.metal));
    p.drawPath(head);
    p.drawPath(back);
    p.setPen(QPen(c.accent, 1.6));
    QPainterPath edge;
    edge.moveTo(31, -6);
    edge.cubicTo(36, -15, 39, -23, 37.5, -32);
    p.drawPath(edge);
    gemAt(p, QPointF(24, 0), 3.5, c.accent);
}

void drawDagger(QPainter& p, const Palette& c)
{
    p.translate(50, 50);
    p.rotate(-45);
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
    p.setPen(outline);
    QLinearGradient wood(0, -2.5, 0, 2.5);
    wood.setColorAt(0.0, QColor(0xb0, 0x80, 0x50));
    wood.setColorAt(1.0, QColor(0x4a, 0x2c, 0x12));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-46, -2.5, 76, 5), 2, 2);
    p.setBrush(metalAcross(QPointF(0, -3.5), QPointF(0, 3.5), c.accent));
    for (const qreal x : {-46.0, -20.0, 6.0})
        p.drawRect(QRectF(x, -3.5, 4, 7));
    // Crescent head holding an orb.
    QPainterPath ring;
    ring.addEllipse(QPointF(38, 0), 12, 12);
    QPainterPath hole;
    hole.addEllipse(QPointF(40, 0), 9, 9);
    p.setBrush(metalAcross(QPointF(26, -12), QPointF(50, 12), c.metal));
    p.drawPath(ring.subtracted(hole));
    QRadialGradient orb(QPointF(38, -2), 8);
    orb.setColorAt(0.0, Qt::white);
    orb.setColorAt(0.5, c.accent);
    orb.setColorAt(1.0, c.accent.darker(200));
    p.setBrush(orb);
    p.drawEllipse(QPointF(40, 0), 6.5, 6.5);
    QColor halo = c.accent;
    halo.setAlpha(60);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(40, 0), 15, 15);
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

QImage weaponPicture(const Kind& kind, const Source& source)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor back(source.background);
    QRadialGradient fill(side * 0.5, side * 0.45, side * 0.75);
    fill.setColorAt(0.0, back.lighter(220));
    fill.setColorAt(0.55, back);
    fill.setColorAt(1.0, back.darker(250));
    p.fillRect(image.rect(), fill);

    const Palette palette{QColor(source.accent), QColor(source.metal)};
    p.save();
    p.translate(side * 0.06, side * 0.04);
    p.scale(side * 0.88 / 100.0, side * 0.88 / 100.0);
    kind.draw(p, palette);
    p.restore();

    // Source badge in the bottom-right corner.
    const QString badge = QString::fromUtf16(source.badge);
    p.setFont(art::koreanFont(14.0, true));
    const qreal width = QFontMetricsF(p.font()).horizontalAdvance(badge) + 12.0;
    const QRectF badgeRect(side - width - 5.0, side - 24.0, width, 19.0);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    QLinearGradient badgeFill(badgeRect.topLeft(), badgeRect.bottomLeft());
    badgeFill.setColorAt(0.0, palette.accent.darker(120));
    badgeFill.setColorAt(1.0, palette.accent.darker(260));
    p.setBrush(badgeFill);
    p.drawRoundedRect(badgeRect, 5, 5);
    art::drawShadowText(p, badgeRect, Qt::AlignCenter, badge, Qt::white);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(art::colours::gold), 2.0));
    p.drawRoundedRect(QRectF(2, 2, side - 4, side - 4), 6, 6);
    p.end();
    return image;
}

} // namespace

void writeWeaponPictures(ImageSink& sink)
{
    for (const Kind& kind : kinds) {
        for (const Source& source : sources)
            sink.jpeg(QStringLiteral("%1-%2.jpg").arg(QLatin1String(kind.stem), QLatin1String(source.suffix)),
                      weaponPicture(kind, source));
    }
}

} // namespace tessarin::imagegen
