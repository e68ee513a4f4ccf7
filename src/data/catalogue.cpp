#include "data/catalogue.h"

#include <QString>

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace tessarin {

namespace {

constexpr Stat kAcc = Stat::Accuracy;
constexpr Stat kCrit = Stat::Critical;
constexpr Stat kDef = Stat::Defence;
constexpr Stat kBlock = Stat::Block;
constexpr Stat kEva = Stat::Evasion;
constexpr Stat kLife = Stat::MaxLife;

constexpr CatalogueEntry makeEntry(int row, int piece, Stat mainStat, const char* mainLabel,
                                   std::array<int, 3> mainValues, CatalogueSubOption sub1, CatalogueSubOption sub2,
                                   CatalogueSubOption sub3, std::int16_t synthesisMax)
{
    return CatalogueEntry{row, piece, mainStat, mainLabel, mainValues, {sub1, sub2, sub3}, synthesisMax};
}

constexpr std::size_t kEntryCount = kCatalogueRows * kPieceCount;

// Ordered by row, then piece, so that (row, piece) maps straight to an index.
constexpr std::array<CatalogueEntry, kEntryCount> kEntries = {
    // 잃어버린 영린족 보패
    makeEntry(1, 1, kAcc, "명중", {98, 86, 68}, {kBlock, {41, 32}}, {kCrit, {41, 32}}, {kEva, {41, 32}}, 77),
    makeEntry(1, 2, kLife, "최대생명력", {1030, 870, 720}, {kAcc, {43, 34}}, {kDef, {43, 34}}, {kCrit, {43, 34}}, 81),
    makeEntry(1, 3, kBlock, "막기", {108, 91, 75}, {kAcc, {45, 36}}, {kCrit, {45, 36}}, {kEva, {45, 36}}, 85),
    makeEntry(1, 4, kEva, "회피", {122, 95, 78}, {kBlock, {47, 37}}, {kAcc, {47, 37}}, {kCrit, {47, 37}}, 88),
    makeEntry(1, 5, kCrit, "치명", {122, 103, 85}, {kAcc, {51, 40}}, {kDef, {51, 40}}, {kEva, {51, 40}}, 96),
    // "명증" is this piece's label as players know it; the stat itself is 명중.
    makeEntry(1, 6, kAcc, "명증", {126, 107, 88}, {kDef, {53, 42}}, {kCrit, {53, 42}}, {kEva, {53, 42}}, 99),
    makeEntry(1, 7, kCrit, "치명", {131, 111, 91}, {kBlock, {55, 44}}, {kAcc, {55, 44}}, {kDef, {55, 44}}, 103),
    makeEntry(1, 8, kCrit, "치명", {136, 115, 95}, {kAcc, {57, 45}}, {kDef, {57, 45}}, {kLife, {570, 450}}, 107),
    // 바다뱀 보패(최상급)
    makeEntry(2, 1, kAcc, "명중", {115, 97, 80}, {kBlock, {49, 39}}, {kDef, {49, 39}}, {kCrit, {49, 39}}, 82),
    makeEntry(2, 2, kAcc, "명중", {121, 102, 84}, {kBlock, {51, 40}}, {kDef, {51, 40}}, {kCrit, {51, 40}}, 86),
    makeEntry(2, 3, kEva, "회피", {126, 107, 88}, {kBlock, {54, 43}}, {kAcc, {54, 43}}, {kLife, {540, 430}}, 90),
    makeEntry(2, 4, kDef, "방어", {131, 111, 91}, {kBlock, {56, 44}}, {kLife, {560, 440}}, {kCrit, {56, 44}}, 94),
    makeEntry(2, 5, kEva, "회피", {142, 120, 99}, {kBlock, {61, 48}}, {kDef, {61, 48}}, {kCrit, {61, 48}}, 102),
    makeEntry(2, 6, kLife, "최대생명력", {1480, 1250, 1030}, {kBlock, {63, 50}}, {kDef, {63, 50}}, {kCrit, {63, 50}},
              106),
    makeEntry(2, 7, kBlock, "막기", {154, 130, 107}, {kAcc, {65, 52}}, {kDef, {65, 52}}, {kCrit, {65, 52}}, 110),
    makeEntry(2, 8, kCrit, "치명", {159, 135, 111}, {kAcc, {68, 54}}, {kDef, {68, 54}}, {kLife, {680, 540}}, 114),
    // 바다뱀 보패(영웅)
    makeEntry(3, 1, kAcc, "명중", {137, 116, 95}, {kBlock, {58, 46}}, {kDef, {58, 46}}, {kCrit, {58, 46}}, 98),
    makeEntry(3, 2, kAcc, "명중", {143, 121, 100}, {kBlock, {61, 48}}, {kDef, {61, 48}}, {kCrit, {61, 48}}, 102),
    makeEntry(3, 3, kEva, "회피", {150, 127, 105}, {kBlock, {64, 51}}, {kAcc, {64, 51}}, {kLife, {640, 510}}, 107),
    makeEntry(3, 4, kDef, "방어", {156, 132, 109}, {kBlock, {67, 53}}, {kLife, {670, 530}}, {kCrit, {67, 53}}, 112),
    makeEntry(3, 5, kEva, "회피", {170, 144, 119}, {kBlock, {72, 52}}, {kDef, {72, 52}}, {kCrit, {72, 52}}, 121),
    makeEntry(3, 6, kLife, "최대생명력", {1760, 1490, 1230}, {kBlock, {75, 60}}, {kDef, {75, 60}}, {kCrit, {75, 60}},
              126),
    makeEntry(3, 7, kBlock, "막기", {182, 154, 127}, {kAcc, {78, 62}}, {kDef, {78, 62}}, {kCrit, {78, 62}}, 130),
    makeEntry(3, 8, kCrit, "치명", {189, 160, 132}, {kAcc, {80, 64}}, {kDef, {80, 64}}, {kLife, {800, 640}}, 135),
};

constexpr bool entriesAreInPlace()
{
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        const auto row = static_cast<int>(i) / kPieceCount + 1;
        const auto piece = static_cast<int>(i) % kPieceCount + 1;
        if (kEntries[i].row != row || kEntries[i].piece != piece)
            return false;
    }
    return true;
}
static_assert(entriesAreInPlace(), "catalogue entries must be ordered by row and piece");

constexpr std::array<const char*, kCatalogueRows> kRowPrefixes = {"잃어버린 영린족 보패", "바다뱀 보패(최상급)",
                                                                  "바다뱀 보패(영웅)"};

struct CatalogueSet {
    double accuracy3;
    double evasion5;
    double penetration8;
    double block8;
    std::array<const char*, 4> texts;
};

// The 5-piece lines carry no blank before the number; the texts are shown exactly as written here.
constexpr CatalogueSet kLostSet = {
    .accuracy3 = 39,
    .evasion5 = 119,
    .penetration8 = 167,
    .block8 = 71,
    .texts = {"잃어버린 영린족 보패", "3세트 효과 : 명중 39 증가", "5세트 효과 : 회피119 증가",
              "8세트 효과 : 관통 167 증가, 막기 71 증가"},
};
constexpr CatalogueSet kSeaSerpentSet = {
    .accuracy3 = 50,
    .evasion5 = 152,
    .penetration8 = 213,
    .block8 = 91,
    .texts = {"바다뱀 보패", "3세트 효과 : 명중 50 증가", "5세트 효과 : 회피152 증가",
              "8세트 효과 : 관통 213 증가, 막기 91 증가"},
};

const CatalogueSet* catalogueSet(SetGroup group)
{
    switch (group) {
    case SetGroup::Lost: return &kLostSet;
    case SetGroup::SeaSerpent: return &kSeaSerpentSet;
    case SetGroup::Free: break;
    }
    return nullptr;
}

} // namespace

