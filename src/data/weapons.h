#pragma once

#include "state/stat_block.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>

namespace tessarin {

// Where a weapon comes from. The four dungeons are in the order of their options in the dungeon
// editor (Option1 .. Option4); the two sea-serpent bosses in the order of theirs.
enum class WeaponSource : int { Ruins = 0, Paradise, Lair, Nest, SeaSerpentTrio, Pohwaran, Free };
inline constexpr int kWeaponSourceCount = 7;
inline constexpr std::array<WeaponSource, 4> kDungeons = {WeaponSource::Ruins, WeaponSource::Paradise,
                                                          WeaponSource::Lair, WeaponSource::Nest};
inline constexpr std::array<WeaponSource, 2> kSeaSerpentBosses = {WeaponSource::SeaSerpentTrio, WeaponSource::Pohwaran};

struct WeaponSourceInfo {
    WeaponSource source;
    const char* caption; // the option caption, e.g. "낙원 사원" (UTF-8)
    const char* suffix;  // weapon picture suffix, e.g. "42"
};
const WeaponSourceInfo& weaponSourceInfo(WeaponSource source);

// The weapon picture of a class and source, e.g. "image/tablet-43.jpg"; empty when the text names no
// class (then no picture is loaded).
QString weaponPictureName(const QString& classText, WeaponSource source);

// The seven sub-options a dropped weapon carries, by source and class.
struct WeaponSubOptionRow {
    WeaponSource source;
    std::array<const char*, 3> classes; // UTF-8; all null: every class, whatever the class box says
    StatBlock stats;
};
// Every row, dungeons first, then the sea-serpent bosses.
std::span<const WeaponSubOptionRow> weaponSubOptionRows();
// The row for a source and a class-box text; nullptr when the text names no class the source lists.
const WeaponSubOptionRow* weaponSubOptions(WeaponSource source, const QString& classText);

// The base attacks offered for a source, largest first, as list items.
QStringList weaponBaseAttacks(WeaponSource source);

// 포화란 writes these three whatever the class; the other four only for a class it lists.
inline constexpr double kPohwaranCritical = 131;

} // namespace tessarin
