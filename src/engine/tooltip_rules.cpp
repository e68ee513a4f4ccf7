#include "engine/tooltip_rules.h"

#include "data/catalogue.h"
#include "data/gems.h"

#include <array>

namespace tessarin {

namespace {

// Pointer positions this close to a picture's border (twips) belong to its edge band.
bool inEdgeBand(QPointF pointer, double low, double high)
{
    return pointer.x() <= low || pointer.x() >= high || pointer.y() <= low || pointer.y() >= high;
}

void appendSet(QStringList& lines, SetGroup group)
{
    for (const QString& line : catalogueSetTexts(group))
        lines << line;
}

// The gem flags in the order the tooltip looks for a fitted gem: each size plain, then shining.
constexpr std::array<int, kGemKindCount> kGemSearchOrder = {1, 5, 2, 6, 3, 7, 4, 8};

} // namespace

int fittedGemKind(const CharacterState& state)
{
    for (int kind : kGemSearchOrder)
        if (state.gemFlags[static_cast<std::size_t>(kind - 1)])
            return kind;
    return 0;
}

QString tooltipText(const QStringList& lines)
{
    static const QString kLineStart = QStringLiteral("\r\n      ");
    QString text;
    for (const QString& line : lines)
        text += kLineStart + line;
    return text;
}

TooltipView setIndicatorTooltip(const CharacterState& state, QPointF pointer)
{
    TooltipView view;
    if (inEdgeBand(pointer, 20, 325))
        return view;
    QStringList lines;
    if (state.lostSetPresent)
        appendSet(lines, SetGroup::Lost);
    if (state.seaSerpentSetPresent)
        appendSet(lines, SetGroup::SeaSerpent);
    if (lines.isEmpty()) {
        view.action = TooltipView::Action::Hide;
        return view;
    }
    const bool both = state.lostSetPresent && state.seaSerpentSetPresent;
    view.action = TooltipView::Action::Show;
    view.text = tooltipText(lines);
    view.height = both ? 2000 : 1200;
    view.width = both ? 3650 : 3600;
    view.sizeLabel = true;
    view.offset = pointer + QPointF(3700, 5000);
    return view;
}

TooltipView gemTooltip(const CharacterState& state, QPointF pointer)
{
    TooltipView view;
    if (inEdgeBand(pointer, 50, 700)) {
        view.action = TooltipView::Action::Close;
        return view;
    }
    const int kind = fittedGemKind(state);
    // Every editor sets the stat before the flag, so a fitted gem always has one; a record holding a
    // flag without a stat is treated as no gem rather than read out of the table.
    if (kind == 0 || state.gemStatKind < 1 || state.gemStatKind > kGemStatCount)
        return view;
    view.action = TooltipView::Action::Show;
    view.text = tooltipText({gemTooltipName(kind), gemTooltipText(kind, state.gemStatKind)});
    view.height = 820;
    view.width = gemKindShining(kind) ? 2000 : 1600;
    view.offset = pointer + QPointF(2400, 4400);
    return view;
}

} // namespace tessarin
