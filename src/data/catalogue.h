#pragma once

#include "state/character_state.h"
#include "state/stat_block.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tessarin {

// The built-in soul-shield catalogue: board rows 1 to 3, pieces 1 to 8.
inline constexpr int kCatalogueRows = 3;

struct CatalogueSubOption {
    Stat stat;
    std::array<int, 2> values; // larger first
};

struct CatalogueEntry {
    int row;   // 1 잃어버린 영린족 보패, 2 바다뱀 보패(최상급), 3 바다뱀 보패(영웅)
    int piece; // 1..8
    Stat mainStat;
    const char* mainLabel;         // the stat name shown beside the main values (UTF-8)
    std::array<int, 3> mainValues; // largest first
    std::array<CatalogueSubOption, 3> subOptions;
    std::int16_t synthesisMax;

    QString caption() const; // e.g. "잃어버린 영린족 보패 2번"
    QString picture() const; // relative picture name, e.g. "image/lost-2.gif"
};

// The set group a board row counts into (row 4 is the free-entry row).
SetGroup setGroupOfRow(int row);
// The editor caption prefix of a catalogue row, e.g. "바다뱀 보패(최상급)".
QString catalogueRowPrefix(int row);

// Entry for (row 1..3, piece 1..8); nullptr outside that range.
const CatalogueEntry* catalogueEntry(int row, int piece);
// Entry whose editor caption equals the text exactly; nullptr when none does.
const CatalogueEntry* catalogueEntryByCaption(const QString& caption);

struct SetBonus {
    StatBlock stats;
    SetTiers tiers;
};
// The set-effect levels in force for a piece count, tested as: 8; otherwise more than 4; otherwise
// more than 2. The levels are cumulative.
SetTiers setTiersForCount(int count);

// Bonus of a catalogue group (Lost or SeaSerpent) for a piece count; the levels are cumulative.
SetBonus catalogueSetBonus(SetGroup group, int count);

// The four lines that describe a catalogue set (name, 3-, 5- and 8-piece line), for the tooltips.
std::array<QString, 4> catalogueSetTexts(SetGroup group);

} // namespace tessarin
