#pragma once

#include "state/character_state.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace tessarin {

// Piece number used when the chooser has no piece selected.
inline constexpr int kNoPiece = 0;

// Piece 1..8 is equipped from any of the four board rows.
bool pieceIsEquipped(const CharacterState& state, int piece);

// Piece 1..8 counts as synthesized: at least one of its six amounts is 1 or more.
bool pieceIsSynthesized(const CharacterState& state, int piece);

// Release (합성 해제) of the selected piece (kNoPiece when none). Clears the piece's six amounts when it
// is synthesized and returns the message to show in every case.
QString releaseSynthesis(CharacterState& state, int piece);

// The stat the synthesis dialog is opened for: records its word in `synthesisStat` and returns the
// seven stone items of that stat, in list order.
QStringList openSynthesisFor(CharacterState& state, Stat stat);

// The stone value text ("76" .. "11") of a stone item of the current `synthesisStat`; none when the item
// is not one of them.
std::optional<QString> stoneValueTextForItem(const CharacterState& state, const QString& itemText);

// The stone box read as a stone value: the number rule, then the nearest whole number with ties to even.
// A number outside -32768 .. 32767 counts as the nearest end of that range, so what the dialog previews
// is what it stores.
std::int16_t stoneValueOf(QStringView text);

// What the synthesis dialog shows for piece 1..8 with the current `stoneValue` and `synthesisStat`.
struct SynthesisView {
    QString maximum;    // Label4, "최대합성치: 77"
    QString comparison; // Label2, the stone against the piece's maximum
    QString preview;    // Label3, "관통 76이(가) 합성됩니다."
};
SynthesisView synthesisView(const CharacterState& state, int piece);

// The amount a synthesis stores: the stone value, but no more than the piece's maximum.
std::int16_t synthesizedAmount(std::int16_t maximum, std::int16_t stone);

// Synthesis (합성) of piece 1..8 with the current `stoneValue`, for the stat of `synthesisStat`: that
// stat gets the amount and the piece's other five are cleared. Returns the stored amount, or none
// (nothing changed) without a piece or a synthesizable stat.
std::optional<std::int16_t> applySynthesis(CharacterState& state, int piece);

} // namespace tessarin
