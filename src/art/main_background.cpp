// The main window imitates an in-game character window: everything that is not a live control
// (frame, captions, slot frames, stat names, the drawn buttons) is painted here. Positions come from
// the window's control layout in twips; the controls themselves lie over the drawn parts.

#include "art/artwork.h"

#include "art/art_style.h"
#include "art/shield.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace tessarin::art {

namespace {

constexpr qreal tw(qreal twips)
{
    return twips / 15.0;
}

QRectF twRect(qreal left, qreal top, qreal width, qreal height)
{
    return {tw(left), tw(top), tw(width), tw(height)};
}

constexpr qreal W = mainBackgroundWidth;
constexpr qreal H = mainBackgroundHeight;
constexpr qreal titleHeight = 34.0;

const QRectF leftPanel(6.0, 40.0, 472.0, 731.0);
const QRectF rightPanel(482.0, 40.0, 457.0, 731.0);

// Soul-shield board: button lefts per board row (twips) and row tops. The lower inventory rows use
// the lefts of rows 2 to 4.
constexpr std::array<std::array<int, 8>, 2> boardLefts = {
    {{7320, 8160, 9000, 9840, 10665, 11475, 12315, 13155}, {7320, 8145, 8985, 9825, 10635, 11475, 12315, 13140}}};
constexpr qreal cell = tw(770);
// Rows 1-4 carry the board buttons, row 6 the skill-stance buttons (with their on/off plates under
// it); rows 7 and 8 leave room for those plates.
constexpr std::array<qreal, 8> gridTops = {tw(1800), tw(2640), tw(3480), tw(4320), tw(5160), tw(5950), 470.0, 526.0};
constexpr std::array<int, 4> stanceLefts = {7320, 8145, 9000, 9825};

struct StatName {
    const char16_t* name;
    int topTwips;
};

// Each name stands on the row of its figures; 집중, 재생 and 치명타방어 have no figures.
constexpr std::array<StatName, 5> attackNames = {
    {{u"공격력", 7245}, {u"관통", 7635}, {u"집중", 8010}, {u"명중", 8400}, {u"치명", 8805}}};
constexpr std::array<StatName, 6> defenceNames = {
    {{u"생명력", 9285}, {u"재생", 9645}, {u"방어", 10005}, {u"막기", 10380}, {u"회피", 10755}, {u"치명타방어", 11130}}};
constexpr qreal rowHeight = tw(255);

// The weave's lines (x + y a multiple of 6) repeat every 6 logical pixels across and down.
constexpr qreal weavePeriod = 6.0;

QPen weavePen()
{
    return QPen(QColor(255, 255, 255, 6), 1.0);
}

// One period of the weave at a whole-number `dpr`: the lines are drawn over three periods each way and
// the middle one is kept, so no line ends inside it and every pixel is the one the window-long lines
// give. (At fractional ratios the stroker's rounding depends on where a line lies, so those draw the
// lines themselves.)
std::optional<QImage> weaveTile(const QPainter& p, qreal dpr)
{
    const int ratio = qRound(dpr);
    if (ratio < 1 || std::abs(dpr - ratio) > 1e-9)
        return std::nullopt;
    const int side = qRound(weavePeriod) * ratio;
    QImage scratch(3 * side, 3 * side, QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(dpr);
    scratch.fill(Qt::transparent);
    QPainter painter(&scratch);
    painter.setRenderHints(p.renderHints());
    painter.setPen(weavePen());
    const qreal extent = 3 * weavePeriod;
    for (qreal sum = -weavePeriod; sum <= 2 * extent; sum += weavePeriod)
        painter.drawLine(QPointF(sum - extent - 1, extent + 1), QPointF(sum + 1, -1));
    painter.end();
    QImage tile = scratch.copy(side, side, side, side);
    tile.setDevicePixelRatio(dpr);
    return tile;
}

void paintWeave(QPainter& p)
{
    p.save();
    const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
    // Drawing 288 lines the height of the window costs a screenful of blending each; where the painter
    // maps logical pixels straight onto device pixels, one period is drawn and repeated instead.
    if (p.worldTransform().isIdentity() && p.brushOrigin().isNull()) {
        if (const std::optional<QImage> tile = weaveTile(p, dpr)) {
            p.fillRect(QRectF(0, 0, W, H), QBrush(*tile));
            p.restore();
            return;
        }
    }
    p.setPen(weavePen());
    for (qreal x = -H; x < W; x += weavePeriod)
        p.drawLine(QPointF(x, H), QPointF(x + H, 0));
    p.restore();
}

void paintWindowFrame(QPainter& p)
{
    QLinearGradient back(0, 0, 0, H);
    back.setColorAt(0.0, QColor(0x16, 0x1b, 0x24));
    back.setColorAt(1.0, QColor(colours::windowDeep));
    p.fillRect(QRectF(0, 0, W, H), back);

    // A faint diagonal weave over the whole window, the texture of a game frame.
    paintWeave(p);

    p.setPen(QPen(QColor(colours::bronze), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, W - 1.0, 777.0 - 1.0));
    p.setPen(QPen(QColor(colours::gold).darker(150), 1.0));
    p.drawRect(QRectF(2.5, 2.5, W - 5.0, 777.0 - 5.0));
}

void paintTitleStrip(QPainter& p)
{
    const QRectF strip(1.0, 1.0, W - 2.0, titleHeight - 1.0);
    QLinearGradient bar(strip.topLeft(), strip.bottomLeft());
    bar.setColorAt(0.0, QColor(0x36, 0x40, 0x50));
    bar.setColorAt(0.5, QColor(0x22, 0x29, 0x35));
    bar.setColorAt(1.0, QColor(0x15, 0x1a, 0x22));
    p.fillRect(strip, bar);
    QLinearGradient line(0, 0, W, 0);
    line.setColorAt(0.0, QColor(colours::bronze));
    line.setColorAt(0.5, QColor(colours::goldBright));
    line.setColorAt(1.0, QColor(colours::bronze));
    p.setPen(QPen(QBrush(line), 1.0));
    p.drawLine(QPointF(1, titleHeight + 0.5), QPointF(W - 1, titleHeight + 0.5));

    const QString caption = QStringLiteral("Tessarin 수치 계산기");
    const QFont font = koreanFont(14.0, true);
    p.setFont(font);
    const QRectF captionRect(0, 1, 913.0, titleHeight - 2.0);
    drawShadowText(p, captionRect, Qt::AlignCenter, caption, QColor(colours::heading));

    // Ornaments either side of the caption.
    const qreal half = QFontMetricsF(font).horizontalAdvance(caption) / 2.0;
    const qreal cx = captionRect.center().x();
    const qreal cy = captionRect.center().y() + 0.5;
    p.setRenderHint(QPainter::Antialiasing);
    for (const int side : {-1, 1}) {
        const qreal start = cx + side * (half + 12.0);
        QLinearGradient fade(QPointF(start, cy), QPointF(start + side * 120.0, cy));
        fade.setColorAt(0.0, QColor(colours::gold));
        fade.setColorAt(1.0, QColor(colours::gold).darker(400));
        p.setPen(QPen(QBrush(fade), 1.0));
        p.drawLine(QPointF(start + side * 6.0, cy), QPointF(start + side * 120.0, cy));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(colours::goldBright));
        p.drawPolygon(QPolygonF(
            {QPointF(start, cy - 3.5), QPointF(start + 3.5, cy), QPointF(start, cy + 3.5), QPointF(start - 3.5, cy)}));
    }

    // Small shield emblem at the left end of the strip.
    const QRectF emblem(10.0, 6.0, 22.0, 22.0);
    for (int piece = 1; piece <= 8; ++piece) {
        p.setPen(Qt::NoPen);
        p.setBrush(piece % 2 ? QColor(colours::gold) : QColor(colours::bronze));
        p.drawPolygon(shieldSegment(emblem, piece, 0.95, 0.42, 0.05));
    }
}

void paintCloseMark(QPainter& p)
{
    const QRectF box = twRect(13680, 120, 375, 375).adjusted(1.5, 1.0, -1.5, -2.0);
    drawButtonFace(p, box, 4.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cross = box.adjusted(7.0, 7.0, -7.0, -7.0);
    p.setPen(QPen(QColor(0, 0, 0, 200), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cross.topLeft() + QPointF(0, 1), cross.bottomRight() + QPointF(0, 1));
    p.drawLine(cross.topRight() + QPointF(0, 1), cross.bottomLeft() + QPointF(0, 1));
    p.setPen(QPen(QColor(0xf0, 0xc8, 0x90), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
    p.restore();
}

// Panel title and one tab under it, with the tab line running across the panel.
void paintPanelHeading(QPainter& p, const QRectF& panel, const QString& title, const QString& tab)
{
    const QRectF band(panel.left() + 2.0, panel.top() + 2.0, panel.width() - 4.0, 26.0);
    QLinearGradient shine(band.topLeft(), band.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, 22));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(band, shine);

    p.setFont(koreanFont(15.0, true));
    drawShadowText(p, QRectF(panel.left() + 12.0, panel.top() + 2.0, 120.0, 26.0), Qt::AlignLeft | Qt::AlignVCenter,
                   title, QColor(colours::heading));

    const qreal lineY = panel.top() + 49.5;
    const QRectF tabRect(panel.left() + 8.0, panel.top() + 29.0, 72.0, 21.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tabPath;
    tabPath.moveTo(tabRect.bottomLeft());
    tabPath.lineTo(tabRect.left(), tabRect.top() + 4.0);
    tabPath.quadTo(tabRect.topLeft(), tabRect.topLeft() + QPointF(4.0, 0));
    tabPath.lineTo(tabRect.right() - 4.0, tabRect.top());
    tabPath.quadTo(tabRect.topRight(), tabRect.topRight() + QPointF(0, 4.0));
    tabPath.lineTo(tabRect.bottomRight());
    QLinearGradient tabFill(tabRect.topLeft(), tabRect.bottomLeft());
    tabFill.setColorAt(0.0, QColor(0x4a, 0x56, 0x69));
    tabFill.setColorAt(1.0, QColor(0x26, 0x2e, 0x3b));
    p.setBrush(tabFill);
    p.setPen(QPen(QColor(colours::gold), 1.0));
    p.drawPath(tabPath);
    p.restore();
    p.setFont(koreanFont(12.0, true));
    drawShadowText(p, tabRect.adjusted(0, 1, 0, 0), Qt::AlignCenter, tab, Qt::white);

    p.setPen(QPen(QColor(colours::gold), 1.0));
    p.drawLine(QPointF(panel.left() + 3.0, lineY), QPointF(tabRect.left(), lineY));
    p.drawLine(QPointF(tabRect.right(), lineY), QPointF(panel.right() - 3.0, lineY));
    // Clear the seam under the active tab so it reads as the front tab.
    p.setPen(QPen(QColor(0x26, 0x2e, 0x3b), 1.0));
    p.drawLine(QPointF(tabRect.left() + 1.0, lineY), QPointF(tabRect.right() - 1.0, lineY));
}

void paintLevelBadge(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, QColor(0x6b, 0x4a, 0x1c));
    fill.setColorAt(1.0, QColor(0x35, 0x23, 0x0c));
    p.setBrush(fill);
    p.setPen(QPen(QColor(colours::goldBright), 1.0));
    p.drawRoundedRect(rect, rect.height() / 2.0, rect.height() / 2.0);
    p.restore();
    p.setFont(koreanFont(10.0, true));
    drawShadowText(p, QRectF(rect.left() + 8.0, rect.top(), 20.0, rect.height()), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("Lv"), QColor(colours::goldBright));
    p.setFont(koreanFont(14.0, true));
    drawShadowText(p, QRectF(rect.left() + 24.0, rect.top(), rect.width() - 30.0, rect.height()),
                   Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("50"), Qt::white);
}

void paintDurability(QPainter& p, const QRectF& area)
{
    p.setFont(koreanFont(11.0));
    drawShadowText(p, QRectF(area.left(), area.top(), area.width(), 14.0), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("내구도"), QColor(colours::textDim));
    const QRectF bar(area.left(), area.top() + 17.0, area.width(), 8.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 220), 1.0));
    p.setBrush(QColor(colours::inset));
    p.drawRoundedRect(bar, 3.0, 3.0);
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    fill.setColorAt(0.0, QColor(0xf2, 0xd3, 0x7a));
    fill.setColorAt(0.5, QColor(0xc8, 0x8e, 0x2a));
    fill.setColorAt(1.0, QColor(0x7a, 0x4e, 0x10));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(bar.adjusted(1.0, 1.0, -1.0, -1.0), 2.0, 2.0);
    // Segment ticks along the bar.
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    for (int i = 1; i < 10; ++i) {
        const qreal x = bar.left() + bar.width() * i / 10.0;
        p.drawLine(QPointF(x, bar.top() + 2.0), QPointF(x, bar.bottom() - 2.0));
    }
    p.restore();
}

// A dim character figure standing behind the left column, where the game shows the character.
void paintSilhouette(QPainter& p, const QRectF& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cx = area.center().x();
    const qreal top = area.top();
    const qreal h = area.height();

    QRadialGradient light(QPointF(cx, top + h * 0.35), h * 0.55);
    light.setColorAt(0.0, QColor(0x5a, 0x70, 0x90, 70));
    light.setColorAt(1.0, QColor(0x5a, 0x70, 0x90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(QPointF(cx, top + h * 0.35), h * 0.5, h * 0.55);

    QPainterPath figure;
    figure.addEllipse(QPointF(cx, top + h * 0.1), h * 0.065, h * 0.08);
    QPainterPath body;
    body.moveTo(cx - h * 0.035, top + h * 0.17);
    body.lineTo(cx + h * 0.035, top + h * 0.17);
    body.cubicTo(cx + h * 0.16, top + h * 0.2, cx + h * 0.2, top + h * 0.24, cx + h * 0.21, top + h * 0.34);
    body.lineTo(cx + h * 0.19, top + h * 0.55);
    body.lineTo(cx + h * 0.15, top + h * 0.56);
    body.lineTo(cx + h * 0.14, top + h * 0.4);
    body.cubicTo(cx + h * 0.16, top + h * 0.62, cx + h * 0.22, top + h * 0.85, cx + h * 0.25, top + h);
    body.lineTo(cx - h * 0.25, top + h);
    body.cubicTo(cx - h * 0.22, top + h * 0.85, cx - h * 0.16, top + h * 0.62, cx - h * 0.14, top + h * 0.4);
    body.lineTo(cx - h * 0.15, top + h * 0.56);
    body.lineTo(cx - h * 0.19, top + h * 0.55);
    body.lineTo(cx - h * 0.21, top + h * 0.34);
    body.cubicTo(cx - h * 0.2, top + h * 0.24, cx - h * 0.16, top + h * 0.2, cx - h * 0.035, top + h * 0.17);
    body.closeSubpath();
    figure = figure.united(body);

    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0.0, QColor(0x3a, 0x48, 0x5c, 150));
    fill.setColorAt(1.0, QColor(0x1a, 0x21, 0x2c, 30));
    p.setBrush(fill);
    p.setPen(QPen(QColor(0x8a, 0x9c, 0xb8, 50), 1.0));
    p.drawPath(figure);
    // A belt gives the robe some shape.
    QLinearGradient belt(QPointF(cx - h * 0.14, 0), QPointF(cx + h * 0.14, 0));
    belt.setColorAt(0.0, QColor(colours::gold).darker(300));
    belt.setColorAt(0.5, QColor(colours::gold).darker(160));
    belt.setColorAt(1.0, QColor(colours::gold).darker(300));
    p.setPen(QPen(QBrush(belt), 2.0));
    p.drawLine(QPointF(cx - h * 0.135, top + h * 0.45), QPointF(cx + h * 0.135, top + h * 0.45));
    p.restore();
}

enum class Trinket { Earring, Ring, Necklace };

// Faint outline of the accessory that belongs in an empty slot.
void paintGhostTrinket(QPainter& p, const QRectF& slot, Trinket kind)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5c, 0x66, 0x76), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = slot.center();
    const qreal s = slot.width();
    switch (kind) {
    case Trinket::Earring:
        p.drawArc(QRectF(c.x() - s * 0.08, c.y() - s * 0.3, s * 0.16, s * 0.16), 0, 360 * 16);
        p.drawLine(QPointF(c.x(), c.y() - s * 0.14), QPointF(c.x(), c.y() - s * 0.02));
        p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - s * 0.02), QPointF(c.x() + s * 0.11, c.y() + s * 0.14),
                                 QPointF(c.x(), c.y() + s * 0.3), QPointF(c.x() - s * 0.11, c.y() + s * 0.14)}));
        break;
    case Trinket::Ring:
        p.drawEllipse(QPointF(c.x(), c.y() + s * 0.06), s * 0.22, s * 0.2);
        p.drawPolygon(QPolygonF({QPointF(c.x() - s * 0.08, c.y() - s * 0.14), QPointF(c.x(), c.y() - s * 0.26),
                                 QPointF(c.x() + s * 0.08, c.y() - s * 0.14)}));
        break;
    case Trinket::Necklace:
        p.drawArc(QRectF(c.x() - s * 0.28, c.y() - s * 0.36, s * 0.56, s * 0.5), 200 * 16, 140 * 16);
        p.drawEllipse(QPointF(c.x(), c.y() + s * 0.17), s * 0.08, s * 0.1);
        break;
    }
    p.restore();
}

