// Pages keep the look the slideshows had before they showed the real windows: a dark panel with a
// gold rim, a title band, the pictures, and gold-bulleted lines of text.

#include "helpgen/help_page_layout.h"

#include "art/art_style.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace tessarin::helpgen {

namespace {

// Text of the narrow pages (Form9, Form17) is set a little smaller, so their windows can be larger.
qreal bodyFont(const QSize& page)
{
    return page.width() < 300 ? 9.5 : 10.5;
}
constexpr qreal kTitleBand = 22.0;
constexpr qreal kMargin = 8.0;
constexpr qreal kGap = 8.0;
constexpr qreal kCaptionHeight = 14.0;
constexpr qreal kBulletIndent = 9.0;
constexpr qreal kLineGap = 3.0;
// A window is never shown larger than itself: the grab has two pixels per logical pixel, so up to this
// scale every page pixel comes from a pixel of the window.
constexpr qreal kLargestScale = 1.0;

qreal textHeight(qreal fontSize, qreal width, const QStringList& lines)
{
    const QFontMetricsF metrics(art::koreanFont(fontSize));
    qreal height = 0.0;
    for (const QString& line : lines)
        height += metrics.boundingRect(QRectF(0, 0, width - kBulletIndent, 1000.0), Qt::TextWordWrap, line).height() +
                  kLineGap;
    return height;
}

// Snaps a rectangle to whole page pixels, so a panel is drawn pixel for pixel.
QRectF snapped(const QRectF& rect)
{
    const QRect pixels(qRound(rect.x() * kPageScale), qRound(rect.y() * kPageScale), qRound(rect.width() * kPageScale),
                       qRound(rect.height() * kPageScale));
    return QRectF(pixels.x() / qreal(kPageScale), pixels.y() / qreal(kPageScale), pixels.width() / qreal(kPageScale),
                  pixels.height() / qreal(kPageScale));
}

bool hasCaptions(const QList<Panel>& panels)
{
    return std::any_of(panels.begin(), panels.end(), [](const Panel& panel) { return !panel.caption.isEmpty(); });
}

// The panels in a row or in a column in `area`, whichever shows them larger, all at one scale.
QList<QRectF> arrange(const QRectF& area, const QList<Panel>& panels, qreal* scaleOut)
{
    const qreal captions = hasCaptions(panels) ? kCaptionHeight : 0.0;
    qreal sumWidth = 0.0;
    qreal sumHeight = 0.0;
    qreal maxWidth = 0.0;
    qreal maxHeight = 0.0;
    for (const Panel& panel : panels) {
        sumWidth += panel.source.width();
        sumHeight += panel.source.height();
        maxWidth = std::max(maxWidth, panel.source.width());
        maxHeight = std::max(maxHeight, panel.source.height());
    }
    const qreal gaps = kGap * (panels.size() - 1);
    const qreal rowScale =
        std::min({(area.width() - gaps) / sumWidth, (area.height() - captions) / maxHeight, kLargestScale});
    const qreal columnScale = std::min(
        {area.width() / maxWidth, (area.height() - gaps - captions * panels.size()) / sumHeight, kLargestScale});
    const bool row = rowScale >= columnScale;
    const qreal scale = std::max(0.0, row ? rowScale : columnScale);
    *scaleOut = scale;

    const QSizeF used = row ? QSizeF(sumWidth * scale + gaps, maxHeight * scale + captions)
                            : QSizeF(maxWidth * scale, sumHeight * scale + (gaps + captions * panels.size()));
    QPointF at(area.left() + (area.width() - used.width()) / 2.0, area.top() + (area.height() - used.height()) / 2.0);
    QList<QRectF> targets;
    for (const Panel& panel : panels) {
        const QSizeF size = panel.source.size() * scale;
        const QPointF topLeft = row ? at : QPointF(area.left() + (area.width() - size.width()) / 2.0, at.y());
        targets << snapped(QRectF(topLeft, size));
        if (row)
            at.rx() += size.width() + kGap;
        else
            at.ry() += size.height() + captions + kGap;
    }
    return targets;
}

QRectF boundsOf(const QList<QRectF>& rects)
{
    QRectF bounds;
    for (const QRectF& rect : rects)
        bounds = bounds.united(rect);
    return bounds;
}

struct Layout {
    QList<QRectF> panels;
    QRectF text;
};

Layout layoutOf(const PageText& text, const QList<Panel>& panels)
{
    const QRectF body(kMargin, kTitleBand + 6.0, text.size.width() - 2 * kMargin,
                      text.size.height() - kTitleBand - 6.0 - 6.0);

    // Text under the pictures.
    const qreal underHeight = textHeight(bodyFont(text.size), body.width(), text.lines);
    const QRectF stackedArea(body.left(), body.top(), body.width(), body.height() - underHeight - kGap);
    qreal stackedScale = 0.0;
    Layout stacked{arrange(stackedArea, panels, &stackedScale), {}};
    // The text right under the pictures, the two together in the middle of the page.
    const qreal captions = hasCaptions(panels) ? kCaptionHeight : 0.0;
    const QRectF pictures = boundsOf(stacked.panels);
    const qreal blockHeight = pictures.height() + captions + kGap + underHeight;
    const qreal shift = body.top() + (body.height() - blockHeight) / 2.0 - pictures.top();
    for (QRectF& target : stacked.panels)
        target = snapped(target.translated(0.0, shift));
    stacked.text = QRectF(body.left(), pictures.bottom() + shift + captions + kGap, body.width(), underHeight);

    // Text in a column at the right.
    const qreal columnWidth = std::max(112.0, body.width() * 0.4);
    const qreal columnHeight = textHeight(bodyFont(text.size), columnWidth, text.lines);
    if (columnHeight <= body.height()) {
        const QRectF sideArea(body.left(), body.top(), body.width() - columnWidth - kGap, body.height());
        qreal sideScale = 0.0;
        Layout side{arrange(sideArea, panels, &sideScale),
                    QRectF(sideArea.right() + kGap, body.top() + (body.height() - columnHeight) / 2.0, columnWidth,
                           columnHeight)};
        if (sideScale > stackedScale * 1.05)
            return side;
    }
    return stacked;
}

void paintBackground(QPainter& p, const PageText& text)
{
    const QRectF whole(0, 0, text.size.width(), text.size.height());
    QLinearGradient back(whole.topLeft(), whole.bottomLeft());
    back.setColorAt(0.0, QColor(0x1c, 0x23, 0x2e));
    back.setColorAt(1.0, QColor(0x0e, 0x12, 0x19));
    p.fillRect(whole, back);
    art::drawPanel(p, whole.adjusted(1, 1, -1, -1), 4.0);

    const QRectF titleBand(2, 2, whole.width() - 4, kTitleBand - 3);
    QLinearGradient band(titleBand.topLeft(), titleBand.bottomLeft());
    band.setColorAt(0.0, QColor(0x3a, 0x45, 0x56));
    band.setColorAt(1.0, QColor(0x1e, 0x25, 0x30));
    p.fillRect(titleBand, band);
    p.setPen(QPen(QColor(art::colours::gold), 1.0));
    p.drawLine(QPointF(2, kTitleBand - 0.5), QPointF(whole.width() - 2, kTitleBand - 0.5));
    p.setFont(art::koreanFont(11.5, true));
    art::drawShadowText(p, titleBand.adjusted(8, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, text.title,
                        QColor(art::colours::heading));
}

void paintLines(QPainter& p, const QRectF& rect, qreal fontSize, const QStringList& lines)
{
    p.save();
    p.setFont(art::koreanFont(fontSize));
    const QFontMetricsF metrics(p.font());
    qreal y = rect.top();
    for (const QString& line : lines) {
        const QRectF room(rect.left() + kBulletIndent, y, rect.width() - kBulletIndent, 1000.0);
        const QRectF used = metrics.boundingRect(room, Qt::TextWordWrap, line);
        p.setPen(QColor(art::colours::goldBright));
        p.setBrush(QColor(art::colours::gold));
        p.drawEllipse(QPointF(rect.left() + 3.0, y + metrics.height() / 2.0), 1.6, 1.6);
        art::drawShadowText(p, room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, QColor(art::colours::text));
        y += used.height() + kLineGap;
    }
    p.restore();
}

// A red ring round the control and a numbered disc at its top-right corner (text starts at the left),
// or next to it when the control is too small to show past the disc; the disc stays on the panel.
CalloutMark markOf(const QRectF& target, const Panel& panel, const Callout& callout)
{
    const qreal scale = target.width() / panel.source.width();
    const QRectF control(target.left() + (callout.target.left() - panel.source.left()) * scale,
                         target.top() + (callout.target.top() - panel.source.top()) * scale,
                         callout.target.width() * scale, callout.target.height() * scale);
    const QRectF ring = control.adjusted(-1.0, -1.0, 1.0, 1.0).intersected(target);
    constexpr qreal radius = 5.5;
    QPointF centre = ring.topRight();
    if (ring.width() < 4 * radius || ring.height() < 3 * radius) {
        // Beside it on the left, else above it, else on the right.
        if (ring.left() - 2 * radius - 1.0 >= target.left())
            centre = QPointF(ring.left() - radius - 1.0, ring.center().y());
        else if (ring.top() - 2 * radius - 1.0 >= target.top())
            centre = QPointF(ring.center().x(), ring.top() - radius - 1.0);
        else
            centre = QPointF(ring.right() + radius + 1.0, ring.center().y());
    }
    centre = QPointF(std::clamp(centre.x(), target.left() + radius, target.right() - radius),
                     std::clamp(centre.y(), target.top() + radius, target.bottom() - radius));
    return {ring, centre, radius};
}

void paintCallout(QPainter& p, const CalloutMark& mark, int number)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe0, 0x3a, 0x2a), 1.2));
    p.drawRoundedRect(mark.ring, 2.0, 2.0);
    p.setPen(QPen(QColor(art::colours::goldBright), 1.0));
    p.setBrush(QColor(0xc8, 0x2a, 0x1e));
    p.drawEllipse(mark.centre, mark.radius, mark.radius);
    p.setFont(art::koreanFont(8.0, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(mark.centre.x() - mark.radius, mark.centre.y() - mark.radius, 2 * mark.radius, 2 * mark.radius),
               Qt::AlignCenter, QString::number(number));
    p.restore();
}

} // namespace

