#include "data/weapons.h"

#include "data/classes.h"

namespace tessarin {

namespace {

const std::array<WeaponSourceInfo, kWeaponSourceCount> kSources = {{
    {WeaponSource::Ruins, "영린족 유적지", "41"},
    {WeaponSource::Paradise, "낙원 사원", "42"},
    {WeaponSource::Lair, "홍돈족 소굴", "43"},
    {WeaponSource::Nest, "거미 둥지", "44"},
    {WeaponSource::SeaSerpentTrio, "발라라, 태장금, 막소보", "P123"},
    {WeaponSource::Pohwaran, "포화란", "P"},
    {WeaponSource::Free, "기타 무기", "g"},
}};

using S = WeaponSource;
constexpr std::array<const char*, 3> kAll = {nullptr, nullptr, nullptr};
constexpr std::array<const char*, 3> kBlade = {"검사", nullptr, nullptr};
constexpr std::array<const char*, 3> kNimble = {"권사", "암살자", "기공사"};
constexpr std::array<const char*, 3> kAxe = {"역사", nullptr, nullptr};
constexpr std::array<const char*, 3> kSummoner = {"소환사", nullptr, nullptr};

// 관통, 명중, 치명, 방어, 막기, 회피, 최대생명력.
const std::array<WeaponSubOptionRow, 18> kRows = {{
    {S::Ruins, kBlade, {0, 94, 0, 0, 39, 0, 0}},
    {S::Ruins, kNimble, {0, 94, 0, 0, 0, 39, 0}},
    {S::Ruins, kAxe, {0, 94, 0, 39, 0, 0, 0}},
    {S::Ruins, kSummoner, {0, 94, 0, 0, 0, 0, 390}},
    {S::Lair, kBlade, {0, 0, 94, 0, 39, 0, 0}},
    {S::Lair, kNimble, {0, 0, 94, 0, 0, 39, 0}},
    {S::Lair, kAxe, {0, 0, 94, 39, 0, 0, 0}},
    {S::Lair, kSummoner, {0, 0, 94, 0, 0, 0, 390}},
    {S::Paradise, kAll, {39, 0, 94, 0, 0, 0, 0}},
    {S::Nest, kBlade, {0, 0, 0, 0, 94, 0, 390}},
    {S::Nest, kNimble, {0, 0, 0, 0, 0, 94, 390}},
    {S::Nest, kAxe, {0, 0, 0, 94, 0, 0, 390}},
    {S::Nest, kSummoner, {0, 0, 0, 0, 0, 94, 390}},
    {S::SeaSerpentTrio, kAll, {46, 0, 111, 0, 0, 0, 0}},
    {S::Pohwaran, kBlade, {0, 0, kPohwaranCritical, 0, 55, 0, 0}},
    {S::Pohwaran, kNimble, {0, 0, kPohwaranCritical, 0, 0, 55, 0}},
    {S::Pohwaran, kAxe, {0, 0, kPohwaranCritical, 55, 0, 0, 0}},
    {S::Pohwaran, kSummoner, {0, 0, kPohwaranCritical, 0, 0, 0, 550}},
}};

bool rowMatches(const WeaponSubOptionRow& row, const QString& classText)
{
    if (row.classes == kAll)
        return true;
    for (const char* name : row.classes)
        if (name && classText == QString::fromUtf8(name))
            return true;
    return false;
}

} // namespace

const WeaponSourceInfo& weaponSourceInfo(WeaponSource source)
{
    return kSources[static_cast<std::size_t>(source)];
}

QString weaponPictureName(const QString& classText, WeaponSource source)
{
    const ClassInfo* info = findClass(classText);
    if (!info)
        return {};
    return QStringLiteral("image/%1-%2.jpg")
        .arg(QLatin1String(info->weaponStem), QLatin1String(weaponSourceInfo(source).suffix));
}

std::span<const WeaponSubOptionRow> weaponSubOptionRows()
{
    return kRows;
}

const WeaponSubOptionRow* weaponSubOptions(WeaponSource source, const QString& classText)
{
    for (const WeaponSubOptionRow& row : kRows)
        if (row.source == source && rowMatches(row, classText))
            return &row;
    return nullptr;
}

QStringList weaponBaseAttacks(WeaponSource source)
{
    static constexpr std::array<int, 5> dungeon = {185, 181, 173, 165, 157};
    static constexpr std::array<int, 3> trio = {204, 195, 186};
    static constexpr std::array<int, 5> pohwaran = {242, 231, 220, 209, 198};
    std::span<const int> values;
    switch (source) {
    case WeaponSource::Ruins:
    case WeaponSource::Paradise:
    case WeaponSource::Lair:
    case WeaponSource::Nest: values = dungeon; break;
    case WeaponSource::SeaSerpentTrio: values = trio; break;
    case WeaponSource::Pohwaran: values = pohwaran; break;
    case WeaponSource::Free: break;
    }
    QStringList items;
    for (int value : values)
        items << QString::number(value);
    return items;
}

} // namespace tessarin
