#include "engine/free_piece_rules.h"

#include "engine/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tessarin {

namespace {

// The level of a set group's indicator pictures: 8, 5, 3 or 0 by its piece count.
int setLevel(int count)
{
    if (count >= 8)
        return 8;
    if (count >= 5)
        return 5;
    return count >= 3 ? 3 : 0;
}

// Pieces of different groups never add up; the strongest single group decides every indicator.
int highestSetLevel(const CharacterState& state)
{
    return std::max({setLevel(state.lostSetCount), setLevel(state.seaSerpentSetCount), setLevel(state.freeSetCount)});
}

// Takes the position from the catalogue row that holds it, looking at rows 2, 3 and 1 in that order.
void releaseCatalogueRows(CharacterState& state, int piece)
{
    for (const int row : {2, 3, 1}) {
        bool& equipped = state.pieceEquipped[row][piece];
        if (!equipped)
            continue;
        equipped = false;
        int& count = row == 1 ? state.lostSetCount : state.seaSerpentSetCount;
        count = std::max(0, count - 1);
        return;
    }
}

std::int16_t boxValue(const FreeEntryTexts& texts, int box, int& badBox)
{
    const std::optional<std::int16_t> value = wholeNumber16(textToNumber(texts[box]));
    if (!value && badBox == 0)
        badBox = box;
    return value.value_or(0);
}

const QString kCaptionPrefix = QStringLiteral("기타 보패 ");

} // namespace

QString freeEntryBoxName(int box)
{
    if (box < 1 || box > kFreeEntryBoxes)
        return {};
    const int stat = box < kFirstSetEffectBox ? box - 1 : (box - kFirstSetEffectBox) % 7;
    if (box >= kFirstMaximumBox)
        return QStringLiteral("합성 최대치 %1번").arg(box - kFirstMaximumBox + 1);
    const QString statName = QString::fromUtf8(kStatNames[static_cast<std::size_t>(stat)]);
    if (box < kFirstSetEffectBox)
        return statName;
    static constexpr std::array<int, 3> tiers = {3, 5, 8};
    return QStringLiteral("%1세트 효과 %2")
        .arg(tiers[static_cast<std::size_t>((box - kFirstSetEffectBox) / 7)])
        .arg(statName);
}

std::optional<std::int16_t> wholeNumber16(double value)
{
    const double whole = std::nearbyint(value); // the default rounding mode takes halves to even
    if (!(whole >= -32768.0 && whole <= 32767.0))
        return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

FreeEntryReading readFreeEntry(const FreeEntryTexts& texts)
{
    FreeEntryReading reading;
    FreePieceEntry& entry = reading.entry;
    for (std::size_t i = 0; i < kStatCount; ++i) {
        const int box = static_cast<int>(i);
        entry.stats[kAllStats[i]] = textToNumber(texts[1 + box]);
        entry.effect3[i] = boxValue(texts, kFirstSetEffectBox + box, reading.badBox);
    }
    for (std::size_t i = 0; i < kStatCount; ++i)
        entry.effect5[i] = boxValue(texts, kFirstSetEffectBox + 7 + static_cast<int>(i), reading.badBox);
    for (std::size_t i = 0; i < kStatCount; ++i)
        entry.effect8[i] = boxValue(texts, kFirstSetEffectBox + 14 + static_cast<int>(i), reading.badBox);
    for (int piece = 1; piece <= kPieceCount; ++piece)
        entry.synthesisMax[piece] = boxValue(texts, kFirstMaximumBox + piece - 1, reading.badBox);
    return reading;
}

int freePieceOfCaption(QStringView caption)
{
    for (int piece = 1; piece <= kPieceCount; ++piece)
        if (caption == freePieceCaption(piece))
            return piece;
    return 0;
}

QString freePieceCaption(int piece)
{
    return kCaptionPrefix + QStringLiteral("%1번").arg(piece);
}

QString freePieceFrameCaption(int piece)
{
    return QStringLiteral("%1번 보패 옵션").arg(piece);
}

std::array<QString, 3> freeEntryIndicatorPictures(const CharacterState& state)
{
    const int level = highestSetLevel(state);
    return {level >= 3 ? QStringLiteral("image/set30.gif") : QStringLiteral("image/set3.gif"),
            level >= 5 ? QStringLiteral("image/set50.gif") : QStringLiteral("image/set5.gif"),
            level >= 8 ? QStringLiteral("image/set80.gif") : QStringLiteral("image/set8.gif")};
}

FreePieceOutcome equipFreePiece(CharacterState& state, int piece, const FreePieceEntry& entry)
{
    for (auto& amounts : state.synthesis)
        amounts[piece] = 0;
    // A piece already standing here is rewritten, not counted twice, so the set effect cannot inflate.
    if (!state.pieceEquipped[4][piece])
        state.freeSetCount = static_cast<std::int16_t>(std::min(kPieceCount, state.freeSetCount + 1));
    releaseCatalogueRows(state, piece);
    state.pieceEquipped[4][piece] = true;
    state.pieceStats[piece] = entry.stats;
    state.freeSetEffect3 = entry.effect3;
    state.freeSetEffect5 = entry.effect5;
    state.freeSetEffect8 = entry.effect8;
    state.synthesisMax = entry.synthesisMax;

    FreePieceOutcome outcome;
    outcome.piecePicture = QStringLiteral("image/general-%1.gif").arg(piece);
    outcome.indicators = freeEntryIndicatorPictures(state);
    // The 50 ms indicator refresh loads a picture only when its mark says it is not shown yet; marks
    // that still named the pictures replaced here would keep a stale picture after a later change.
    const int level = highestSetLevel(state);
    IndicatorMarks& marks = state.indicatorShown;
    marks = {level < 3, level < 5, level < 8, level >= 3, level >= 5, level >= 8};
    return outcome;
}

} // namespace tessarin
