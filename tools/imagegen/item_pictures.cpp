#include "imagegen/item_pictures.h"

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

// The gem box is 720 twips: 48 px, shown at its own size.
constexpr int gemSide = 48;
// The accessory boxes are 735 twips (49 px) and show their picture at its own size: drawn at twice
// that, then reduced.
constexpr int accessorySide = 98;
constexpr int accessorySlotSide = 49;

QPointF polar(QPointF centre, qreal radius, qreal angle)
{
    return {centre.x() + radius * std::sin(angle), centre.y() - radius * std::cos(angle)};
}

// A cut diamond with `corners` corners: a flat table in the middle and facets around it.
QImage gemPicture(int corners)
{
    QImage image(gemSide, gemSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Radii chosen so that every shape fills about the same box; odd shapes sit lower to centre them.
    const qreal outer = corners == 3 ? 25.0 : corners == 4 ? 29.0 : corners == 5 ? 23.0 : 22.0;
    const qreal drop = corners == 3 ? 6.0 : corners == 5 ? 2.2 : 0.0;
    const QPointF centre(gemSide / 2.0, gemSide / 2.0 + drop);
    const qreal step = 2.0 * std::numbers::pi / corners;
    // Even polygons sit on a flat edge, odd ones on a point at the top.
    const qreal start = corners % 2 == 0 ? step / 2.0 : 0.0;
    QPolygonF rim;
    QPolygonF table;
    for (int i = 0; i < corners; ++i) {
        rim << polar(centre, outer, start + i * step);
        table << polar(centre, outer * 0.5, start + i * step);
    }

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x20, 0x38));
    p.drawPolygon(rim);
    for (int i = 0; i < corners; ++i) {
        const int next = (i + 1) % corners;
        const qreal light = 0.5 + 0.5 * std::cos(start + (i + 0.5) * step + std::numbers::pi / 4.0);
        const QColor facet = QColor::fromRgbF(0.25 + 0.7 * light, 0.55 + 0.43 * light, 0.85 + 0.15 * light);
        p.setBrush(facet);
        p.drawPolygon(QPolygonF({rim[i], rim[next], table[next], table[i]}));
    }
    QLinearGradient top(table.boundingRect().topLeft(), table.boundingRect().bottomRight());
    top.setColorAt(0.0, Qt::white);
    top.setColorAt(1.0, QColor(0x7c, 0xc0, 0xf4));
    p.setBrush(top);
    p.drawPolygon(table);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x50, 0x80, 0xb0), 0.8));
    for (int i = 0; i < corners; ++i)
        p.drawLine(rim[i], table[i]);
    p.setPen(QPen(QColor(0x1a, 0x2c, 0x48), 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(rim);
    // Sparkle.
    const QPointF spark = table.boundingRect().center() + QPointF(-3.0, -3.0);
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(spark - QPointF(4, 0), spark + QPointF(4, 0));
    p.drawLine(spark - QPointF(0, 4), spark + QPointF(0, 4));
    p.end();
    return image;
}

QRadialGradient goldAt(QPointF at, qreal radius)
{
    QRadialGradient g(at - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    g.setColorAt(0.0, QColor(0xff, 0xf0, 0xb8));
    g.setColorAt(0.5, QColor(0xd8, 0xa8, 0x40));
    g.setColorAt(1.0, QColor(0x70, 0x48, 0x10));
    return g;
}

void jewel(QPainter& p, QPointF at, qreal rx, qreal ry, const QColor& colour)
{
    QRadialGradient g(at - QPointF(rx * 0.35, ry * 0.35), std::max(rx, ry) * 1.4);
    g.setColorAt(0.0, Qt::white);
    g.setColorAt(0.35, colour.lighter(130));
    g.setColorAt(1.0, colour.darker(240));
    p.setPen(QPen(QColor(0x50, 0x30, 0x08), 1.4));
    p.setBrush(g);
    p.drawEllipse(at, rx, ry);
}

void drawEarring(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe0, 0xb8, 0x58), 3.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath hook;
    hook.moveTo(49, 30);
    hook.cubicTo(49, 10, 66, 10, 64, 24);
    p.drawPath(hook);
    p.setPen(QPen(QColor(0x50, 0x30, 0x08), 1.2));
    p.setBrush(goldAt(QPointF(49, 34), 5));
    p.drawEllipse(QPointF(49, 34), 5, 5);
    p.drawLine(QPointF(49, 39), QPointF(49, 46));
    QPainterPath drop;
    drop.moveTo(49, 44);
    drop.cubicTo(62, 58, 64, 80, 49, 84);
    drop.cubicTo(34, 80, 36, 58, 49, 44);
    QRadialGradient g(QPointF(45, 62), 24);
    g.setColorAt(0.0, Qt::white);
    g.setColorAt(0.35, QColor(0x60, 0xc0, 0xff));
    g.setColorAt(1.0, QColor(0x10, 0x30, 0x70));
    p.setBrush(g);
    p.setPen(QPen(QColor(0xd8, 0xa8, 0x40), 2.0));
    p.drawPath(drop);
}

void drawRing(QPainter& p)
{
    QPainterPath band;
    band.addEllipse(QPointF(49, 58), 28, 24);
    QPainterPath hole;
    hole.addEllipse(QPointF(49, 60), 20, 16);
    p.setPen(QPen(QColor(0x50, 0x30, 0x08), 1.2));
    p.setBrush(goldAt(QPointF(40, 48), 30));
    p.drawPath(band.subtracted(hole));
    p.setBrush(goldAt(QPointF(49, 32), 10));
    p.drawPolygon(QPolygonF({QPointF(36, 38), QPointF(62, 38), QPointF(56, 28), QPointF(42, 28)}));
    jewel(p, QPointF(49, 25), 11, 10, QColor(0xe0, 0x30, 0x50));
}

void drawNecklace(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= 16; ++i) {
        const qreal a = std::numbers::pi * (0.1 + 0.8 * i / 16.0);
        const QPointF at(49 - 34 * std::cos(a), 18 + 40 * std::sin(a));
        p.setPen(QPen(QColor(0x50, 0x30, 0x08), 0.8));
        p.setBrush(goldAt(at, 3));
        p.drawEllipse(at, 3.0, 3.0);
    }
    p.setBrush(goldAt(QPointF(49, 68), 14));
    p.setPen(QPen(QColor(0x50, 0x30, 0x08), 1.2));
    QPolygonF setting({QPointF(49, 58), QPointF(62, 70), QPointF(49, 88), QPointF(36, 70)});
    p.drawPolygon(setting);
    jewel(p, QPointF(49, 71), 8, 10, QColor(0x40, 0xd0, 0x80));
}

