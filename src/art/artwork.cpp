#include "art/artwork.h"

#include "art/art_style.h"
#include "art/drawn_icon_engine.h"
#include "art/indicator_tile.h"
#include "art/shield.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace tessarin::art {

namespace {

// An image with the device pixel ratio set, so painting happens in logical pixels.
QImage hiDpiCanvas(QSizeF logicalSize, qreal dpr)
{
    const qreal ratio = dpr > 0.0 ? dpr : 1.0;
    QImage image(
        QSize(std::max(1, qRound(logicalSize.width() * ratio)), std::max(1, qRound(logicalSize.height() * ratio))),
        QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

PieceSet setOfBoardRow(int row)
{
    switch (row) {
    case 1: return PieceSet::Lost;
    case 2: return PieceSet::SeaSerpent;
    case 3: return PieceSet::SeaSerpentHero;
    default: return PieceSet::Free;
    }
}

void paintIcon(QPainter& painter, qreal side)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(side * 0.03, side * 0.03, side * 0.94, side * 0.94);
    QLinearGradient back(tile.topLeft(), tile.bottomLeft());
    back.setColorAt(0.0, QColor(0x2a, 0x34, 0x44));
    back.setColorAt(1.0, QColor(0x0e, 0x12, 0x19));
    painter.setPen(QPen(QColor(colours::gold), std::max<qreal>(1.0, side * 0.03)));
    painter.setBrush(back);
    painter.drawPath(roundedRect(tile, side * 0.18));

    // A full shield of mixed pieces: the program's subject at a glance.
    const QRectF shield = tile.adjusted(side * 0.07, side * 0.07, -side * 0.07, -side * 0.07);
    const PieceSet sets[8] = {PieceSet::Lost, PieceSet::SeaSerpent, PieceSet::Free, PieceSet::SeaSerpentHero,
                              PieceSet::Lost, PieceSet::SeaSerpent, PieceSet::Free, PieceSet::SeaSerpentHero};
    for (int piece = 1; piece <= 8; ++piece) {
        if (side >= 40)
            paintShieldSegment(painter, shield, sets[piece - 1], piece);
        else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(setColours(sets[piece - 1]).base);
            painter.drawPolygon(shieldSegment(shield, piece, pieceOuterApothem, pieceInnerApothem, 0.04));
        }
    }
    QRadialGradient core(shield.center(), shield.width() * 0.2);
    core.setColorAt(0.0, QColor(colours::goldBright));
    core.setColorAt(1.0, QColor(colours::bronze));
    painter.setBrush(core);
    painter.setPen(QPen(QColor(0, 0, 0, 180), std::max<qreal>(0.6, side * 0.01)));
    painter.drawPolygon(shieldOctagon(shield, pieceInnerApothem - 0.06));
}

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintIcon(painter, side);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QPixmap boardButtonPixmap(int row, int piece, int logicalSize, qreal dpr)
{
    const qreal side = std::max(1, logicalSize);
    QImage image = hiDpiCanvas(QSizeF(side, side), dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const PieceSet set = setOfBoardRow(row);
    const SetColours c = setColours(set);
    const QRectF tile(0.5, 0.5, side - 1.0, side - 1.0);
    const qreal radius = side * 0.1;

    QRadialGradient back(tile.center(), side * 0.75);
    back.setColorAt(0.0, c.dark.lighter(135));
    back.setColorAt(1.0, QColor(0x0a, 0x0d, 0x12));
    painter.setBrush(back);
    // The rim tells the grade apart: silver for 최상급, glowing gold for 영웅, bronze otherwise.
    QColor rimColour = set == PieceSet::SeaSerpent       ? QColor(0xc8, 0xd2, 0xe0)
                       : set == PieceSet::SeaSerpentHero ? QColor(colours::goldBright)
                                                         : QColor(colours::bronze).lighter(120);
    painter.setPen(QPen(rimColour, std::max<qreal>(1.0, side * 0.035)));
    painter.drawPath(roundedRect(tile, radius));

    if (set == PieceSet::SeaSerpentHero) {
        QRadialGradient aura(tile.center(), side * 0.55);
        aura.setColorAt(0.5, QColor(0, 0, 0, 0));
        aura.setColorAt(1.0, QColor(c.glow.red(), c.glow.green(), c.glow.blue(), 120));
        painter.setPen(Qt::NoPen);
        painter.setBrush(aura);
        painter.drawPath(roundedRect(tile.adjusted(1.5, 1.5, -1.5, -1.5), radius));
    }

    // The whole octagon in faint outline with the button's own piece lit.
    const QRectF shield = tile.adjusted(side * 0.09, side * 0.09, -side * 0.09, -side * 0.09);
    for (int other = 1; other <= 8; ++other) {
        if (other == piece)
            continue;
        QColor ghost = c.base;
        ghost.setAlpha(55);
        painter.setBrush(ghost);
        painter.setPen(
            QPen(QColor(c.light.red(), c.light.green(), c.light.blue(), 70), std::max<qreal>(0.6, side * 0.012)));
        painter.drawPolygon(shieldSegment(shield, other, pieceOuterApothem, pieceInnerApothem, pieceGap * 1.5));
    }
    if (piece >= 1 && piece <= 8)
        paintShieldSegment(painter, shield, set, piece);

    painter.setFont(koreanFont(side * 0.3, true));
    drawShadowText(painter, shield, Qt::AlignCenter, QString::number(piece), Qt::white);

    if (set == PieceSet::SeaSerpent || set == PieceSet::SeaSerpentHero) {
        // Grade pips in the top-left corner: one silver pip for 최상급, two gold pips for 영웅.
        const int pips = set == PieceSet::SeaSerpent ? 1 : 2;
        const qreal pip = side * 0.075;
        for (int i = 0; i < pips; ++i) {
            const QPointF at(tile.left() + side * 0.1 + i * pip * 2.3, tile.top() + side * 0.1);
            QPolygonF diamond(
                {at + QPointF(0, -pip), at + QPointF(pip, 0), at + QPointF(0, pip), at + QPointF(-pip, 0)});
            painter.setPen(QPen(QColor(0, 0, 0, 200), std::max<qreal>(0.5, side * 0.01)));
            painter.setBrush(rimColour);
            painter.drawPolygon(diamond);
        }
    }
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon boardButtonIcon(int row, int piece, int logicalSize)
{
    return QIcon(new DrawnIconEngine(
        [row, piece](int side, qreal dpr) { return boardButtonPixmap(row, piece, side, dpr); }, logicalSize));
}

QPixmap indicatorPlaceholderPixmap(int tier, int logicalSize, qreal dpr)
{
    const qreal side = std::max(1, logicalSize);
    QImage image = hiDpiCanvas(QSizeF(side, side), dpr);
    QPainter painter(&image);
    paintIndicatorTile(painter, QRectF(0, 0, side, side), tier, IndicatorLook::Placeholder);
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap missingPicturePixmap(QSize logicalSize, qreal dpr)
{
    const QSizeF size(std::max(1, logicalSize.width()), std::max(1, logicalSize.height()));
    QImage image = hiDpiCanvas(size, dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const qreal side = std::min(size.width(), size.height());
    painter.setBrush(QColor(0x2b, 0x2f, 0x36));
    painter.setPen(QPen(QColor(0x6a, 0x70, 0x7a), 1.0, Qt::DashLine));
    painter.drawRoundedRect(box, side * 0.08, side * 0.08);

    // A small framed landscape, the usual sign for "a picture belongs here".
    const qreal glyph = side * 0.5;
    const QRectF frame(box.center().x() - glyph / 2.0, box.center().y() - glyph * 0.4, glyph, glyph * 0.8);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x8a, 0x90, 0x9a), std::max<qreal>(1.0, side * 0.04)));
    painter.drawRoundedRect(frame, glyph * 0.08, glyph * 0.08);
    QPainterPath hills;
    hills.moveTo(frame.left() + glyph * 0.1, frame.bottom() - glyph * 0.1);
    hills.lineTo(frame.left() + glyph * 0.38, frame.top() + glyph * 0.35);
    hills.lineTo(frame.left() + glyph * 0.58, frame.bottom() - glyph * 0.3);
    hills.lineTo(frame.left() + glyph * 0.72, frame.top() + glyph * 0.45);
    hills.lineTo(frame.right() - glyph * 0.1, frame.bottom() - glyph * 0.1);
    painter.drawPath(hills);
    painter.setBrush(QColor(0x8a, 0x90, 0x9a));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(frame.right() - glyph * 0.25, frame.top() + glyph * 0.2), glyph * 0.07, glyph * 0.07);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace tessarin::art
