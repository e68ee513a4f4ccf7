#pragma once

#include "engine/stat_sheet.h"
#include "state/character_state.h"

#include <QString>

#include <vector>

namespace tessarin {

// One source of a figure: "무기 46", "보패 3번 50", "광풍 2796".
struct BreakdownLine {
    QString name;
    double value = 0;
    // false for the total a rate is computed from: it is shown but not added.
    bool summand = true;
};

// Where a figure of the sheet comes from. The summands add up to `total`, the figure as its label
// shows it.
struct Breakdown {
    std::vector<BreakdownLine> lines;
    double total = 0;
    bool empty() const { return lines.empty(); }
};

// The figures that have a breakdown: the eight totals and equipment figures, 추가피해, 기대공격력 and
// the seven rates. The base column has none.
bool hasBreakdown(SheetLabel label);

// The breakdown of a figure for the record as the sheet shows it (`sheet` is computeSheet(state)): one
// line per source that is not 0, in the order the sheet adds them, the stance that changes the figure
// as a line of its own. Empty for a label without a breakdown.
Breakdown breakdownOf(const CharacterState& state, const StatSheet& sheet, SheetLabel label);

// "NAME VALUE" per line, then "합계 TOTAL", separated by line feeds.
QString breakdownText(const Breakdown& breakdown);

} // namespace tessarin