void paintCharacterPanel(QPainter& p)
{
    drawPanel(p, leftPanel, 6.0);
    paintPanelHeading(p, leftPanel, QStringLiteral("내 정보"), QStringLiteral("캐릭터"));

    // The area of the class box stays plain: only a subtle well, since the box covers it.
    paintLevelBadge(p, QRectF(24.0, 97.0, 58.0, 22.0));

    paintSilhouette(p, QRectF(20.0, 236.0, 120.0, 230.0));

    // Weapon slot with its heading and durability beside it.
    const QRectF weapon = twRect(360, 1920, 975, 975);
    drawSlotFrame(p, weapon, 4.0);
    p.setFont(koreanFont(13.0, true));
    drawShadowText(p, QRectF(98.0, 128.0, 120.0, 18.0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("무기"),
                   QColor(colours::heading));
    paintDurability(p, QRectF(98.0, 160.0, 118.0, 30.0));

    // Gem socket.
    const QRectF gem = twRect(2280, 4320, 720, 720);
    p.setFont(koreanFont(11.0));
    drawShadowText(p, QRectF(gem.left() - 20.0, gem.top() - 18.0, gem.width() + 40.0, 14.0), Qt::AlignCenter,
                   QStringLiteral("금강석"), QColor(colours::textDim));
    drawSlotFrame(p, gem, 4.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x4e, 0x5a, 0x6c), 1.4));
    p.setBrush(Qt::NoBrush);
    const QPointF gc = gem.center();
    p.drawPolygon(QPolygonF({gc + QPointF(0, -12), gc + QPointF(11, -4), gc + QPointF(7, 11), gc + QPointF(-7, 11),
                             gc + QPointF(-11, -4)}));
    p.restore();

    // Soul-shield frame: the eight stacked piece pictures cover its sockets.
    paintEmptyShield(p, twRect(3600, 1920, 3135, 3015));

    // Set-effect indicator wells.
    for (const int left : {3600, 4080, 4560})
        drawSlotFrame(p, twRect(left, 4995, 345, 345), 2.0);
    p.setFont(koreanFont(11.0));
    drawShadowText(p, QRectF(tw(4560) + 32.0, tw(4995), 60.0, tw(345)), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("세트 효과"), QColor(colours::textDim));

    // Accessory slots: two earrings, two rings in a row, the necklace above the first ring.
    p.setFont(koreanFont(11.0));
    drawShadowText(p, QRectF(tw(3600), tw(5400), 90.0, tw(735)), Qt::AlignLeft | Qt::AlignBottom,
                   QStringLiteral("장신구"), QColor(colours::textDim));
    const std::array<std::pair<QRectF, Trinket>, 5> accessories = {{
        {twRect(3600, 6240, 735, 735), Trinket::Earring},
        {twRect(4400, 6240, 735, 735), Trinket::Earring},
        {twRect(5200, 6240, 735, 735), Trinket::Ring},
        {twRect(6060, 6240, 735, 735), Trinket::Ring},
        {twRect(5200, 5400, 735, 735), Trinket::Necklace},
    }};
    for (const auto& [slot, kind] : accessories) {
        drawSlotFrame(p, slot, 3.0);
        paintGhostTrinket(p, slot, kind);
    }
}

