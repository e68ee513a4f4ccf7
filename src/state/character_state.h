#pragma once

#include "state/stat_block.h"

#include <QString>

#include <array>
#include <cassert>
#include <cstdint>

namespace tessarin {

// Fixed-size array indexed the way the game counts: piece 1..8, accessory 1..5, board row 1..4.
template <typename T, int N> struct OneBased {
    std::array<T, N> items{};

    T& operator[](int i)
    {
        assert(i >= 1 && i <= N);
        return items[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const
    {
        assert(i >= 1 && i <= N);
        return items[static_cast<std::size_t>(i - 1)];
    }
    static constexpr int size() { return N; }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
    bool operator==(const OneBased&) const = default;
};

// Fixed-size array indexed by a scoped enumeration whose members count from 0.
template <typename E, typename T, int N> struct EnumArray {
    std::array<T, N> items{};

    T& operator[](E e) { return items[static_cast<std::size_t>(e)]; }
    const T& operator[](E e) const { return items[static_cast<std::size_t>(e)]; }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
    bool operator==(const EnumArray&) const = default;
};

inline constexpr int kPieceCount = 8;
inline constexpr int kBoardRows = 4;
inline constexpr int kAccessoryCount = 5;

enum class SetGroup : int { Lost = 0, SeaSerpent, Free };
inline constexpr std::array<SetGroup, 3> kSetGroups = {SetGroup::Lost, SetGroup::SeaSerpent, SetGroup::Free};

enum class Stance : int {
    Baldo = 0,
    Beongaebegi,
    Bangyeok,
    Imunjeongju,
    Gwangpung,
    Eunsin,
    Jamip,
    Cheokchujjireugi,
    Namutomak
};
inline constexpr int kStanceCount = 9;

struct SetTiers {
    bool three = false;
    bool five = false;
    bool eight = false;
    bool operator==(const SetTiers&) const = default;
};

// Which picture each set-effect indicator currently shows.
struct IndicatorMarks {
    bool threeOff = false;
    bool fiveOff = false;
    bool eightOff = false;
    bool threeOn = false;
    bool fiveOn = false;
    bool eightOn = false;
    bool operator==(const IndicatorMarks&) const = default;
};

// The weapon's sub-options come first, in stat order (penetration .. maxLife), then the gem bonuses.
struct WeaponSlot : StatBlock {
    double attackBonus = 0;
    double defenceBonus = 0;
    double evasionRateBonus = 0;
    double blockRateBonus = 0;
    double additionalDamage = 0;
    bool operator==(const WeaponSlot&) const = default;
};

struct AccessorySlot {
    double attack = 0;
    double critDamageBonus = 0;
    double penetration = 0;
    double accuracy = 0;
    double critical = 0;
    double defence = 0;
    double block = 0;
    double evasion = 0;
    double additionalDamage = 0;
    double maxLife = 0;
    bool operator==(const AccessorySlot&) const = default;
};

// Class base values, in the order the base column lists them.
struct ClassBase {
    double attack = 60;
    double penetration = 0;
    double accuracy = 0;
    double critical = 0;
    double defence = 0;
    double block = 0;
    double evasion = 0;
    double maxLife = 0;
    bool operator==(const ClassBase&) const = default;
};

inline const QString kNoClassText = QStringLiteral("직업");

// The figures the stat cycle derives and keeps in the record; written by nothing else.
struct EngineFigures {
    StatBlock shieldTotals;
    double totalAttack = 0;
    double totalPenetration = 0;
    double totalAccuracy = 0;
    double totalCritical = 0;
    double totalDefence = 0;
    double totalBlock = 0;
    double totalEvasion = 0;
    double totalAdditionalDamage = 0;
    double penetrationRate = 0;
    double accuracyRate = 0;
    double critRate = 0;
    double critDamage = 0;
    double defenceRate = 0;
    double blockRate = 0;
    double evasionRate = 0;
    double expectedAttack = 0;
    bool operator==(const EngineFigures&) const = default;
};

// The one record every window shares. Plain fields, no behaviour: the rules in engine/ change it.
struct CharacterState : EngineFigures {
    // Soul-shield pieces
    OneBased<StatBlock, kPieceCount> pieceStats;
    OneBased<OneBased<bool, kPieceCount>, kBoardRows> pieceEquipped; // [row][piece]
    int lostSetCount = 0;
    int seaSerpentSetCount = 0;
    std::int16_t freeSetCount = 0;
    OneBased<std::int16_t, kPieceCount> synthesisMax;
    OneBased<OneBased<std::int16_t, kPieceCount>, static_cast<int>(kSynthStatCount)> synthesis; // [stat][piece]

    // Set effects
    bool lostSetPresent = false;
    bool seaSerpentSetPresent = false;
    bool freeSetPresent = false;
    EnumArray<SetGroup, StatBlock, 3> setEffect;
    EnumArray<SetGroup, SetTiers, 3> setEffectActive;
    std::array<std::int16_t, kStatCount> freeSetEffect3{};
    std::array<std::int16_t, kStatCount> freeSetEffect5{};
    std::array<std::int16_t, kStatCount> freeSetEffect8{};
    IndicatorMarks indicatorShown;

    // Weapon
    double weaponAttack = 0;
    WeaponSlot weapon;
    bool weaponEquipped = false;
    std::array<bool, 8> gemFlags{}; // 삼각, 사각, 오각, 육각, then the shining four
    std::int16_t gemStatKind = 0;   // 1 공격력, 2 방어력, 3 회피율, 4 추가 피해, 5 막기 확률

    // Accessories
    OneBased<AccessorySlot, kAccessoryCount> accessories;
    OneBased<bool, kAccessoryCount> accessoryEquipped;

    // Class
    ClassBase classBase;
    QString classText = kNoClassText; // the text of the class box as it stands
    QString shownClass;               // the class last picked from the list ("" before any pick)

    // Skill stances
    EnumArray<Stance, bool, kStanceCount> stanceOn;
    double critRateBonus = 0;
    double stanceCritDamageBonus = 0;
    double stealthEvasionBonus = 0;
    double stanceEvasionBonus = 0;

    // Values windows pass to each other
    float dragOriginX = 0;
    OneBased<std::int16_t, 4> helpPage;
    QString synthesisStat;
    std::int16_t stoneValue = 0;

    bool operator==(const CharacterState&) const = default;
};

} // namespace tessarin
