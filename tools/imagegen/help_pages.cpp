// Each help page shows its title, a picture of the window it explains (the real main-window artwork
// where that window is the main window, a simplified drawing of the dialog otherwise) and a few lines
// of explanation. Pages are laid out in the slideshow's logical pixels and rendered at twice that.

#include "imagegen/help_pages.h"

#include "art/art_style.h"
#include "art/artwork.h"
#include "art/indicator_tile.h"
#include "art/shield.h"
#include "imagegen/image_sink.h"
#include "imagegen/stance_pictures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <array>
#include <functional>

namespace tessarin::imagegen {

namespace {

constexpr qreal renderScale = 2.0;

// Fonts of the simplified dialogs and of the explanations, in logical pixels.
constexpr qreal mockFont = 9.0;
constexpr qreal bodyFont = 10.5;

const QColor dialogFace(0xec, 0xe9, 0xe2);
const QColor dialogText(0x20, 0x20, 0x20);
const QColor highlight(0xe0, 0x3a, 0x2a);

// --- simplified dialog widgets --------------------------------------------------------------------

void mockWindow(QPainter& p, const QRectF& rect, const QString& caption)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x48, 0x58), 1.0));
    p.setBrush(dialogFace);
    p.drawRoundedRect(rect, 3.0, 3.0);
    const QRectF bar(rect.left() + 1.0, rect.top() + 1.0, rect.width() - 2.0, 13.0);
    QLinearGradient barFill(bar.topLeft(), bar.bottomLeft());
    barFill.setColorAt(0.0, QColor(0x4a, 0x6e, 0xa8));
    barFill.setColorAt(1.0, QColor(0x2c, 0x4a, 0x80));
    p.setPen(Qt::NoPen);
    p.setBrush(barFill);
    p.drawRoundedRect(bar, 2.5, 2.5);
    p.setFont(art::koreanFont(mockFont, true));
    p.setPen(Qt::white);
    p.drawText(bar.adjusted(5.0, 0, -16.0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
    p.drawText(QRectF(bar.right() - 13.0, bar.top(), 11.0, bar.height()), Qt::AlignCenter, QStringLiteral("×"));
    p.restore();
}

void mockFrame(QPainter& p, const QRectF& rect, const QString& caption)
{
    p.save();
    p.setFont(art::koreanFont(mockFont));
    const qreal captionWidth = caption.isEmpty() ? 0.0 : QFontMetricsF(p.font()).horizontalAdvance(caption) + 6.0;
    p.setPen(QPen(QColor(0xa0, 0x9c, 0x94), 1.0));
    const qreal y = rect.top() + 0.5;
    p.drawLine(QPointF(rect.left(), y), QPointF(rect.left() + 5.0, y));
    p.drawLine(QPointF(rect.left() + 5.0 + captionWidth, y), QPointF(rect.right(), y));
    p.drawLine(QPointF(rect.right(), y), rect.bottomRight());
    p.drawLine(rect.bottomRight(), rect.bottomLeft());
    p.drawLine(rect.bottomLeft(), QPointF(rect.left(), y));
    p.setPen(dialogText);
    p.drawText(QRectF(rect.left() + 8.0, rect.top() - 6.0, captionWidth, 12.0), Qt::AlignLeft | Qt::AlignVCenter,
               caption);
    p.restore();
}

void mockButton(QPainter& p, const QRectF& rect, const QString& text, bool enabled = true)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    face.setColorAt(0.0, QColor(0xfc, 0xfc, 0xfa));
    face.setColorAt(1.0, QColor(0xd8, 0xd4, 0xcc));
    p.setBrush(face);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.0));
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 2.0, 2.0);
    p.setFont(art::koreanFont(mockFont));
    p.setPen(enabled ? dialogText : QColor(0xa0, 0xa0, 0xa0));
    p.drawText(rect, Qt::AlignCenter, text);
    p.restore();
}

