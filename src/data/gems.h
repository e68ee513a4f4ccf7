#pragma once

#include "state/character_state.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace tessarin {

// The diamond gem (금강석) a weapon can carry: one of five stats, one of four sizes, plain or shining.
inline constexpr int kGemStatCount = 5; // codes 1..5, as kept in gemStatKind
inline constexpr int kGemSizeCount = 4; // 1 삼각, 2 사각, 3 오각, 4 육각
inline constexpr int kGemKindCount = 8; // the flags of gemFlags: the four sizes, then the four shining

struct GemStatInfo {
    std::int16_t code;         // gemStatKind
    const char* caption;       // option caption in the editors (UTF-8)
    const char* tooltipWord;   // the stat word of the tooltip text (UTF-8)
    bool percent;              // the value is in percentage points
    double WeaponSlot::*field; // the weapon field that receives the bonus
};

struct GemSizeInfo {
    const char* listText;    // item of the editors' size list (UTF-8)
    const char* tooltipName; // name of the plain gem in the tooltip (UTF-8)
    const char* picture;     // relative picture name, shared by the plain and the shining gem (UTF-8)
};

// The five stats in code order (공격력, 방어력, 회피율, 추가 피해, 막기 확률).
const std::array<GemStatInfo, kGemStatCount>& gemStats();
// The four sizes in the order 삼각, 사각, 오각, 육각.
const std::array<GemSizeInfo, kGemSizeCount>& gemSizes();

// The flag number (1..8) of a size (1..4), plain or shining.
int gemKind(int size, bool shining);
// The size (1..4) of a flag number (1..8).
int gemKindSize(int kind);
inline bool gemKindShining(int kind)
{
    return kind > kGemSizeCount;
}

// The bonus a gem of that kind (1..8) gives to a stat (1..5).
double gemValue(int kind, int statCode);
// "빛나는 사각금강석", as the gem tooltip names a kind.
QString gemTooltipName(int kind);
// "회피율 3% 증가": what the gem tooltip says a gem of that kind does for a stat.
QString gemTooltipText(int kind, int statCode);
// The picture of a kind, e.g. "image/오금.gif".
QString gemPicture(int kind);
// The size (1..4) whose list text equals the text; 0 for any other text.
int gemSizeOfListText(QStringView text);

} // namespace tessarin