QImage accessoryPicture(void (*draw)(QPainter&))
{
    QImage image(accessorySide, accessorySide, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient back(accessorySide * 0.5, accessorySide * 0.45, accessorySide * 0.7);
    back.setColorAt(0.0, QColor(0x3c, 0x48, 0x5c));
    back.setColorAt(1.0, QColor(0x0c, 0x10, 0x16));
    p.fillRect(image.rect(), back);
    draw(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(art::colours::gold), 2.0));
    p.drawRoundedRect(QRectF(2, 2, accessorySide - 4, accessorySide - 4), 6, 6);
    p.end();
    return image.scaled(accessorySlotSide, accessorySlotSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

void writeItemPictures(ImageSink& sink)
{
    sink.gif(QStringLiteral("삼금.gif"), gemPicture(3));
    sink.gif(QStringLiteral("사금.gif"), gemPicture(4));
    sink.gif(QStringLiteral("오금.gif"), gemPicture(5));
    sink.gif(QStringLiteral("육금.gif"), gemPicture(6));

    sink.jpeg(QStringLiteral("earing.jpg"), accessoryPicture(drawEarring));
    sink.jpeg(QStringLiteral("ring.jpg"), accessoryPicture(drawRing));
    sink.jpeg(QStringLiteral("necklace.jpg"), accessoryPicture(drawNecklace));
}

} // namespace tessarin::imagegen