QString CatalogueEntry::caption() const
{
    return catalogueRowPrefix(row) + QLatin1Char(' ') + QString::number(piece) + QStringLiteral("번");
}

QString CatalogueEntry::picture() const
{
    // Both sea-serpent grades share one set of pictures.
    const auto name = row == 1 ? QStringLiteral("lost") : QStringLiteral("pohwaran");
    return QStringLiteral("image/%1-%2.gif").arg(name).arg(piece);
}

SetGroup setGroupOfRow(int row)
{
    assert(row >= 1 && row <= kBoardRows);
    switch (row) {
    case 1: return SetGroup::Lost;
    case 2:
    case 3: return SetGroup::SeaSerpent;
    default: return SetGroup::Free;
    }
}

QString catalogueRowPrefix(int row)
{
    if (row < 1 || row > kCatalogueRows)
        return {};
    return QString::fromUtf8(kRowPrefixes[static_cast<std::size_t>(row - 1)]);
}

const CatalogueEntry* catalogueEntry(int row, int piece)
{
    if (row < 1 || row > kCatalogueRows || piece < 1 || piece > kPieceCount)
        return nullptr;
    return &kEntries[static_cast<std::size_t>((row - 1) * kPieceCount + (piece - 1))];
}

const CatalogueEntry* catalogueEntryByCaption(const QString& caption)
{
    const auto found = std::find_if(kEntries.begin(), kEntries.end(),
                                    [&caption](const CatalogueEntry& entry) { return entry.caption() == caption; });
    return found == kEntries.end() ? nullptr : &*found;
}

SetTiers setTiersForCount(int count)
{
    if (count == 8)
        return {true, true, true};
    if (count > 4)
        return {true, true, false};
    if (count > 2)
        return {true, false, false};
    return {};
}

SetBonus catalogueSetBonus(SetGroup group, int count)
{
    SetBonus bonus;
    const CatalogueSet* set = catalogueSet(group);
    if (set == nullptr)
        return bonus; // the free set's effects are typed in by the user, not catalogue data
    bonus.tiers = setTiersForCount(count);
    if (bonus.tiers.eight) {
        bonus.stats.penetration = set->penetration8;
        bonus.stats.block = set->block8;
    }
    if (bonus.tiers.three)
        bonus.stats.accuracy = set->accuracy3;
    if (bonus.tiers.five)
        bonus.stats.evasion = set->evasion5;
    return bonus;
}

std::array<QString, 4> catalogueSetTexts(SetGroup group)
{
    std::array<QString, 4> texts;
    if (const CatalogueSet* set = catalogueSet(group)) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = QString::fromUtf8(set->texts[i]);
    }
    return texts;
}

} // namespace tessarin
