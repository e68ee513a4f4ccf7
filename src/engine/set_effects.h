#pragma once

#include "state/character_state.h"

#include <QString>

#include <array>

namespace tessarin {

// Number of equipped pieces of a set group.
int setCount(const CharacterState& state, SetGroup group);

// Presence flags: a group is present while at least one of its pieces is equipped.
void updateSetPresence(CharacterState& state);
// Set-effect records and tier flags of the present groups, from their piece counts.
void updateSetEffects(CharacterState& state);
// Both, presence first.
void runSetEffectCycle(CharacterState& state);

// Bonus of the free set for a piece count, from the typed-in 3-, 5- and 8-piece effects. The tier sums
// are exact (computed wider than 16 bits), so they never wrap around.
StatBlock freeSetBonus(const CharacterState& state, int count, SetTiers* tiers = nullptr);

inline constexpr int kIndicatorCount = 3; // Image10, Image11, Image12

// One picture an indicator must load: indicator 0..2 and the relative picture name.
struct IndicatorChange {
    int indicator = 0;
    const char* picture = nullptr;
};

struct IndicatorChanges {
    std::array<IndicatorChange, 8> items{};
    int count = 0;
    const IndicatorChange* begin() const { return items.data(); }
    const IndicatorChange* end() const { return items.data() + count; }
};

// The indicator rule (every 50 ms, and once after a piece editor equips a piece): updates the marks
// and returns the pictures to load, in order. Nothing is returned when every picture is already right.
IndicatorChanges runIndicatorCycle(CharacterState& state);

} // namespace tessarin
