#include "art/shield.h"

#include "art/art_style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace tessarin::art {

namespace {

constexpr qreal halfStep = std::numbers::pi / 8.0; // 22.5°, half the angle of one piece

qreal bisectorAngle(int piece)
{
    return (piece - 1) * std::numbers::pi / 4.0;
}

// Unit space: the octagon is regular, y points down, angles run clockwise from the top.
QPointF unitDirection(qreal angle)
{
    return {std::sin(angle), -std::cos(angle)};
}

QPointF toRect(const QRectF& rect, QPointF unit)
{
    return {rect.center().x() + unit.x() * rect.width() / 2.0, rect.center().y() + unit.y() * rect.height() / 2.0};
}

// Ends of the edge of `piece` on the octagon of the given apothem, both moved `gap` inwards along the
// edge, so that neighbouring pieces keep a parallel gap between them.
std::array<QPointF, 2> edgeEnds(int piece, qreal apothem, qreal gap)
{
    const qreal angle = bisectorAngle(piece);
    const QPointF centre = unitDirection(angle) * apothem;
    const QPointF along(std::cos(angle), std::sin(angle));
    const qreal halfLength = (apothem * std::sin(halfStep) - gap) / std::cos(halfStep);
    return {centre - along * halfLength, centre + along * halfLength};
}

QPointF segmentCentre(const QRectF& rect, int piece)
{
    const qreal radius = (pieceOuterApothem + pieceInnerApothem) / 2.0;
    return toRect(rect, unitDirection(bisectorAngle(piece)) * radius);
}

} // namespace

SetColours setColours(PieceSet set)
{
    switch (set) {
    case PieceSet::Lost:
        return {QColor(0x9c, 0xf2, 0xd2), QColor(0x2c, 0x96, 0x7c), QColor(0x0b, 0x36, 0x2e), QColor(0x58, 0xff, 0xc8)};
    case PieceSet::SeaSerpent:
        return {QColor(0xa8, 0xcc, 0xff), QColor(0x2f, 0x62, 0xc0), QColor(0x0c, 0x1c, 0x45), QColor(0x62, 0xa8, 0xff)};
    case PieceSet::SeaSerpentHero:
        return {QColor(0xe0, 0xb8, 0xff), QColor(0x73, 0x3f, 0xc4), QColor(0x22, 0x0e, 0x48), QColor(0xc0, 0x80, 0xff)};
    case PieceSet::Free:
        return {QColor(0xff, 0xd9, 0x8e), QColor(0xb8, 0x7a, 0x26), QColor(0x46, 0x27, 0x08), QColor(0xff, 0xb8, 0x4a)};
    }
    return {};
}

QString pieceFileStem(PieceSet set)
{
    switch (set) {
    case PieceSet::Lost: return QStringLiteral("lost");
    case PieceSet::SeaSerpent:
    case PieceSet::SeaSerpentHero: return QStringLiteral("pohwaran");
    case PieceSet::Free: return QStringLiteral("general");
    }
    return {};
}

QPolygonF shieldSegment(const QRectF& rect, int piece, qreal outerApothem, qreal innerApothem, qreal gap)
{
    const auto outer = edgeEnds(piece, outerApothem, gap);
    const auto inner = edgeEnds(piece, innerApothem, gap);
    return QPolygonF({toRect(rect, outer[0]), toRect(rect, outer[1]), toRect(rect, inner[1]), toRect(rect, inner[0])});
}

QPolygonF shieldOctagon(const QRectF& rect, qreal apothem)
{
    QPolygonF octagon;
    for (int piece = 1; piece <= 8; ++piece)
        octagon << toRect(rect, edgeEnds(piece, apothem, 0.0)[0]);
    return octagon;
}