// `gapTop` and `gapBottom` bound the free band above the group's first row; the heading stands in its
// middle, small enough to keep clear of the rows on either side (the band above 방어 is 15 px).
void paintStatGroup(QPainter& p, const QString& heading, qreal gapTop, qreal gapBottom, const StatName* names,
                    std::size_t count)
{
    p.setFont(koreanFont(11.0, true));
    const QFontMetricsF metrics(p.font());
    // Centre the glyphs themselves, not the font's line box, which reaches far below Hangul.
    const QRectF ink = metrics.tightBoundingRect(heading);
    const qreal baseline = (gapTop + gapBottom) / 2.0 - ink.center().y();
    drawShadowText(p, QRectF(20.0, baseline - metrics.ascent(), 60.0, metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                   heading, QColor(colours::heading));
    const qreal headingWidth = metrics.horizontalAdvance(heading);
    QLinearGradient rule(QPointF(24.0 + headingWidth, 0), QPointF(236.0, 0));
    rule.setColorAt(0.0, QColor(colours::gold));
    rule.setColorAt(1.0, QColor(colours::gold).darker(400));
    p.setPen(QPen(QBrush(rule), 1.0));
    const qreal y = std::floor((gapTop + gapBottom) / 2.0) + 0.5;
    p.drawLine(QPointF(26.0 + headingWidth, y), QPointF(236.0, y));

    p.setFont(koreanFont(12.0));
    for (std::size_t i = 0; i < count; ++i) {
        const qreal top = tw(names[i].topTwips);
        const QRectF row(14.0, top, 452.0, rowHeight);
        // The stripe stops a pixel short of the row's edges, so a heading in the band beside it has air.
        if (i % 2 == 0)
            p.fillRect(row.adjusted(0, 1, 0, -1), QColor(255, 255, 255, 9));
        // A small diamond bullet before each name.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(colours::bronze));
        const QPointF b(24.0, top + rowHeight / 2.0);
        p.drawPolygon(
            QPolygonF({b + QPointF(0, -2.5), b + QPointF(2.5, 0), b + QPointF(0, 2.5), b + QPointF(-2.5, 0)}));
        p.restore();
        drawShadowText(p, QRectF(32.0, top, 112.0, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromUtf16(names[i].name), QColor(colours::text));
    }
}

void paintStatSheet(QPainter& p)
{
    // Inset behind the sheet; it starts below the accessory row.
    const QRectF sheet(12.0, 474.0, 458.0, 290.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(sheet, 4.0, 4.0);
    p.restore();
    // Headings sit in the gaps above their groups: under the accessory row, and between the 치명 row and
    // the 생명력 row.
    paintStatGroup(p, QStringLiteral("공격"), tw(6240 + 735), tw(attackNames[0].topTwips), attackNames.data(),
                   attackNames.size());
    paintStatGroup(p, QStringLiteral("방어"), tw(8805) + rowHeight, tw(defenceNames[0].topTwips), defenceNames.data(),
                   defenceNames.size());
}

void paintInventoryCell(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient well(rect.topLeft(), rect.bottomRight());
    well.setColorAt(0.0, QColor(0x0c, 0x10, 0x16));
    well.setColorAt(1.0, QColor(0x1c, 0x23, 0x2e));
    p.setBrush(well);
    p.setPen(QPen(QColor(0x48, 0x52, 0x62), 1.0));
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 3.0, 3.0);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
    p.drawLine(QPointF(rect.left() + 3.0, rect.top() + 1.5), QPointF(rect.right() - 3.0, rect.top() + 1.5));
    p.restore();
}

void paintSkillCell(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient well(rect.center(), rect.width() * 0.7);
    well.setColorAt(0.0, QColor(0x26, 0x2e, 0x3c));
    well.setColorAt(1.0, QColor(0x0c, 0x10, 0x16));
    p.setBrush(well);
    p.setPen(QPen(QColor(colours::gold).darker(120), 1.0));
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 4.0, 4.0);
    p.restore();
}

// Which set each board row holds, under the grid.
void paintBoardLegend(QPainter& p)
{
    struct Entry {
        PieceSet set;
        const char16_t* name;
    };
    constexpr std::array<Entry, 4> entries = {{{PieceSet::Lost, u"1줄  잃어버린 영린족 보패"},
                                               {PieceSet::SeaSerpent, u"2줄  바다뱀 보패(최상급)"},
                                               {PieceSet::SeaSerpentHero, u"3줄  바다뱀 보패(영웅)"},
                                               {PieceSet::Free, u"4줄  기타 보패"}}};
    const QRectF box(488.0, 594.0, 442.0, 84.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(colours::bronze).darker(130), 1.0));
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(box, 4.0, 4.0);
    p.restore();
    p.setFont(koreanFont(12.0, true));
    drawShadowText(p, QRectF(box.left() + 12.0, box.top() + 6.0, 200.0, 16.0), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("보패"), QColor(colours::heading));
    p.setFont(koreanFont(11.0));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const qreal x = box.left() + 14.0 + (i % 2) * 220.0;
        const qreal y = box.top() + 30.0 + (i / 2) * 26.0;
        paintLoosePiece(p, QRectF(x, y + 1.0, 22.0, 15.0), entries[i].set);
        drawShadowText(p, QRectF(x + 30.0, y, 190.0, 17.0), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromUtf16(entries[i].name), QColor(colours::text));
    }
}

