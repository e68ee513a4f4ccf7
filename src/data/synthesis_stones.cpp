#include "data/synthesis_stones.h"

namespace tessarin {

namespace {

constexpr std::array<SynthesisStone, kSynthesisStoneCount> kStones = {{
    {"수월평원", 76},
    {"대사막", 59},
    {"사지석림", 46},
    {"열사지대", 33},
    {"토문진", 20},
    {"제룡림", 17},
    {"녹명촌", 11},
}};

} // namespace

QString synthesisStatWord(Stat stat)
{
    return QString::fromUtf8(kStatNames[static_cast<std::size_t>(stat)]);
}

QString synthesisCaption(Stat stat)
{
    return synthesisStatWord(stat) + QStringLiteral(" 합성");
}

const std::array<SynthesisStone, kSynthesisStoneCount>& synthesisStones()
{
    return kStones;
}

QString synthesisStoneItem(const SynthesisStone& stone, const QString& statWord)
{
    return QStringLiteral("%1 장인의 %2 합성패 %3").arg(QString::fromUtf8(stone.region), statWord).arg(stone.value);
}

QString synthesisStoneValueText(const SynthesisStone& stone)
{
    return QString::number(stone.value);
}

} // namespace tessarin
