#include "art/indicator_tile.h"

#include "art/art_style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tessarin::art {

void paintIndicatorTile(QPainter& painter, const QRectF& rect, int tier, IndicatorLook look)
{
    const qreal side = std::min(rect.width(), rect.height());
    const qreal radius = side * 0.16;
    const qreal line = std::max<qreal>(1.0, side * 0.05);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QColor rimTop, rimBottom, number;
    QBrush face;
    switch (look) {
    case IndicatorLook::Placeholder: {
        QLinearGradient grey(rect.topLeft(), rect.bottomLeft());
        grey.setColorAt(0.0, QColor(0x8a, 0x8a, 0x8a));
        grey.setColorAt(1.0, QColor(0x55, 0x55, 0x55));
        face = grey;
        rimTop = QColor(0xb0, 0xb0, 0xb0);
        rimBottom = QColor(0x3a, 0x3a, 0x3a);
        number = QColor(0xee, 0xee, 0xee);
        break;
    }
    case IndicatorLook::Dim: {
        QLinearGradient dim(rect.topLeft(), rect.bottomLeft());
        dim.setColorAt(0.0, QColor(0x2c, 0x33, 0x3e));
        dim.setColorAt(1.0, QColor(0x15, 0x19, 0x20));
        face = dim;
        rimTop = QColor(0x7a, 0x6a, 0x4a);
        rimBottom = QColor(0x3a, 0x31, 0x22);
        number = QColor(0x8d, 0x86, 0x78);
        break;
    }
    case IndicatorLook::Lit: {
        QRadialGradient glow(rect.center(), side * 0.62);
        glow.setColorAt(0.0, QColor(0xff, 0xf0, 0xb0));
        glow.setColorAt(0.45, QColor(0xf0, 0xa8, 0x30));
        glow.setColorAt(1.0, QColor(0x7a, 0x3a, 0x08));
        face = glow;
        rimTop = QColor(colours::goldBright);
        rimBottom = QColor(0xa0, 0x6a, 0x20);
        number = Qt::white;
        break;
    }
    }

    const QRectF outer = rect.adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0);
    QLinearGradient rim(outer.topLeft(), outer.bottomLeft());
    rim.setColorAt(0.0, rimTop);
    rim.setColorAt(1.0, rimBottom);
    painter.setPen(QPen(QBrush(rim), line));
    painter.setBrush(face);
    painter.drawPath(roundedRect(outer, radius));

    // Glassy highlight over the upper half.
    QPainterPath gloss;
    const QRectF top = outer.adjusted(line, line, -line, -outer.height() * 0.5);
    gloss.addRoundedRect(top, radius * 0.7, radius * 0.7);
    QLinearGradient glossFill(top.topLeft(), top.bottomLeft());
    glossFill.setColorAt(0.0, QColor(255, 255, 255, look == IndicatorLook::Lit ? 110 : 45));
    glossFill.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glossFill);
    painter.drawPath(gloss);

    QFont font = koreanFont(side * 0.62, true);
    painter.setFont(font);
    const QString text = QString::number(tier);
    if (look == IndicatorLook::Lit) {
        // A dark-orange halo keeps the white figure readable on the bright face.
        painter.setPen(QColor(0x80, 0x30, 0x00, 200));
        for (const QPointF offset : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
            painter.drawText(rect.translated(offset * side * 0.03), Qt::AlignCenter, text);
        painter.setPen(number);
        painter.drawText(rect, Qt::AlignCenter, text);
    } else {
        drawShadowText(painter, rect, Qt::AlignCenter, text, number);
    }
    painter.restore();
}

QImage indicatorImage(int tier, IndicatorLook look, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintIndicatorTile(painter, QRectF(0, 0, size, size), tier, look);
    painter.end();
    return image;
}

} // namespace tessarin::art
