#include "art/art_style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

namespace tessarin::art {

QFont koreanFont(qreal pixelSize, bool bold)
{
    QFont font(QStringLiteral("NanumGothic"));
    font.setFamilies(
        {QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR"), QStringLiteral("Malgun Gothic")});
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPainterPath roundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void drawPanel(QPainter& painter, const QRectF& rect, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, QColor(colours::panelTop));
    fill.setColorAt(1.0, QColor(colours::panelBottom));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(roundedRect(rect, radius));

    // Outer dark line, then the bronze rim, then a faint inner highlight: reads as a raised metal edge.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    painter.drawPath(roundedRect(rect.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5));
    QLinearGradient rim(rect.topLeft(), rect.bottomRight());
    rim.setColorAt(0.0, QColor(colours::gold));
    rim.setColorAt(0.5, QColor(colours::bronze));
    rim.setColorAt(1.0, QColor(colours::gold).darker(130));
    painter.setPen(QPen(QBrush(rim), 1.0));
    painter.drawPath(roundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    painter.setPen(QPen(QColor(255, 255, 255, 18), 1.0));
    painter.drawPath(roundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), qMax<qreal>(0.0, radius - 1.0)));
    painter.restore();
}

void drawSlotFrame(QPainter& painter, const QRectF& rect, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF outer = rect.adjusted(-2.0, -2.0, 2.0, 2.0);
    QLinearGradient rim(outer.topLeft(), outer.bottomRight());
    rim.setColorAt(0.0, QColor(colours::goldBright));
    rim.setColorAt(0.45, QColor(colours::bronze));
    rim.setColorAt(1.0, QColor(colours::gold));
    painter.setPen(QPen(QColor(0, 0, 0, 180), 1.0));
    painter.setBrush(rim);
    painter.drawPath(roundedRect(outer, radius + 1.5));

    QLinearGradient well(rect.topLeft(), rect.bottomLeft());
    well.setColorAt(0.0, QColor(colours::inset));
    well.setColorAt(1.0, QColor(0x17, 0x1d, 0x27));
    painter.setPen(QPen(QColor(0, 0, 0, 220), 1.0));
    painter.setBrush(well);
    painter.drawPath(roundedRect(rect.adjusted(-0.5, -0.5, 0.5, 0.5), radius));

    // Inner shadow along the top edge so the slot looks sunk into the panel.
    QLinearGradient shade(rect.topLeft(), rect.topLeft() + QPointF(0.0, rect.height() * 0.25));
    shade.setColorAt(0.0, QColor(0, 0, 0, 120));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(roundedRect(rect, radius));
    painter.restore();
}

void drawButtonFace(QPainter& painter, const QRectF& rect, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    face.setColorAt(0.0, QColor(0x3a, 0x45, 0x56));
    face.setColorAt(0.5, QColor(0x25, 0x2d, 0x3a));
    face.setColorAt(1.0, QColor(0x1a, 0x20, 0x2a));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    painter.drawPath(roundedRect(rect.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5));
    QLinearGradient rim(rect.topLeft(), rect.bottomLeft());
    rim.setColorAt(0.0, QColor(colours::goldBright));
    rim.setColorAt(1.0, QColor(colours::bronze));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(rim), 1.0));
    painter.drawPath(roundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1.0));
    painter.drawLine(QPointF(rect.left() + radius + 1.0, rect.top() + 1.5),
                     QPointF(rect.right() - radius - 1.0, rect.top() + 1.5));
    painter.restore();
}

void drawShadowText(QPainter& painter, const QRectF& rect, int flags, const QString& text, const QColor& colour)
{
    painter.save();
    painter.setPen(QColor(0, 0, 0, 200));
    painter.drawText(rect.translated(0.0, 1.0), flags, text);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

} // namespace tessarin::art
