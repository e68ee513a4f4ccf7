#include "ui/common/wrapping_label.h"

#include <QFontMetricsF>
#include <QPainter>

#include <array>

namespace tessarin {

namespace {

// The words the game's compound terms are made of. A caption made of these breaks only between them;
// the longest word that matches wins, so 치명타 is not read as 치명 + 타.
constexpr std::array<const char16_t*, 40> kWords = {
    u"치명타", u"피해량", u"피해",   u"최대",   u"생명력", u"생명",   u"추가",   u"기대",   u"공격력", u"공격",
    u"감소율", u"명중률", u"명중",   u"치명률", u"치명",   u"방어율", u"방어력", u"방어",   u"막기율", u"막기",
    u"회피율", u"회피",   u"관통",   u"확률",   u"효과",   u"세트",   u"합성",   u"합성패", u"수치",   u"해제",
    u"보패",   u"착용한", u"금강석", u"옵션",   u"무기",   u"종류",   u"던전",   u"선택",   u"재생",   u"집중"};

// Length of the longest word that starts at `at`, 0 when none does.
int wordAt(const QString& text, int at)
{
    int longest = 0;
    for (const char16_t* word : kWords) {
        const QStringView view(word);
        if (view.size() > longest && QStringView(text).sliced(at).startsWith(view))
            longest = static_cast<int>(view.size());
    }
    return longest;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Splits a line that is too wide for one word at the last character that still fits.
void breakAnywhere(const QString& word, const QFontMetricsF& metrics, qreal width, QStringList& lines)
{
    QString line;
    for (QChar c : word) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            lines << line;
            line.clear();
        }
        line += c;
    }
    if (!line.isEmpty())
        lines << line;
}

} // namespace

WrappingLabel::WrappingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

QList<int> WrappingLabel::breakOpportunities(const QString& text)
{
    QList<int> breaks;
    auto add = [&breaks, &text](int at) {
        // A line never starts with a blank: the break before blanks is the one after them.
        if (at > 0 && at < text.size() && !isBlank(text[at]) && text[at] != u'\n' &&
            (breaks.isEmpty() || breaks.last() != at))
            breaks << at;
    };
    int i = 0;
    while (i < text.size()) {
        if (isBlank(text[i]) || text[i] == u'\n') {
            while (i < text.size() && (isBlank(text[i]) || text[i] == u'\n'))
                ++i;
            add(i); // a line starts after the blanks
            continue;
        }
        if (const int length = wordAt(text, i)) {
            add(i);
            i += length;
            add(i);
            continue;
        }
        ++i; // other text stays together up to the next blank or known word
    }
    return breaks;
}

QStringList WrappingLabel::wrap(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    // The pieces between break opportunities, each with the blanks that follow it.
    QStringList pieces;
    int start = 0;
    QList<int> ends = breakOpportunities(text);
    ends << static_cast<int>(text.size());
    for (int at : ends) {
        pieces << text.mid(start, at - start);
        start = at;
    }

    QStringList lines;
    QString line;
    auto finishLine = [&] {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines << trimmed;
        line.clear();
    };
    for (const QString& piece : pieces) {
        const bool forced = line.contains(u'\n');
        const QString candidate = (line + piece).trimmed();
        if (!line.trimmed().isEmpty() && (forced || metrics.horizontalAdvance(candidate) > width))
            finishLine();
        if (line.isEmpty() && metrics.horizontalAdvance(piece.trimmed()) > width) {
            breakAnywhere(piece.trimmed(), metrics, width, lines);
            continue;
        }
        line += piece;
    }
    finishLine();
    return lines;
}

void WrappingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRectF area(contentsRect());
    const QFontMetricsF metrics(font());
    const QStringList lines = wrap(text(), metrics, area.width());
    const qreal lineHeight = metrics.height();
    const qreal height = lineHeight * static_cast<qreal>(lines.size());
    qreal top = area.top();
    if (alignment() & Qt::AlignVCenter)
        top += (area.height() - height) / 2;
    else if (alignment() & Qt::AlignBottom)
        top += area.height() - height;
    const int horizontal = static_cast<int>(alignment() & Qt::AlignHorizontal_Mask);
    for (const QString& line : lines) {
        painter.drawText(QRectF(area.left(), top, area.width(), lineHeight), horizontal | Qt::AlignVCenter, line);
        top += lineHeight;
    }
}

} // namespace tessarin