void mockList(QPainter& p, const QRectF& rect, const QStringList& items, int selected = -1)
{
    p.save();
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(art::koreanFont(mockFont));
    const qreal line = 11.0;
    for (int i = 0; i < items.size(); ++i) {
        const QRectF row(rect.left() + 1.0, rect.top() + 1.0 + i * line, rect.width() - 2.0, line);
        if (row.bottom() > rect.bottom())
            break;
        if (i == selected) {
            p.fillRect(row, QColor(0x30, 0x60, 0xc0));
            p.setPen(Qt::white);
        } else {
            p.setPen(dialogText);
        }
        p.drawText(row.adjusted(3.0, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, items[i]);
    }
    p.restore();
}

void mockOption(QPainter& p, QPointF at, const QString& text, bool checked = false, bool square = false)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.0));
    p.setBrush(Qt::white);
    const QRectF mark(at.x(), at.y() - 4.0, 8.0, 8.0);
    if (square)
        p.drawRect(mark);
    else
        p.drawEllipse(mark);
    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(dialogText);
        if (square)
            p.drawRect(mark.adjusted(2, 2, -2, -2));
        else
            p.drawEllipse(mark.center(), 2.2, 2.2);
    }
    p.setFont(art::koreanFont(mockFont));
    p.setPen(dialogText);
    p.drawText(QRectF(at.x() + 11.0, at.y() - 7.0, 120.0, 14.0), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.restore();
}

