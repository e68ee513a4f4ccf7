#include "engine/preview.h"

#include "engine/numbers.h"
#include "engine/set_effects.h"

#include <cmath>

namespace tessarin {

const std::array<FigureInfo, kFigureCount> kFigures = {{
    {Figure::Attack, "공격력", SheetLabel::AttackTotal, false},
    {Figure::Penetration, "관통", SheetLabel::PenetrationTotal, false},
    {Figure::Accuracy, "명중", SheetLabel::AccuracyTotal, false},
    {Figure::Critical, "치명", SheetLabel::CriticalTotal, false},
    {Figure::Life, "최대생명력", SheetLabel::LifeTotal, false},
    {Figure::Defence, "방어", SheetLabel::DefenceTotal, false},
    {Figure::Block, "막기", SheetLabel::BlockTotal, false},
    {Figure::Evasion, "회피", SheetLabel::EvasionTotal, false},
    {Figure::AdditionalDamage, "추가피해", SheetLabel::AdditionalDamage, false},
    {Figure::ExpectedAttack, "기대공격력", SheetLabel::ExpectedAttack, false},
    {Figure::PenetrationRate, "피해감소율", SheetLabel::PenetrationRate, true},
    {Figure::AccuracyRate, "명중률", SheetLabel::AccuracyRate, true},
    {Figure::CritRate, "치명률", SheetLabel::CritRate, true},
    {Figure::CritDamage, "치명타피해량", SheetLabel::CritDamage, true},
    {Figure::DefenceRate, "방어율", SheetLabel::DefenceRate, true},
    {Figure::BlockRate, "막기율", SheetLabel::BlockRate, true},
    {Figure::EvasionRate, "회피율", SheetLabel::EvasionRate, true},
}};

const FigureInfo& figureInfo(Figure figure)
{
    return kFigures[static_cast<std::size_t>(figure)];
}

CharacterState settledCopy(const CharacterState& state)
{
    CharacterState copy = state;
    runSetEffectCycle(copy);
    return copy;
}

StatSheet settledSheet(const CharacterState& state)
{
    return computeSheet(settledCopy(state));
}

StatSheet previewSheet(const CharacterState& state, const Candidate& candidate)
{
    CharacterState copy = state;
    candidate(copy);
    runSetEffectCycle(copy);
    return computeSheet(copy);
}

std::vector<FigureChange> changedFigures(const StatSheet& before, const StatSheet& after)
{
    std::vector<FigureChange> changes;
    for (const FigureInfo& info : kFigures) {
        const double a = before.figure(info.label);
        const double b = after.figure(info.label);
        // Equal numbers show equal texts; only numbers that differ need writing out.
        if (a != b && formatNumber(a) != formatNumber(b))
            changes.push_back({info.figure, a, b});
    }
    return changes;
}

ChangeCells changeCells(Figure figure, double before, double after)
{
    const FigureInfo& info = figureInfo(figure);
    const QString unit = info.rate ? QStringLiteral("%") : QString();
    // Each figure as its label shows it, written once and read back.
    const QString beforeText = formatNumber(before);
    const QString afterText = formatNumber(after);
    const double shownBefore = textToNumber(beforeText);
    const double shownAfter = textToNumber(afterText);
    ChangeCells cells;
    cells.before = beforeText + unit;
    cells.after = afterText + unit;
    cells.changed = beforeText != afterText;
    cells.rise = shownAfter > shownBefore;
    const QString points = info.rate ? QStringLiteral("%p") : QString();
    if (!cells.changed) {
        cells.difference = u'0' + points;
        return cells;
    }
    // The sign comes from the comparison, so a change smaller than 0.005 still reads "+0" or "-0".
    const double magnitude = std::round(std::fabs(shownAfter - shownBefore) * 100) / 100;
    cells.difference = (cells.rise ? u'+' : u'-') + formatNumber(magnitude) + points;
    return cells;
}

ChangeLine changeLine(Figure figure, double before, double after)
{
    const ChangeCells cells = changeCells(figure, before, after);
    return {QString::fromUtf8(figureInfo(figure).name) + u' ' + cells.before + QStringLiteral(" → ") + cells.after +
                QStringLiteral(" (") + cells.difference + u')',
            cells.rise};
}

std::vector<ChangeLine> changeLines(const StatSheet& before, const StatSheet& after)
{
    std::vector<ChangeLine> lines;
    for (const FigureChange& change : changedFigures(before, after))
        lines.push_back(changeLine(change.figure, change.before, change.after));
    return lines;
}

QString changeText(const std::vector<ChangeLine>& lines)
{
    if (lines.empty())
        return QStringLiteral("변화 없음");
    QString text;
    for (const ChangeLine& line : lines) {
        if (!text.isEmpty())
            text += u'\n';
        text += line.text;
    }
    return text;
}

} // namespace tessarin