QList<QRectF> panelTargets(const PageText& text, const QList<Panel>& panels)
{
    return layoutOf(text, panels).panels;
}

QList<CalloutMark> calloutMarks(const QRectF& target, const Panel& panel)
{
    QList<CalloutMark> marks;
    for (const Callout& callout : panel.callouts)
        marks << markOf(target, panel, callout);
    return marks;
}

QImage panelImage(const Panel& panel, QSize pixels)
{
    const qreal ratio = panel.picture.devicePixelRatio();
    const QRect sourcePixels(qRound(panel.source.left() * ratio), qRound(panel.source.top() * ratio),
                             qRound(panel.source.width() * ratio), qRound(panel.source.height() * ratio));
    return panel.picture.copy(sourcePixels)
        .toImage()
        .convertToFormat(QImage::Format_RGB32)
        .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage paintPage(const PageText& text, const QList<Panel>& panels)
{
    QImage image(text.size * kPageScale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.scale(kPageScale, kPageScale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintBackground(p, text);

    const Layout layout = layoutOf(text, panels);
    for (qsizetype i = 0; i < panels.size(); ++i) {
        const QRectF& target = layout.panels[i];
        const Panel& panel = panels[i];
        p.drawImage(target, panelImage(panel, (target.size() * kPageScale).toSize()));
        p.setPen(QPen(QColor(art::colours::gold), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(target.adjusted(-0.5, -0.5, 0.5, 0.5));
        const QList<CalloutMark> marks = calloutMarks(target, panel);
        for (qsizetype c = 0; c < marks.size(); ++c)
            paintCallout(p, marks[c], panel.callouts[c].number);
        if (!panel.caption.isEmpty()) {
            p.setFont(art::koreanFont(10.0, true));
            art::drawShadowText(p, QRectF(target.left(), target.bottom() + 1.0, target.width(), kCaptionHeight),
                                Qt::AlignCenter, panel.caption, QColor(art::colours::heading));
        }
    }
    paintLines(p, layout.text, bodyFont(text.size), text.lines);
    p.end();
    return image;
}

} // namespace tessarin::helpgen