void mockTextBox(QPainter& p, const QRectF& rect, const QString& text = {})
{
    p.save();
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(art::koreanFont(mockFont));
    p.setPen(dialogText);
    p.drawText(rect.adjusted(3.0, 0, -2.0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.restore();
}

void mockLabel(QPainter& p, const QRectF& rect, const QString& text, int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.save();
    p.setFont(art::koreanFont(mockFont));
    p.setPen(dialogText);
    p.drawText(rect, flags, text);
    p.restore();
}

// A numbered red marker pointing the reader at a part of the picture.
void callout(QPainter& p, QPointF at, int number)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(highlight);
    p.drawEllipse(at, 6.5, 6.5);
    p.setFont(art::koreanFont(9.0, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(at.x() - 6.5, at.y() - 6.5, 13.0, 13.0), Qt::AlignCenter, QString::number(number));
    p.restore();
}

void ring(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(highlight, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(rect, 3.0, 3.0);
    p.restore();
}

// Part of the main window, scaled into `target`; `overlay` draws on top in window coordinates.
void mainWindowCrop(QPainter& p, const QRectF& target, const QRectF& source,
                    const std::function<void(QPainter&)>& overlay = {})
{
    const qreal scale = std::min(target.width() / source.width(), target.height() / source.height());
    const QSizeF shown = source.size() * scale;
    const QRectF frame(target.center().x() - shown.width() / 2.0, target.center().y() - shown.height() / 2.0,
                       shown.width(), shown.height());
    p.save();
    p.setClipRect(frame);
    p.translate(frame.topLeft());
    p.scale(scale, scale);
    p.translate(-source.topLeft());
    art::paintMainBackground(p);
    if (overlay)
        overlay(p);
    p.restore();
    p.save();
    p.setPen(QPen(QColor(art::colours::gold), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.restore();
}

// --- page frame -----------------------------------------------------------------------------------

struct Layout {
    QRectF picture;
    QRectF text;
};

// Height the explanation takes when wrapped to `width`.
qreal bodyHeight(qreal width, const QStringList& lines)
{
    const QFontMetricsF metrics(art::koreanFont(bodyFont));
    qreal height = 0.0;
    for (const QString& line : lines)
        height += metrics.boundingRect(QRectF(0, 0, width - 9.0, 1000.0), Qt::TextWordWrap, line).height() + 3.0;
    return height;
}

void paintBody(QPainter& p, const QRectF& rect, const QStringList& lines)
{
    p.save();
    p.setFont(art::koreanFont(bodyFont));
    qreal y = rect.top();
    const QFontMetricsF metrics(p.font());
    for (const QString& line : lines) {
        const QRectF room(rect.left() + 9.0, y, rect.width() - 9.0, rect.bottom() - y);
        const QRectF used = metrics.boundingRect(room, Qt::TextWordWrap, line);
        p.setPen(QColor(art::colours::goldBright));
        p.setBrush(QColor(art::colours::gold));
        p.drawEllipse(QPointF(rect.left() + 3.0, y + metrics.height() / 2.0), 1.6, 1.6);
        art::drawShadowText(p, room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, QColor(art::colours::text));
        y += used.height() + 3.0;
    }
    p.restore();
}

QImage page(QSizeF size, const QString& title, const QStringList& lines, bool sideBySide,
            const std::function<void(QPainter&, const QRectF&)>& picture)
{
    QImage image((size * renderScale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.scale(renderScale, renderScale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF whole(0, 0, size.width(), size.height());
    QLinearGradient back(whole.topLeft(), whole.bottomLeft());
    back.setColorAt(0.0, QColor(0x1c, 0x23, 0x2e));
    back.setColorAt(1.0, QColor(0x0e, 0x12, 0x19));
    p.fillRect(whole, back);
    art::drawPanel(p, whole.adjusted(1, 1, -1, -1), 4.0);

    const QRectF titleBand(2, 2, size.width() - 4, 19);
    QLinearGradient band(titleBand.topLeft(), titleBand.bottomLeft());
    band.setColorAt(0.0, QColor(0x3a, 0x45, 0x56));
    band.setColorAt(1.0, QColor(0x1e, 0x25, 0x30));
    p.fillRect(titleBand, band);
    p.setPen(QPen(QColor(art::colours::gold), 1.0));
    p.drawLine(QPointF(2, 21.5), QPointF(size.width() - 2, 21.5));
    p.setFont(art::koreanFont(11.5, true));
    art::drawShadowText(p, titleBand.adjusted(8, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, title,
                        QColor(art::colours::heading));

    Layout layout;
    if (sideBySide) {
        const qreal pictureWidth = size.width() * 0.56;
        layout.picture = QRectF(8, 28, pictureWidth - 8, size.height() - 36);
        layout.text = QRectF(pictureWidth + 8, 32, size.width() - pictureWidth - 16, size.height() - 40);
    } else {
        const qreal textHeight = bodyHeight(size.width() - 16, lines) + 6.0;
        layout.picture = QRectF(8, 28, size.width() - 16, size.height() - 36 - textHeight);
        layout.text = QRectF(8, size.height() - textHeight - 4, size.width() - 16, textHeight);
    }
    picture(p, layout.picture);
    paintBody(p, layout.text, lines);
    p.end();
    return image;
}

// Fits a dialog of the given logical size into `area`, so its parts can be drawn in dialog
// coordinates.
void fitDialog(QPainter& p, const QRectF& area, QSizeF dialog)
{
    const qreal scale = std::min({area.width() / dialog.width(), area.height() / dialog.height(), 1.3});
    p.translate(area.center().x() - dialog.width() * scale / 2.0, area.center().y() - dialog.height() * scale / 2.0);
    p.scale(scale, scale);
}

QStringList items(std::initializer_list<const char16_t*> texts)
{
    QStringList list;
    for (const char16_t* text : texts)
        list << QString::fromUtf16(text);
    return list;
}

// --- the pages ------------------------------------------------------------------------------------

constexpr QSizeF itemPage(254, 205);
constexpr QSizeF shieldPage(408, 205);
constexpr QSizeF synthesisPage(349, 449);
constexpr QSizeF skillPage(225, 225);

QImage characterWindowPage()
{
    return page(itemPage, QStringLiteral("내 정보창(1/6)"),
                items({u"① 직업을 고르면 기본 수치가 정해집니다.", u"② 무기 칸을 눌러 무기를 착용합니다.",
                       u"③ 장신구 칸을 눌러 장신구를 착용합니다.", u"착용한 칸을 다시 누르면 해제됩니다."}),
                false, [](QPainter& p, const QRectF& area) {
                    mainWindowCrop(p, area, QRectF(10, 86, 460, 384), [](QPainter& q) {
                        mockTextBox(q, QRectF(336, 90, 73, 21), QStringLiteral("직업"));
                        ring(q, QRectF(332, 86, 81, 29));
                        ring(q, QRectF(20, 124, 73, 73));
                        ring(q, QRectF(236, 356, 222, 113));
                    });
                    const qreal scale = std::min(area.width() / 460.0, area.height() / 384.0);
                    const QPointF origin(area.center().x() - 230.0 * scale, area.center().y() - 192.0 * scale);
                    auto at = [&](qreal x, qreal y) { return origin + QPointF((x - 10) * scale, (y - 86) * scale); };
                    callout(p, at(420, 100), 1);
                    callout(p, at(110, 160), 2);
                    callout(p, at(225, 420), 3);
                });
}

QImage weaponKindPage()
{
    return page(itemPage, QStringLiteral("무기 선택창(2/6)"),
                items({u"얻은 곳에 맞는 무기 종류를 고르세요.", u"4대 던전 · 바다뱀 보급기지 · 기타 무기",
                       u"직업을 먼저 골라야 이 창이 열립니다."}),
                false, [](QPainter& p, const QRectF& area) {
                    p.save();
                    fitDialog(p, area, QSizeF(150, 112));
                    mockWindow(p, QRectF(0, 0, 150, 112), QStringLiteral("무기 종류"));
                    const std::array<QString, 4> captions = {QStringLiteral("4대 던전 무기"),
                                                             QStringLiteral("바다뱀 보급기지 무기"),
                                                             QStringLiteral("기타 무기"), QStringLiteral("취소")};
                    for (std::size_t i = 0; i < captions.size(); ++i)
                        mockButton(p, QRectF(14, 19 + i * 23.0, 122, 19), captions[i]);
                    p.restore();
                });
}

QImage dungeonWeaponPage()
{
    return page(itemPage, QStringLiteral("4대 던전 무기 착용창(3/6)"),
                items({u"공격력과 던전을 고르면 확인이 켜집니다.", u"부가 옵션은 던전과 직업으로 정해집니다.",
                       u"금강석: 능력치와 오각·육각 중 선택"}),
                false, [](QPainter& p, const QRectF& area) {
                    p.save();
                    fitDialog(p, area, QSizeF(236, 124));
                    mockWindow(p, QRectF(0, 0, 236, 124), QStringLiteral("4대 던전 무기"));
                    mockFrame(p, QRectF(8, 24, 220, 32), QStringLiteral("기본 옵션"));
                    mockLabel(p, QRectF(18, 30, 40, 22), QStringLiteral("공격력"));
                    mockList(p, QRectF(110, 30, 108, 23), items({u"185", u"181", u"173"}), 0);
                    mockFrame(p, QRectF(8, 66, 220, 34), QStringLiteral("던전 종류"));
                    mockOption(p, QPointF(16, 77), QStringLiteral("영린족 유적지"), true);
                    mockOption(p, QPointF(120, 77), QStringLiteral("홍돈족 소굴"));
                    mockOption(p, QPointF(16, 90), QStringLiteral("낙원 사원"));
                    mockOption(p, QPointF(120, 90), QStringLiteral("거미 둥지"));
                    mockButton(p, QRectF(16, 104, 80, 16), QStringLiteral("확인"));
                    mockButton(p, QRectF(140, 104, 80, 16), QStringLiteral("취소"));
                    p.restore();
                });
}

QImage seaSerpentWeaponPage()
{
    return page(itemPage, QStringLiteral("바다뱀 던전 무기 착용창(4/6)"),
                items({u"네임드를 고르면 공격력 목록이 나옵니다.", u"부가 옵션은 네임드와 직업으로 정해집니다.",
                       u"공격력을 골라야 확인이 켜집니다."}),
                false, [](QPainter& p, const QRectF& area) {
                    p.save();
                    fitDialog(p, area, QSizeF(236, 124));
                    mockWindow(p, QRectF(0, 0, 236, 124), QStringLiteral("바다뱀 보급기지 무기"));
                    mockFrame(p, QRectF(8, 24, 220, 32), QStringLiteral("기본 옵션"));
                    mockLabel(p, QRectF(18, 30, 40, 22), QStringLiteral("공격력"));
                    mockList(p, QRectF(110, 30, 108, 23), items({u"242", u"231", u"220", u"209", u"198"}), 0);
                    mockFrame(p, QRectF(8, 66, 220, 34), QStringLiteral("네임드"));
                    mockOption(p, QPointF(16, 77), QStringLiteral("발라라, 태장금, 막소보"));
                    mockOption(p, QPointF(16, 90), QStringLiteral("포화란"), true);
                    mockButton(p, QRectF(16, 104, 80, 16), QStringLiteral("확인"));
                    mockButton(p, QRectF(140, 104, 80, 16), QStringLiteral("취소"));
                    p.restore();
                });
}

QImage freeWeaponPage()
{
    return page(itemPage, QStringLiteral("기타 무기 착용창(5/6)"),
                items({u"목록에 없는 무기는 수치를 직접 넣습니다.", u"공격력이 0보다 커야 확인이 켜집니다.",
                       u"빈 칸은 0, 금강석은 삼각~육각 선택"}),
                false, [](QPainter& p, const QRectF& area) {
                    p.save();
                    fitDialog(p, area, QSizeF(236, 128));
                    mockWindow(p, QRectF(0, 0, 236, 128), QStringLiteral("기타 무기"));
                    mockFrame(p, QRectF(8, 24, 220, 28), QStringLiteral("기본 옵션"));
                    mockLabel(p, QRectF(18, 30, 40, 18), QStringLiteral("공격력"));
                    mockTextBox(p, QRectF(110, 31, 100, 15), QStringLiteral("190"));
                    mockFrame(p, QRectF(8, 62, 220, 44), QStringLiteral("부가 옵션"));
                    const std::array<QString, 6> stats = {QStringLiteral("관통"), QStringLiteral("명중"),
                                                          QStringLiteral("치명"), QStringLiteral("방어"),
                                                          QStringLiteral("막기"), QStringLiteral("회피")};
                    for (std::size_t i = 0; i < stats.size(); ++i) {
                        const qreal x = i < 3 ? 18.0 : 124.0;
                        const qreal y = 68.0 + (i % 3) * 12.5;
                        mockLabel(p, QRectF(x, y, 30, 12), stats[i]);
                        mockTextBox(p, QRectF(x + 40, y + 0.5, 44, 11));
                    }
                    mockButton(p, QRectF(16, 110, 80, 16), QStringLiteral("확인"));
                    mockButton(p, QRectF(140, 110, 80, 16), QStringLiteral("취소"));
                    p.restore();
                });
}

QImage accessoryPage()
{
    return page(itemPage, QStringLiteral("장신구 착용창(6/6)"),
                items({u"장신구 칸을 누르면 이 창이 열립니다.", u"열 가지 수치를 넣고 확인을 누르세요.",
                       u"빈 칸은 0으로 들어갑니다."}),
                false, [](QPainter& p, const QRectF& area) {
                    p.save();
                    fitDialog(p, area, QSizeF(210, 112));
                    mockWindow(p, QRectF(0, 0, 210, 112), QStringLiteral("반지1"));
                    const std::array<QString, 10> stats = {QStringLiteral("공격력"),    QStringLiteral("치명타피해량"),
                                                           QStringLiteral("관통"),      QStringLiteral("명중"),
                                                           QStringLiteral("치명"),      QStringLiteral("방어"),
                                                           QStringLiteral("막기"),      QStringLiteral("회피"),
                                                           QStringLiteral("추가 피해"), QStringLiteral("최대생명력")};
                    for (std::size_t i = 0; i < stats.size(); ++i) {
                        const qreal x = i < 5 ? 8.0 : 108.0;
                        const qreal y = 19.0 + (i % 5) * 14.0;
                        mockLabel(p, QRectF(x, y, 56, 12), stats[i]);
                        mockTextBox(p, QRectF(x + 56, y, 32, 12), i == 2 ? QStringLiteral("12") : QString());
                    }
                    mockLabel(p, QRectF(98, 33, 10, 12), QStringLiteral("%"));
                    mockButton(p, QRectF(30, 92, 60, 16), QStringLiteral("확인"));
                    mockButton(p, QRectF(120, 92, 60, 16), QStringLiteral("취소"));
                    p.restore();
                });
}

constexpr std::array<std::array<int, 8>, 2> boardLefts = {
    {{7320, 8160, 9000, 9840, 10665, 11475, 12315, 13155}, {7320, 8145, 8985, 9825, 10635, 11475, 12315, 13140}}};
constexpr std::array<int, 4> boardTops = {1800, 2640, 3480, 4320};

void drawBoard(QPainter& q)
{
    for (int row = 1; row <= 4; ++row) {
        for (int piece = 1; piece <= 8; ++piece) {
            const QRectF rect(boardLefts[row == 1 ? 0 : 1][piece - 1] / 15.0, boardTops[row - 1] / 15.0, 770 / 15.0,
                              770 / 15.0);
            q.drawPixmap(rect, art::boardButtonPixmap(row, piece, 52, 4.0), QRectF(0, 0, 208, 208));
        }
    }
}

QImage inventoryPage()
{
    return page(shieldPage, QStringLiteral("아이템창(1/3)"),
                items({u"소지품 창 위쪽 네 줄이 보패 버튼입니다.",
                       u"1줄 잃어버린 영린족, 2줄 바다뱀(최상급), 3줄 바다뱀(영웅), 4줄 기타 보패",
                       u"칸 번호가 보패 번호(1~8)입니다.", u"착용한 보패를 다시 누르면 해제됩니다."}),
                true,
                [](QPainter& p, const QRectF& area) { mainWindowCrop(p, area, QRectF(482, 40, 457, 302), drawBoard); });
}

QImage pieceEditorPage()
{
    return page(shieldPage, QStringLiteral("보패 옵션 선택창(2/3)"),
                items({u"주 옵션 수치를 고르세요.", u"부가 옵션 셋 중 하나를 골라 수치를 정하면 확인이 켜집니다.",
                       u"확인하면 그 자리의 보패가 바뀌고 합성은 초기화됩니다."}),
                true, [](QPainter& p, const QRectF& area) {
                    p.save();
                    fitDialog(p, area, QSizeF(176, 188));
                    mockWindow(p, QRectF(0, 0, 176, 188), QStringLiteral("잃어버린 영린족 보패 1번"));
                    mockFrame(p, QRectF(8, 24, 160, 40), QStringLiteral("주 옵션"));
                    mockLabel(p, QRectF(12, 30, 60, 30), QStringLiteral("명중"), Qt::AlignCenter);
                    mockList(p, QRectF(76, 29, 84, 34), items({u"98", u"86", u"68"}), 0);
                    mockFrame(p, QRectF(8, 74, 160, 88), QStringLiteral("부가 옵션"));
                    const std::array<QString, 3> subs = {QStringLiteral("막기"), QStringLiteral("치명"),
                                                         QStringLiteral("회피")};
                    for (int i = 0; i < 3; ++i) {
                        mockOption(p, QPointF(14, 92 + i * 26.0), subs[i], i == 1);
                        mockList(p, QRectF(76, 81 + i * 26.0, 84, 24), items({u"41", u"32"}), i == 1 ? 0 : -1);
                    }
                    mockButton(p, QRectF(14, 168, 66, 16), QStringLiteral("확인"));
                    mockButton(p, QRectF(96, 168, 66, 16), QStringLiteral("취소"));
                    p.restore();
                });
}

QImage setEffectPage()
{
    return page(shieldPage, QStringLiteral("보패 셋트 효과 확인법(3/3)"),
                items({u"같은 셋트를 3·5·8개 착용하면 셋트 효과가 붙습니다.",
                       u"적용된 단계의 표시가 빛나고, 마우스를 올리면 효과가 보입니다.",
                       u"바다뱀 보패는 최상급과 영웅을 합쳐 셉니다."}),
                true, [](QPainter& p, const QRectF& area) {
                    const QRectF crop(area.left(), area.top(), area.width() * 0.46, area.height());
                    mainWindowCrop(p, crop, QRectF(232, 120, 225, 244), [](QPainter& q) {
                        const QRectF shield(240, 128, 209, 201);
                        for (int piece = 1; piece <= 3; ++piece)
                            art::paintShieldSegment(q, shield, art::PieceSet::Lost, piece);
                        art::paintIndicatorTile(q, QRectF(240, 333, 23, 23), 3, art::IndicatorLook::Lit);
                        art::paintIndicatorTile(q, QRectF(272, 333, 23, 23), 5, art::IndicatorLook::Dim);
                        art::paintIndicatorTile(q, QRectF(304, 333, 23, 23), 8, art::IndicatorLook::Dim);
                        ring(q, QRectF(236, 329, 95, 31));
                    });
                    // The tooltip as it appears over the indicators.
                    const QRectF tip(area.left() + area.width() * 0.49, area.top() + 30.0, area.width() * 0.51, 72.0);
                    p.save();
                    p.fillRect(tip, QColor(64, 64, 64));
                    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1.0));
                    p.drawRect(tip.adjusted(0.5, 0.5, -0.5, -0.5));
                    p.setFont(art::koreanFont(7.0));
                    p.setPen(Qt::white);
                    const QStringList lines =
                        items({u"잃어버린 영린족 보패", u"3세트 효과 : 명중 39 증가", u"5세트 효과 : 회피119 증가",
                               u"8세트 효과 : 관통 167 증가, 막기 71 증가"});
                    p.drawText(tip.adjusted(5.0, 5.0, -3.0, -3.0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                               lines.join(QLatin1Char('\n')));
                    p.restore();
                });
}

QImage synthesisChooserPage()
{
    return page(
        synthesisPage, QStringLiteral("보패 합성창(1/2)"),
        items({u"오른쪽 아래 합성 버튼을 누르면 이 창이 열립니다.",
               u"착용한 보패를 고르고 합성할 능력치 버튼을 누르세요.",
               u"합성 해제는 고른 보패의 합성을 모두 없앱니다."}),
        false, [](QPainter& p, const QRectF& area) {
            const QRectF top(area.left(), area.top(), area.width(), area.height() * 0.38);
            mainWindowCrop(p, top, QRectF(482, 580, 457, 190), [](QPainter& q) { ring(q, QRectF(564, 716, 73, 49)); });
            const QRectF dialog(area.left(), top.bottom() + 8.0, area.width(), area.height() - top.height() - 8.0);
            p.save();
            fitDialog(p, dialog, QSizeF(341, 183));
            mockWindow(p, QRectF(0, 0, 341, 183), QStringLiteral("착용한 보패 합성"));
            for (int piece = 1; piece <= 8; ++piece) {
                const qreal x = 16.0 + ((piece - 1) / 2) * 80.0;
                const qreal y = (piece % 2 == 1) ? 28.0 : 52.0;
                mockOption(p, QPointF(x, y), QStringLiteral("%1번 보패").arg(piece), piece == 3);
            }
            const std::array<QString, 6> stats = {QStringLiteral("관통 합성"), QStringLiteral("명중 합성"),
                                                  QStringLiteral("치명 합성"), QStringLiteral("방어 합성"),
                                                  QStringLiteral("막기 합성"), QStringLiteral("회피 합성")};
            for (std::size_t i = 0; i < stats.size(); ++i)
                mockButton(p, QRectF(16 + (i % 3) * 108.0, 76 + (i / 3) * 32.0, 96, 25), stats[i]);
            mockButton(p, QRectF(48, 144, 97, 25), QStringLiteral("합성 해제"));
            mockButton(p, QRectF(168, 144, 97, 25), QStringLiteral("닫기"));
            p.restore();
        });
}

QImage synthesisDialogPage()
{
    return page(
        synthesisPage, QStringLiteral("무기 선택창(2/2)"),
        items({u"합성패 수치를 넣거나 상급 합성패를 고르세요.", u"수치가 합성최대치보다 크면 최대치까지만 합성됩니다.",
               u"합성을 누르면 그 보패의 다른 합성은 0이 됩니다."}),
        false, [](QPainter& p, const QRectF& area) {
            p.save();
            fitDialog(p, area, QSizeF(265, 178));
            mockWindow(p, QRectF(0, 0, 265, 178), QStringLiteral("관통 합성"));
            mockLabel(p, QRectF(8, 20, 81, 17), QStringLiteral("합성패 수치"), Qt::AlignCenter);
            mockTextBox(p, QRectF(96, 20, 161, 17), QStringLiteral("76"));
            p.save();
            p.setFont(art::koreanFont(mockFont));
            p.setPen(dialogText);
            p.drawText(QRectF(8, 42, 153, 33), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       QStringLiteral("합성패 수치가 3번 보패의 합성최대치보다 낮습니다."));
            p.restore();
            mockLabel(p, QRectF(168, 42, 89, 17), QStringLiteral("최대합성치: 85"));
            mockButton(p, QRectF(168, 62, 41, 44), QStringLiteral("합성"));
            mockButton(p, QRectF(216, 62, 41, 44), QStringLiteral("취소"));
            mockLabel(p, QRectF(8, 80, 153, 17), QStringLiteral("관통 76이(가) 합성됩니다."));
            mockLabel(p, QRectF(8, 104, 153, 17), QStringLiteral("상급 합성패 선택"));
            mockList(p, QRectF(8, 122, 249, 50),
                     items({u"수월평원 장인의 관통 합성패 76", u"대사막 장인의 관통 합성패 59",
                            u"사지석림 장인의 관통 합성패 46", u"열사지대 장인의 관통 합성패 33"}),
                     0);
            p.restore();
        });
}

QImage stanceButtonsPage()
{
    return page(skillPage, QStringLiteral("스킬 적용창(1/2)"),
                items({u"직업을 고르면 스킬 버튼이 나타납니다.", u"누를 때마다 on / off 가 바뀝니다.",
                       u"기공사·소환사는 스킬이 없습니다."}),
                false, [](QPainter& p, const QRectF& area) {
                    mainWindowCrop(p, area, QRectF(482, 336, 228, 140), [](QPainter& q) {
                        const std::array<std::pair<const char16_t*, const char16_t*>, 2> buttons = {
                            {{u"발도", u"on"}, {u"번개베기", u"off"}}};
                        const std::array<qreal, 2> lefts = {7320 / 15.0, 8145 / 15.0};
                        for (std::size_t i = 0; i < buttons.size(); ++i) {
                            const QRectF button(lefts[i], 5950 / 15.0, 770 / 15.0, 770 / 15.0);
                            q.drawImage(button, stancePicture(QString::fromUtf16(buttons[i].first)));
                            q.setFont(art::koreanFont(11.0, true));
                            q.setPen(Qt::yellow);
                            q.drawText(QRectF(lefts[i], 6720 / 15.0, 770 / 15.0, 17.0), Qt::AlignCenter,
                                       QString::fromUtf16(buttons[i].second));
                        }
                    });
                });
}

QImage stanceEffectPage()
{
    return page(skillPage, QStringLiteral("스킬 적용 전후(2/2)"),
                items({u"예) 검사의 발도 자세를 켜면 치명률 +5%, 회피율 +20%, 막기 0",
                       u"끄거나 직업을 바꾸면 원래대로 돌아옵니다."}),
                false, [](QPainter& p, const QRectF& area) {
                    const QRectF table(area.left() + 4.0, area.top() + 6.0, area.width() - 8.0, 98.0);
                    p.save();
                    p.setPen(QPen(QColor(art::colours::bronze), 1.0));
                    p.setBrush(QColor(0, 0, 0, 80));
                    p.drawRoundedRect(table, 4, 4);
                    const std::array<qreal, 3> columns = {table.left() + 8.0, table.left() + table.width() * 0.42,
                                                          table.left() + table.width() * 0.72};
                    p.setFont(art::koreanFont(10.5, true));
                    art::drawShadowText(p, QRectF(columns[1], table.top() + 4, 60, 16),
                                        Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("off"),
                                        QColor(art::colours::textDim));
                    art::drawShadowText(p, QRectF(columns[2], table.top() + 4, 60, 16),
                                        Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("on"), Qt::yellow);
                    struct Row {
                        const char16_t* name;
                        const char16_t* before;
                        const char16_t* after;
                    };
                    const std::array<Row, 3> rows = {
                        {{u"치명률", u"20.5 %", u"25.5 %"}, {u"회피율", u"12 %", u"32 %"}, {u"막기", u"289", u"0"}}};
                    p.setFont(art::koreanFont(10.5));
                    for (std::size_t i = 0; i < rows.size(); ++i) {
                        const qreal y = table.top() + 26.0 + i * 22.0;
                        art::drawShadowText(p, QRectF(columns[0], y, 80, 18), Qt::AlignLeft | Qt::AlignVCenter,
                                            QString::fromUtf16(rows[i].name), QColor(art::colours::text));
                        art::drawShadowText(p, QRectF(columns[1], y, 60, 18), Qt::AlignLeft | Qt::AlignVCenter,
                                            QString::fromUtf16(rows[i].before), Qt::white);
                        art::drawShadowText(p, QRectF(columns[2], y, 60, 18), Qt::AlignLeft | Qt::AlignVCenter,
                                            QString::fromUtf16(rows[i].after), QColor(0x8c, 0xf0, 0x8c));
                    }
                    p.restore();
                });
}

} // namespace

void writeHelpPages(ImageSink& sink)
{
    const std::array<QImage (*)(), 13> pages = {
        characterWindowPage, weaponKindPage,    dungeonWeaponPage, seaSerpentWeaponPage, freeWeaponPage,
        accessoryPage,       inventoryPage,     pieceEditorPage,   setEffectPage,        synthesisChooserPage,
        synthesisDialogPage, stanceButtonsPage, stanceEffectPage,
    };
    for (std::size_t i = 0; i < pages.size(); ++i)
        sink.jpeg(QStringLiteral("도움말%1.jpg").arg(i + 1), pages[i]());
}

} // namespace tessarin::imagegen