void paintShieldSegment(QPainter& painter, const QRectF& rect, PieceSet set, int piece)
{
    const SetColours c = setColours(set);
    const qreal unit = std::min(rect.width(), rect.height()) / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Dark rim: the silhouette of the piece, so its edge stays clean on any background.
    const QPolygonF rim = shieldSegment(rect, piece, pieceOuterApothem, pieceInnerApothem, pieceGap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(c.dark);
    painter.drawPolygon(rim);

    // The stone: lit from the outer edge, darkening towards the centre of the shield.
    const qreal inset = 0.045;
    const QPolygonF body =
        shieldSegment(rect, piece, pieceOuterApothem - inset, pieceInnerApothem + inset, pieceGap + inset);
    const QPointF outerMid = toRect(rect, unitDirection(bisectorAngle(piece)) * pieceOuterApothem);
    const QPointF innerMid = toRect(rect, unitDirection(bisectorAngle(piece)) * pieceInnerApothem);
    QLinearGradient stone(outerMid, innerMid);
    stone.setColorAt(0.0, c.light);
    stone.setColorAt(0.35, c.base);
    stone.setColorAt(1.0, c.base.darker(170));
    painter.setBrush(stone);
    painter.drawPolygon(body);

    // Facets: the half left of the bisector catches the light, the right half lies in shade.
    const QPointF facetOuter = toRect(rect, unitDirection(bisectorAngle(piece)) * (pieceOuterApothem - inset));
    const QPointF facetInner = toRect(rect, unitDirection(bisectorAngle(piece)) * (pieceInnerApothem + inset));
    const QPointF apex = segmentCentre(rect, piece);
    QPolygonF lit({body[0], facetOuter, apex, facetInner, body[3]});
    painter.setBrush(QColor(255, 255, 255, 38));
    painter.drawPolygon(lit);
    QPolygonF shade({body[1], facetOuter, apex, facetInner, body[2]});
    painter.setBrush(QColor(0, 0, 0, 46));
    painter.drawPolygon(shade);

    // Gold inlay lines and the bright outer edge.
    painter.setBrush(Qt::NoBrush);
    QColor inlay(colours::goldBright);
    inlay.setAlpha(150);
    painter.setPen(QPen(inlay, std::max<qreal>(0.8, unit * 0.012)));
    painter.drawPolygon(body);
    painter.setPen(QPen(QColor(255, 255, 255, 150), std::max<qreal>(0.8, unit * 0.014), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(body[0], body[1]);

    // Engraved gem in the middle of the piece.
    const qreal gem = unit * 0.075;
    QRadialGradient gemFill(apex - QPointF(gem * 0.3, gem * 0.3), gem * 1.4);
    gemFill.setColorAt(0.0, Qt::white);
    gemFill.setColorAt(0.4, c.glow);
    gemFill.setColorAt(1.0, c.dark);
    painter.setPen(QPen(QColor(colours::goldBright), std::max<qreal>(0.8, unit * 0.012)));
    painter.setBrush(gemFill);
    QPolygonF diamond(
        {apex + QPointF(0, -gem), apex + QPointF(gem, 0), apex + QPointF(0, gem), apex + QPointF(-gem, 0)});
    painter.drawPolygon(diamond);
    painter.restore();
}

void paintLoosePiece(QPainter& painter, const QRectF& box, PieceSet set)
{
    // Piece 1 spans ±outer·sin(22.5°)/cos(22.5°) across and the band between the apothems down.
    const qreal spanX = 2.0 * pieceOuterApothem * std::tan(halfStep);
    const qreal spanY = pieceOuterApothem - pieceInnerApothem;
    const qreal width = box.width() / spanX * 2.0;
    const qreal height = box.height() / spanY * 2.0;
    const QPointF centre(box.center().x(), box.top() + pieceOuterApothem * height / 2.0);
    paintShieldSegment(painter, QRectF(centre.x() - width / 2.0, centre.y() - height / 2.0, width, height), set, 1);
}

void paintEmptyShield(QPainter& painter, const QRectF& rect)
{
    const qreal unit = std::min(rect.width(), rect.height()) / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Soft glow behind the shield.
    QRadialGradient halo(rect.center(), unit * 1.08);
    halo.setColorAt(0.0, QColor(0x4a, 0x5e, 0x7a, 110));
    halo.setColorAt(0.7, QColor(0x2a, 0x36, 0x48, 60));
    halo.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(rect.center(), rect.width() / 2.0 * 1.04, rect.height() / 2.0 * 1.04);

    // Outer gold ring of the frame, just outside the pieces.
    const QPolygonF ringOuter = shieldOctagon(rect, 1.0);
    const QPolygonF ringInner = shieldOctagon(rect, pieceOuterApothem + 0.012);
    QLinearGradient rim(rect.topLeft(), rect.bottomRight());
    rim.setColorAt(0.0, QColor(colours::goldBright));
    rim.setColorAt(0.5, QColor(colours::bronze));
    rim.setColorAt(1.0, QColor(colours::gold));
    QPainterPath ring;
    ring.addPolygon(ringOuter);
    ring.closeSubpath();
    ring.addPolygon(ringInner);
    ring.closeSubpath();
    painter.setBrush(rim);
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    painter.drawPath(ring);

    // Dark sockets where the pieces go.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(colours::inset));
    painter.drawPolygon(ringInner);
    for (int piece = 1; piece <= 8; ++piece) {
        const QPolygonF socket = shieldSegment(rect, piece, pieceOuterApothem, pieceInnerApothem, pieceGap);
        QLinearGradient well(toRect(rect, unitDirection(bisectorAngle(piece)) * pieceOuterApothem),
                             toRect(rect, unitDirection(bisectorAngle(piece)) * pieceInnerApothem));
        well.setColorAt(0.0, QColor(0x1c, 0x24, 0x31));
        well.setColorAt(1.0, QColor(0x10, 0x15, 0x1d));
        painter.setBrush(well);
        painter.setPen(QPen(QColor(0x3a, 0x46, 0x58), 1.0));
        painter.drawPolygon(socket);
        painter.setPen(QColor(0x4e, 0x5a, 0x6c));
        painter.setFont(koreanFont(unit * 0.11, true));
        const QPointF at = segmentCentre(rect, piece);
        painter.drawText(QRectF(at - QPointF(unit * 0.12, unit * 0.09), QSizeF(unit * 0.24, unit * 0.18)),
                         Qt::AlignCenter, QString::number(piece));
    }

    // Centre emblem: a gold octagon medallion with a star.
    const QPolygonF medallion = shieldOctagon(rect, pieceInnerApothem - 0.03);
    QRadialGradient medal(rect.center() - QPointF(unit * 0.08, unit * 0.1), unit * 0.45);
    medal.setColorAt(0.0, QColor(0x3b, 0x47, 0x5a));
    medal.setColorAt(1.0, QColor(0x12, 0x17, 0x20));
    painter.setBrush(medal);
    painter.setPen(QPen(QColor(colours::gold), std::max<qreal>(1.0, unit * 0.015)));
    painter.drawPolygon(medallion);
    painter.setPen(QPen(QColor(colours::bronze), std::max<qreal>(0.8, unit * 0.01)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(shieldOctagon(rect, pieceInnerApothem - 0.09));

    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        const qreal radius = (i % 2 == 0) ? 0.22 : 0.085;
        star << toRect(rect, unitDirection(i * std::numbers::pi / 8.0) * radius);
    }
    QRadialGradient starFill(rect.center(), unit * 0.22);
    starFill.setColorAt(0.0, QColor(colours::goldBright));
    starFill.setColorAt(1.0, QColor(colours::bronze));
    painter.setBrush(starFill);
    painter.setPen(QPen(QColor(0, 0, 0, 160), 0.8));
    painter.drawPolygon(star);
    painter.restore();
}

QImage pieceImage(PieceSet set, int piece, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintShieldSegment(painter, QRectF(QPointF(0, 0), QSizeF(size)), set, piece);
    painter.end();
    return image;
}

} // namespace tessarin::art
