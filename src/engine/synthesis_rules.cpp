#include "engine/synthesis_rules.h"

#include "data/synthesis_stones.h"
#include "engine/numbers.h"

#include <algorithm>
#include <cstddef>

namespace tessarin {

namespace {

bool isPiece(int piece)
{
    return piece >= 1 && piece <= kPieceCount;
}

// Index 1..6 into `synthesis` of the stat word the dialog was opened for; none for any other text.
std::optional<int> synthesisIndexOf(const QString& word)
{
    for (std::size_t i = 0; i < kSynthesisStats.size(); ++i)
        if (synthesisStatWord(kSynthesisStats[i]) == word)
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

} // namespace

bool pieceIsEquipped(const CharacterState& state, int piece)
{
    if (!isPiece(piece))
        return false;
    for (int row = 1; row <= kBoardRows; ++row)
        if (state.pieceEquipped[row][piece])
            return true;
    return false;
}

bool pieceIsSynthesized(const CharacterState& state, int piece)
{
    if (!isPiece(piece))
        return false;
    return std::any_of(state.synthesis.begin(), state.synthesis.end(),
                       [piece](const auto& amounts) { return amounts[piece] >= 1; });
}

QString releaseSynthesis(CharacterState& state, int piece)
{
    if (!isPiece(piece))
        return QStringLiteral("보패를 선택해주세요.");
    if (!pieceIsSynthesized(state, piece))
        return QStringLiteral("%1번 보패는 아직 합성이 되지 않았습니다.").arg(piece);
    for (auto& amounts : state.synthesis)
        amounts[piece] = 0;
    return QStringLiteral("%1번 보패의 합성을 해제하였습니다.").arg(piece);
}

QStringList openSynthesisFor(CharacterState& state, Stat stat)
{
    state.synthesisStat = synthesisStatWord(stat);
    QStringList items;
    for (const SynthesisStone& stone : synthesisStones())
        items << synthesisStoneItem(stone, state.synthesisStat);
    return items;
}

std::optional<QString> stoneValueTextForItem(const CharacterState& state, const QString& itemText)
{
    for (const SynthesisStone& stone : synthesisStones())
        if (synthesisStoneItem(stone, state.synthesisStat) == itemText)
            return synthesisStoneValueText(stone);
    return std::nullopt;
}

std::int16_t stoneValueOf(QStringView text)
{
    return toInt16(textToNumber(text)); // toInt16 clamps to the 16-bit range
}

std::int16_t synthesizedAmount(std::int16_t maximum, std::int16_t stone)
{
    return std::min(maximum, stone);
}

SynthesisView synthesisView(const CharacterState& state, int piece)
{
    if (!isPiece(piece))
        return {};
    const std::int16_t maximum = state.synthesisMax[piece];
    const std::int16_t stone = state.stoneValue;
    SynthesisView view;
    view.maximum = QStringLiteral("최대합성치: %1").arg(maximum);
    if (maximum < stone)
        view.comparison = QStringLiteral("합성패 수치가 %1번 보패의 합성최대치보다 높습니다.").arg(piece);
    else if (maximum == stone)
        view.comparison = QStringLiteral("합성패 수치가 %1번 보패의 합성최대치와 같습니다.").arg(piece);
    else
        view.comparison = QStringLiteral("합성패 수치가 %1번 보패의 합성최대치보다 낮습니다.").arg(piece);
    view.preview = QStringLiteral("%1 %2이(가) 합성됩니다.")
                       .arg(state.synthesisStat, QString::number(synthesizedAmount(maximum, stone)));
    return view;
}

std::optional<std::int16_t> applySynthesis(CharacterState& state, int piece)
{
    const std::optional<int> chosen = synthesisIndexOf(state.synthesisStat);
    if (!isPiece(piece) || !chosen)
        return std::nullopt;
    const std::int16_t amount = synthesizedAmount(state.synthesisMax[piece], state.stoneValue);
    // One synthesized stat per piece: the new one replaces whatever the piece carried.
    for (int stat = 1; stat <= static_cast<int>(kSynthStatCount); ++stat)
        state.synthesis[stat][piece] = stat == *chosen ? amount : std::int16_t{0};
    return amount;
}

} // namespace tessarin
