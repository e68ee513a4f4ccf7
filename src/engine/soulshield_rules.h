#pragma once

#include "state/character_state.h"

#include <QString>

namespace tessarin {

struct CatalogueEntry;

// Number of equipped pieces of the set group a board row counts into.
int setCountOfRow(const CharacterState& state, int row);

// Takes the piece of board row `row` off position `piece` if it is equipped there: flag, count, the
// position's stats, synthesis maximum and synthesis amounts. Returns whether a piece was removed
// (the caller then clears the picture of that position).
bool removePiece(CharacterState& state, int row, int piece);

// Equips a catalogue piece as the confirm of the piece editor does. `subOption` is 1..3, or 0 when
// no sub-option is chosen. Returns the relative picture name to load into the piece's octagon picture.
QString equipCataloguePiece(CharacterState& state, const CatalogueEntry& entry, double mainValue, int subOption,
                            double subValue);

} // namespace tessarin
