#include "engine/shield_plan.h"

#include "data/synthesis_stones.h"
#include "engine/numbers.h"
#include "engine/soulshield_rules.h"
#include "engine/synthesis_rules.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace tessarin {

namespace {

const CatalogueEntry& entryOf(const ShieldPiecePlan& plan, int piece)
{
    const CatalogueEntry* entry = catalogueEntry(plan.row, piece);
    assert(entry != nullptr);
    return *entry;
}

} // namespace

SheetLabel sheetLabelOf(SheetFigure figure)
{
    return figureInfo(figure).label;
}

QString sheetFigureName(SheetFigure figure)
{
    return QString::fromUtf8(figureInfo(figure).name);
}

SheetFigures shownFigures(const StatSheet& sheet)
{
    SheetFigures figures{};
    for (std::size_t i = 0; i < figures.size(); ++i)
        figures[i] = displayed(sheet.figure(kFigures[i].label));
    return figures;
}

double ShieldPiecePlan::mainValue(int piece) const
{
    return entryOf(*this, piece).mainValues[static_cast<std::size_t>(mainIndex)];
}

double ShieldPiecePlan::subValue(int piece) const
{
    const CatalogueEntry& entry = entryOf(*this, piece);
    return entry.subOptions[static_cast<std::size_t>(subOption - 1)].values[static_cast<std::size_t>(subValueIndex)];
}

bool ranksBefore(SheetFigure goal, const SheetFigures& a, const SheetFigures& b)
{
    const double ga = figureOf(a, goal);
    const double gb = figureOf(b, goal);
    if (ga != gb)
        return ga > gb;
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), std::greater<>());
}

ShieldTopList::ShieldTopList(SheetFigure goal, int capacity) : goal_(goal), capacity_(std::max(capacity, 0)) {}

bool ShieldTopList::admits(const SheetFigures& figures) const
{
    if (capacity_ == 0)
        return false;
    if (!full())
        return true;
    return ranksBefore(goal_, figures, worst());
}

void ShieldTopList::offer(const ShieldResult& result)
{
    if (!admits(result.figures))
        return;
    for (const ShieldResult& held : items_)
        if (held.figures == result.figures)
            return;
    const auto at = std::upper_bound(items_.begin(), items_.end(), result, [this](const ShieldResult& a, const ShieldResult& b) {
        return ranksBefore(goal_, a.figures, b.figures);
    });
    items_.insert(at, result);
    if (static_cast<int>(items_.size()) > capacity_)
        items_.pop_back();
}

bool meetsMinimums(const SheetFigures& figures, const std::vector<ShieldMinimum>& minimums)
{
    return std::all_of(minimums.begin(), minimums.end(),
                       [&figures](const ShieldMinimum& m) { return figureOf(figures, m.figure) >= m.value; });
}

std::vector<ShieldPiecePlan> shieldPieceChoices(const ShieldSearchSettings& settings)
{
    std::vector<ShieldPiecePlan> choices;
    const int lastSynthesis = settings.synthesis == ShieldSynthesis::AtMaximum ? static_cast<int>(kSynthStatCount) : 0;
    const int firstSynthesis = settings.synthesis == ShieldSynthesis::AtMaximum ? 1 : 0;
    for (int row = 1; row <= kCatalogueRows; ++row) {
        if (!settings.rows[row])
            continue;
        for (int main = 0; main < 3; ++main)
            for (int sub = 1; sub <= 3; ++sub)
                for (int value = 0; value < 2; ++value)
                    for (int stat = firstSynthesis; stat <= lastSynthesis; ++stat)
                        choices.push_back(ShieldPiecePlan{false, row, main, sub, value, stat});
    }
    return choices;
}

namespace {

void noteIndicators(AppliedShield* applied, const IndicatorChanges& changes)
{
    if (applied == nullptr)
        return;
    for (const IndicatorChange& change : changes)
        applied->indicatorPictures[static_cast<std::size_t>(change.indicator)] = QString::fromUtf8(change.picture);
}

QString applyOne(CharacterState& state, int piece, const ShieldPiecePlan& plan, AppliedShield* applied)
{
    if (plan.kept)
        return {};
    const CatalogueEntry& entry = entryOf(plan, piece);
    const QString picture = equipCataloguePiece(state, entry, plan.mainValue(piece), plan.subOption, plan.subValue(piece));
    noteIndicators(applied, runIndicatorCycle(state)); // the editor refreshes the indicators once after its confirm
    runSetEffectCycle(state);                          // then the timers
    if (plan.synthesisStat >= 1 && plan.synthesisStat <= static_cast<int>(kSynthStatCount)) {
        // The dialog's rule, with a stone of the piece's maximum; the dialog's own values are put back.
        const QString stat = state.synthesisStat;
        const std::int16_t stone = state.stoneValue;
        state.synthesisStat = synthesisStatWord(kAllStats[static_cast<std::size_t>(plan.synthesisStat - 1)]);
        state.stoneValue = state.synthesisMax[piece];
        applySynthesis(state, piece);
        state.synthesisStat = stat;
        state.stoneValue = stone;
    }
    return picture;
}

} // namespace

QString applyPiecePlan(CharacterState& state, int piece, const ShieldPiecePlan& plan)
{
    return applyOne(state, piece, plan, nullptr);
}

AppliedShield applyShieldResult(CharacterState& state, const ShieldResult& result)
{
    AppliedShield applied;
    runSetEffectCycle(state);
    for (int piece = 1; piece <= kPieceCount; ++piece)
        applied.piecePictures[piece] = applyOne(state, piece, result.pieces[piece], &applied);
    noteIndicators(&applied, runIndicatorCycle(state));
    return applied;
}

} // namespace tessarin
