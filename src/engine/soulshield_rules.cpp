#include "engine/soulshield_rules.h"

#include "data/catalogue.h"
#include "engine/set_effects.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>

namespace tessarin {

namespace {

bool isBoardPosition(int row, int piece)
{
    return row >= 1 && row <= kBoardRows && piece >= 1 && piece <= kPieceCount;
}

// Moves the count of the row's set group by one. A count never goes below 0, so a record that has
// lost track of a piece cannot produce negative counts and with them wrong set effects.
void changeSetCount(CharacterState& state, int row, int delta)
{
    switch (setGroupOfRow(row)) {
    case SetGroup::Lost: state.lostSetCount = std::max(0, state.lostSetCount + delta); break;
    case SetGroup::SeaSerpent: state.seaSerpentSetCount = std::max(0, state.seaSerpentSetCount + delta); break;
    case SetGroup::Free: state.freeSetCount = static_cast<std::int16_t>(std::max(0, state.freeSetCount + delta)); break;
    }
}

void clearSynthesis(CharacterState& state, int piece)
{
    for (auto& amounts : state.synthesis)
        amounts[piece] = 0;
}

// The rows whose piece a confirmed catalogue piece replaces, in the order they are looked at.
std::array<int, 3> otherRows(int row)
{
    switch (row) {
    case 1: return {2, 3, 4};
    case 2: return {1, 3, 4};
    default: return {1, 2, 4};
    }
}

} // namespace

int setCountOfRow(const CharacterState& state, int row)
{
    if (row < 1 || row > kBoardRows)
        return 0;
    return setCount(state, setGroupOfRow(row));
}

bool removePiece(CharacterState& state, int row, int piece)
{
    if (!isBoardPosition(row, piece) || !state.pieceEquipped[row][piece])
        return false;
    state.pieceEquipped[row][piece] = false;
    changeSetCount(state, row, -1);
    state.pieceStats[piece] = StatBlock{};
    state.synthesisMax[piece] = 0;
    clearSynthesis(state, piece);
    return true;
}

QString equipCataloguePiece(CharacterState& state, const CatalogueEntry& entry, double mainValue, int subOption,
                            double subValue)
{
    const int row = entry.row;
    const int piece = entry.piece;
    assert(row >= 1 && row <= kCatalogueRows && piece >= 1 && piece <= kPieceCount);

    // The board removes a piece instead of reopening its editor, but should the same piece be confirmed
    // again it is only rewritten: counting it a second time would inflate the set effect for good.
    if (!state.pieceEquipped[row][piece])
        changeSetCount(state, row, +1);

    // Only one other row can hold this position; every one that does is taken off, so that a position
    // is never counted in two set groups.
    for (const int other : otherRows(row)) {
        if (state.pieceEquipped[other][piece]) {
            state.pieceEquipped[other][piece] = false;
            changeSetCount(state, other, -1);
        }
    }

    state.pieceEquipped[row][piece] = true;
    state.synthesisMax[piece] = entry.synthesisMax;
    clearSynthesis(state, piece);

    // The piece's stats are replaced as a whole: the main value and at most one sub-option.
    StatBlock stats;
    stats[entry.mainStat] = mainValue;
    if (subOption >= 1 && subOption <= static_cast<int>(entry.subOptions.size()))
        stats[entry.subOptions[static_cast<std::size_t>(subOption - 1)].stat] = subValue;
    state.pieceStats[piece] = stats;

    return entry.picture();
}

} // namespace tessarin