void paintInventoryPanel(QPainter& p)
{
    drawPanel(p, rightPanel, 6.0);
    paintPanelHeading(p, rightPanel, QStringLiteral("소지품"), QStringLiteral("전체"));

    // Well behind the grid.
    const QRectF gridWell(484.5, 114.5, 452.0, 469.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 170), 1.0));
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(gridWell, 4.0, 4.0);
    p.restore();

    for (std::size_t row = 0; row < gridTops.size(); ++row) {
        const bool skillRow = row == 5;
        for (std::size_t column = 0; column < 8; ++column) {
            // The first four cells of the skill row lie exactly under the stance buttons.
            const int left =
                skillRow && column < stanceLefts.size() ? stanceLefts[column] : boardLefts[row == 0 ? 0 : 1][column];
            const QRectF cellRect(tw(left), gridTops[row], cell, cell);
            if (skillRow) {
                paintSkillCell(p, cellRect);
                // Plate for the on/off label under each skill cell.
                const QRectF plate(cellRect.left() + 3.0, tw(6720) + 1.0, cell - 6.0, rowHeight - 2.0);
                p.save();
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(QPen(QColor(colours::bronze), 1.0));
                p.setBrush(QColor(0x0a, 0x0d, 0x12));
                p.drawRoundedRect(plate, 3.0, 3.0);
                p.restore();
            } else {
                paintInventoryCell(p, cellRect);
            }
        }
    }
    paintBoardLegend(p);
}

