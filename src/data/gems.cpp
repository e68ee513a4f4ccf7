#include "data/gems.h"

#include "engine/numbers.h"

#include <cassert>

namespace tessarin {

namespace {

const std::array<GemStatInfo, kGemStatCount> kStats = {{
    {1, "공격력", "공격력", false, &WeaponSlot::attackBonus},
    {2, "방어력", "방어력", false, &WeaponSlot::defenceBonus},
    {3, "회피율", "회피율", true, &WeaponSlot::evasionRateBonus},
    {4, "추가 피해", "추가피해", false, &WeaponSlot::additionalDamage},
    {5, "막기 확률", "막기 확률", true, &WeaponSlot::blockRateBonus},
}};

const std::array<GemSizeInfo, kGemSizeCount> kSizes = {{
    {"삼각 금강석", "삼각금강석", "image/삼금.gif"},
    {"사각 금강석", "사각금강석", "image/사금.gif"},
    {"오각 금강석", "오각금강석", "image/오금.gif"},
    {"육각 금강석", "육각금강석", "image/육금.gif"},
}};

// [size][plain, shining][stat]: 공격력, 방어력, 회피율, 추가 피해, 막기 확률.
constexpr std::array<std::array<std::array<double, kGemStatCount>, 2>, kGemSizeCount> kValues = {{
    {{{4, 40, 3, 4, 5}, {7, 80, 4, 7, 6}}},
    {{{8, 90, 5, 8, 7}, {14, 180, 6, 14, 8}}},
    {{{15, 200, 7, 15, 9}, {19, 280, 8, 19, 10}}},
    {{{21, 300, 9, 21, 11}, {28, 470, 10, 28, 12}}},
}};

std::size_t index(int oneBased)
{
    return static_cast<std::size_t>(oneBased - 1);
}

} // namespace

const std::array<GemStatInfo, kGemStatCount>& gemStats()
{
    return kStats;
}

const std::array<GemSizeInfo, kGemSizeCount>& gemSizes()
{
    return kSizes;
}

int gemKind(int size, bool shining)
{
    assert(size >= 1 && size <= kGemSizeCount);
    return shining ? size + kGemSizeCount : size;
}

int gemKindSize(int kind)
{
    assert(kind >= 1 && kind <= kGemKindCount);
    return gemKindShining(kind) ? kind - kGemSizeCount : kind;
}

double gemValue(int kind, int statCode)
{
    assert(statCode >= 1 && statCode <= kGemStatCount);
    return kValues[index(gemKindSize(kind))][gemKindShining(kind) ? 1 : 0][index(statCode)];
}

QString gemTooltipName(int kind)
{
    const QString name = QString::fromUtf8(kSizes[index(gemKindSize(kind))].tooltipName);
    return gemKindShining(kind) ? QStringLiteral("빛나는 ") + name : name;
}

QString gemTooltipText(int kind, int statCode)
{
    const GemStatInfo& stat = kStats[index(statCode)];
    return QStringLiteral("%1 %2%3 증가")
        .arg(QString::fromUtf8(stat.tooltipWord), formatNumber(gemValue(kind, statCode)),
             stat.percent ? QStringLiteral("%") : QString());
}

QString gemPicture(int kind)
{
    return QString::fromUtf8(kSizes[index(gemKindSize(kind))].picture);
}

int gemSizeOfListText(QStringView text)
{
    for (int size = 1; size <= kGemSizeCount; ++size)
        if (text == QString::fromUtf8(kSizes[index(size)].listText))
            return size;
    return 0;
}

} // namespace tessarin
