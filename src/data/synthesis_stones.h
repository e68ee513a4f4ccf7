#pragma once

#include "state/stat_block.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tessarin {

// The six stats a synthesis stone can add, in stat order (maximum life has no synthesis).
inline constexpr std::array<Stat, kSynthStatCount> kSynthesisStats = {Stat::Penetration, Stat::Accuracy, Stat::Critical,
                                                                      Stat::Defence,     Stat::Block,    Stat::Evasion};

// The stat word of a synthesizable stat ("관통" .. "회피").
QString synthesisStatWord(Stat stat);
// The caption of its chooser button and of the synthesis dialog opened for it ("관통 합성" .. "회피 합성").
QString synthesisCaption(Stat stat);

// A higher-grade synthesis stone: the region it comes from and the value it adds.
struct SynthesisStone {
    const char* region; // UTF-8
    std::int16_t value;
};

inline constexpr int kSynthesisStoneCount = 7;

// The same seven stones for every stat, in list order (largest first).
const std::array<SynthesisStone, kSynthesisStoneCount>& synthesisStones();

// A stone's list item for a stat word, e.g. "수월평원 장인의 관통 합성패 76".
QString synthesisStoneItem(const SynthesisStone& stone, const QString& statWord);

// The text a picked stone puts into the stone box, e.g. "76".
QString synthesisStoneValueText(const SynthesisStone& stone);

} // namespace tessarin