void paintSynthesisIcon(QPainter& p, const QRectF& area)
{
    // A piece with a spark over it: a stone being added to a piece.
    const qreal h = area.height();
    paintLoosePiece(p, QRectF(area.center().x() - h * 0.75, area.top() + h * 0.12, h * 1.5, h * 0.88),
                    PieceSet::SeaSerpentHero);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(area.center().x() + h * 0.55, area.top() + h * 0.22);
    const qreal r = h * 0.42;
    QRadialGradient spark(c, r);
    spark.setColorAt(0.0, QColor(255, 255, 230, 230));
    spark.setColorAt(1.0, QColor(255, 200, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(spark);
    p.drawEllipse(c, r, r);
    QPolygonF star;
    for (int i = 0; i < 8; ++i) {
        const qreal len = (i % 2 == 0) ? r * 0.9 : r * 0.2;
        const qreal a = i * std::numbers::pi / 4.0;
        star << QPointF(c.x() + len * std::sin(a), c.y() - len * std::cos(a));
    }
    p.setBrush(QColor(0xff, 0xf4, 0xc8));
    p.drawPolygon(star);
    p.restore();
}

void paintHelpIcon(QPainter& p, const QRectF& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = area.height() * 0.46;
    const QPointF c = area.center();
    QRadialGradient disc(c - QPointF(r * 0.3, r * 0.4), r * 1.5);
    disc.setColorAt(0.0, QColor(0xff, 0xe6, 0xa0));
    disc.setColorAt(0.6, QColor(0xc8, 0x90, 0x30));
    disc.setColorAt(1.0, QColor(0x6a, 0x42, 0x0c));
    p.setBrush(disc);
    p.setPen(QPen(QColor(0x3a, 0x22, 0x04), 1.0));
    p.drawEllipse(c, r, r);
    p.setFont(koreanFont(r * 1.5, true));
    p.setPen(QColor(0x3a, 0x22, 0x04));
    p.drawText(QRectF(c.x() - r, c.y() - r + 0.5, 2 * r, 2 * r), Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

void paintIconButton(QPainter& p, const QRectF& rect, const QString& caption, bool synthesis)
{
    drawButtonFace(p, rect.adjusted(0.5, 0.5, -0.5, -0.5), 5.0);
    const qreal captionHeight = 15.0;
    const QRectF icon(rect.left(), rect.top() + 3.0, rect.width(), rect.height() - captionHeight - 5.0);
    if (synthesis)
        paintSynthesisIcon(p, icon);
    else
        paintHelpIcon(p, icon);
    p.setFont(koreanFont(11.0, true));
    drawShadowText(p, QRectF(rect.left(), rect.bottom() - captionHeight - 2.0, rect.width(), captionHeight),
                   Qt::AlignCenter, caption, QColor(colours::text));
}

void paintActionBar(QPainter& p)
{
    const QRectF bar(486.0, 700.0, 449.0, 67.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    fill.setColorAt(0.0, QColor(0, 0, 0, 30));
    fill.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.setBrush(fill);
    p.setPen(QPen(QColor(colours::bronze).darker(130), 1.0));
    p.drawRoundedRect(bar, 4.0, 4.0);
    p.restore();
    paintIconButton(p, twRect(8520, 10800, 975, 615), QStringLiteral("합성"), true);
    paintIconButton(p, twRect(11640, 10680, 735, 735), QStringLiteral("도움말"), false);
}

} // namespace

void paintMainBackground(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintWindowFrame(painter);
    paintTitleStrip(painter);
    paintCloseMark(painter);
    paintCharacterPanel(painter);
    paintStatSheet(painter);
    paintInventoryPanel(painter);
    paintActionBar(painter);
    painter.restore();
}

} // namespace tessarin::art
