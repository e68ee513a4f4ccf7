#pragma once

#include "engine/stat_sheet.h"
#include "state/character_state.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace tessarin {

// The seventeen figures a person reads on the sheet, in the sheet's order.
enum class Figure : int {
    Attack,
    Penetration,
    Accuracy,
    Critical,
    Life,
    Defence,
    Block,
    Evasion,
    AdditionalDamage,
    ExpectedAttack,
    PenetrationRate,
    AccuracyRate,
    CritRate,
    CritDamage,
    DefenceRate,
    BlockRate,
    EvasionRate,
};
inline constexpr int kFigureCount = 17;

struct FigureInfo {
    Figure figure;
    const char* name; // as the sheet names it: "공격력" .. "회피율"
    SheetLabel label; // the label that shows it (with its bonuses)
    bool rate;        // shown with "%", its differences in percentage points
};
extern const std::array<FigureInfo, kFigureCount> kFigures;
const FigureInfo& figureInfo(Figure figure);

// What an action would do to the record: the very rule its button or click calls, on a copy.
using Candidate = std::function<void(CharacterState&)>;

// The record as the sheet will see it after the set-effect timers have run: presence flags and set
// effects brought up to date from the counts.
CharacterState settledCopy(const CharacterState& state);

// The sheet the record shows once its set effects are current.
StatSheet settledSheet(const CharacterState& state);

// The sheet after `candidate`: a copy of the record, the candidate applied, the set-effect rules run,
// then computeSheet. No figure is computed anywhere else.
StatSheet previewSheet(const CharacterState& state, const Candidate& candidate);

// One figure that differs between two sheets, as the labels show it.
struct FigureChange {
    Figure figure;
    double before;
    double after;
};

// The figures whose shown text differs between two sheets, in the sheet's order. Also for comparing
// two characters.
std::vector<FigureChange> changedFigures(const StatSheet& before, const StatSheet& after);

// One line of a change list: "기대공격력 348.28 → 351.8 (+3.52)", "명중률 87.55% → 88.1% (+0.55%p)". The
// difference is after − before rounded to two decimals, always signed.
struct ChangeLine {
    QString text;
    bool rise = false; // false: the figure falls
};
ChangeLine changeLine(Figure figure, double before, double after);

// The parts of a change line, for a table: each figure as its label shows it (rates with "%") and the
// difference ("+3.52", "-0.55%p"; "0" or "0%p" when both show the same).
struct ChangeCells {
    QString before;
    QString after;
    QString difference;
    bool changed = false;
    bool rise = false;
};
ChangeCells changeCells(Figure figure, double before, double after);

// Every changed figure's line, in the sheet's order; empty when nothing changes.
std::vector<ChangeLine> changeLines(const StatSheet& before, const StatSheet& after);

// The lines of a change panel joined by line feeds, or "변화 없음" when there are none.
QString changeText(const std::vector<ChangeLine>& lines);

} // namespace tessarin
