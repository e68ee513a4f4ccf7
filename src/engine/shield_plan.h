#pragma once

#include "data/catalogue.h"
#include "engine/preview.h"
#include "engine/set_effects.h"
#include "engine/stat_sheet.h"
#include "state/character_state.h"

#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace tessarin {

// The seventeen figures a shield search can aim at or bound: the sheet's figures of the change panel.
using SheetFigure = Figure;
inline constexpr int kSheetFigureCount = kFigureCount;

// The label of the sheet that shows a figure.
SheetLabel sheetLabelOf(SheetFigure figure);
// Its name as the sheet captions it ("공격력" .. "회피율").
QString sheetFigureName(SheetFigure figure);

// The seventeen figures as the sheet shows them: each written as text and read back.
using SheetFigures = std::array<double, kSheetFigureCount>;
SheetFigures shownFigures(const StatSheet& sheet);
inline double figureOf(const SheetFigures& figures, SheetFigure figure)
{
    return figures[static_cast<std::size_t>(figure)];
}

enum class ShieldSynthesis {
    None,     // 합성 없음: searched pieces carry no synthesis
    AtMaximum // 최대치 합성: every searched piece carries one stat at its synthesis maximum
};

// "명중률 ≥ 100": the figure as shown must be at least the value.
struct ShieldMinimum {
    SheetFigure figure = SheetFigure::AccuracyRate;
    double value = 0;
};

struct ShieldSearchSettings {
    SheetFigure goal = SheetFigure::ExpectedAttack;
    std::vector<ShieldMinimum> minimums;                     // up to four in the window; any number here
    OneBased<bool, kCatalogueRows> rows{{true, true, true}}; // catalogue rows 1..3 that may be used
    OneBased<bool, kPieceCount> keep{};                      // position keeps what it holds now
    ShieldSynthesis synthesis = ShieldSynthesis::None;
    int resultCount = 10;
};

// What one position of a result holds: kept as it is, or a catalogue piece confirmed with these choices.
struct ShieldPiecePlan {
    bool kept = true;
    int row = 0;           // 1..3
    int mainIndex = 0;     // 0..2 into the entry's main values (largest first)
    int subOption = 0;     // 1..3
    int subValueIndex = 0; // 0..1 into the sub-option's values (larger first)
    int synthesisStat = 0; // 0 none, 1..6 관통 .. 회피, synthesized at the piece's maximum

    double mainValue(int piece) const;
    double subValue(int piece) const;
    bool operator==(const ShieldPiecePlan&) const = default;
};

struct ShieldResult {
    OneBased<ShieldPiecePlan, kPieceCount> pieces;
    SheetFigures figures{}; // as shown, after the result is applied
};

// Stop flag and progress of a search. Both are used from the searching thread: `progress` gets 0..1 a
// few hundred times at most; a set `stop` ends the search within a few milliseconds.
struct ShieldSearchControl {
    const std::atomic<bool>* stop = nullptr;
    std::function<void(double)> progress;
};

struct ShieldSearchOutcome {
    std::vector<ShieldResult> results; // best first; empty when no shield meets the minimums
    bool stopped = false;              // stopped before the end: the results are the best found so far
    bool pruned = false;               // bounds and dominance were used (see docs/optimizer.md)
    std::uint64_t nodes = 0;           // partial shields looked at
    std::uint64_t evaluations = 0;     // whole shields whose sheet was computed
};

// Ranking of results: the goal as shown, larger first; between equal goals the seventeen figures in
// sheet order, larger first. Equal figures are the same result.
bool ranksBefore(SheetFigure goal, const SheetFigures& a, const SheetFigures& b);

// The best results found so far: at most `capacity`, distinct figures, best first. A result whose
// figures are already held keeps the one found first.
class ShieldTopList {
public:
    ShieldTopList(SheetFigure goal, int capacity);
    bool full() const { return static_cast<int>(items_.size()) >= capacity_; }
    const SheetFigures& worst() const { return items_.back().figures; }
    // Whether a result with these figures would enter the list.
    bool admits(const SheetFigures& figures) const;
    void offer(const ShieldResult& result);
    std::vector<ShieldResult> take() { return std::move(items_); }

private:
    SheetFigure goal_;
    int capacity_;
    std::vector<ShieldResult> items_;
};

// Whether the figures meet every minimum.
bool meetsMinimums(const SheetFigures& figures, const std::vector<ShieldMinimum>& minimums);

// The choices of a searched position, in the order the search space lists them: row, main value,
// sub-option, sub-option value, synthesis stat (only "none" without synthesis).
std::vector<ShieldPiecePlan> shieldPieceChoices(const ShieldSearchSettings& settings);


// Confirms the planned piece at `piece` through the catalogue editor's rule, synthesizes it as the
// synthesis dialog does with a stone of the piece's maximum, and lets the set-effect timers run.
// A kept position is left alone. Returns the piece picture to load (empty for a kept position).
QString applyPiecePlan(CharacterState& state, int piece, const ShieldPiecePlan& plan);

// What the main window must show after a result is applied.
struct AppliedShield {
    OneBased<QString, kPieceCount> piecePictures; // empty: the position was kept
    std::array<QString, kIndicatorCount> indicatorPictures; // last picture each indicator loads; empty: none
};

// Applies a result to the record, position 1 to 8, exactly as confirming each piece in the catalogue
// editor and synthesizing it in the synthesis dialog would (the set-effect timers running between
// the steps). Everything outside the shield stays as it is; `synthesisStat` and `stoneValue` of the
// dialog are left as they were.
AppliedShield applyShieldResult(CharacterState& state, const ShieldResult& result);

} // namespace tessarin
