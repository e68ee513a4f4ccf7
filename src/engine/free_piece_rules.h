#pragma once

#include "state/character_state.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace tessarin {

// The free-entry editor's boxes: Text1..Text7 the piece, Text8..Text28 the 3-, 5- and 8-piece set
// effects (seven each, in stat order), Text29..Text36 the synthesis maxima of pieces 1..8.
inline constexpr int kFreeEntryBoxes = 36;
inline constexpr int kFirstSetEffectBox = 8;
inline constexpr int kFirstMaximumBox = 29;
using FreeEntryTexts = OneBased<QString, kFreeEntryBoxes>;

// What confirming the editor writes, read from its boxes.
struct FreePieceEntry {
    StatBlock stats;
    std::array<std::int16_t, kStatCount> effect3{};
    std::array<std::int16_t, kStatCount> effect5{};
    std::array<std::int16_t, kStatCount> effect8{};
    OneBased<std::int16_t, kPieceCount> synthesisMax;
};

// Reading the boxes either gives the entry or names the first box whose whole number does not fit
// 16 bits (`badBox` is its number, 8..36).
struct FreeEntryReading {
    FreePieceEntry entry;
    int badBox = 0;
};

// What the user calls a box of the editor: "3세트 효과 관통", "합성 최대치 3번", "1번 보패 최대생명력".
QString freeEntryBoxName(int box);

// Nearest whole number, halves to the even neighbour; nothing when that lies outside -32768..32767.
std::optional<std::int16_t> wholeNumber16(double value);

// Applies the number rules to every box: the piece's stats stay fractional, the rest are whole numbers.
FreeEntryReading readFreeEntry(const FreeEntryTexts& texts);

// The piece number of an editor caption "기타 보패 1번" .. "기타 보패 8번", or 0 for any other text.
int freePieceOfCaption(QStringView caption);
QString freePieceCaption(int piece);
QString freePieceFrameCaption(int piece);

// The indicator pictures after a free piece is confirmed: the highest set level any single group
// reaches (8, 5, 3 or 0) decides all three; Image10, Image11, Image12 in order.
std::array<QString, 3> freeEntryIndicatorPictures(const CharacterState& state);

struct FreePieceOutcome {
    QString piecePicture;                // for Image<piece>
    std::array<QString, 3> indicators{}; // for Image10, Image11, Image12
};

// Equips the free piece at `piece` (1..8) as "확인" does: clears its synthesis, counts it, releases the
// position from the catalogue rows, marks it, stores its stats, the free set effects and all eight
// synthesis maxima. Returns the pictures to load; the indicator marks are set to what they will show.
FreePieceOutcome equipFreePiece(CharacterState& state, int piece, const FreePieceEntry& entry);

} // namespace tessarin
