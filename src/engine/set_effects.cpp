#include "engine/set_effects.h"

#include "data/catalogue.h"

namespace tessarin {

namespace {

bool setPresent(const CharacterState& state, SetGroup group)
{
    switch (group) {
    case SetGroup::Lost: return state.lostSetPresent;
    case SetGroup::SeaSerpent: return state.seaSerpentSetPresent;
    case SetGroup::Free: break;
    }
    return state.freeSetPresent;
}

} // namespace

int setCount(const CharacterState& state, SetGroup group)
{
    switch (group) {
    case SetGroup::Lost: return state.lostSetCount;
    case SetGroup::SeaSerpent: return state.seaSerpentSetCount;
    case SetGroup::Free: break;
    }
    return state.freeSetCount;
}

StatBlock freeSetBonus(const CharacterState& state, int count, SetTiers* tiers)
{
    const SetTiers active = setTiersForCount(count);
    if (tiers)
        *tiers = active;
    StatBlock bonus;
    for (std::size_t i = 0; i < kStatCount; ++i) {
        int sum = 0;
        if (active.three)
            sum += state.freeSetEffect3[i];
        if (active.five)
            sum += state.freeSetEffect5[i];
        if (active.eight)
            sum += state.freeSetEffect8[i];
        bonus[kAllStats[i]] = sum;
    }
    return bonus;
}

void updateSetPresence(CharacterState& state)
{
    state.lostSetPresent = state.lostSetCount > 0;
    state.seaSerpentSetPresent = state.seaSerpentSetCount > 0;
    state.freeSetPresent = state.freeSetCount > 0;
}

void runSetEffectCycle(CharacterState& state)
{
    updateSetPresence(state);
    updateSetEffects(state);
}

void updateSetEffects(CharacterState& state)
{
    if (!state.lostSetPresent && !state.seaSerpentSetPresent && !state.freeSetPresent) {
        for (SetGroup group : kSetGroups) {
            state.setEffect[group] = StatBlock{};
            state.setEffectActive[group] = SetTiers{};
        }
        return;
    }
    // A group that is absent keeps its last record; it was cleared when its count fell below 3.
    for (SetGroup group : {SetGroup::Lost, SetGroup::SeaSerpent}) {
        if (!setPresent(state, group))
            continue;
        const SetBonus bonus = catalogueSetBonus(group, setCount(state, group));
        state.setEffect[group] = bonus.stats;
        state.setEffectActive[group] = bonus.tiers;
    }
    if (state.freeSetPresent)
        state.setEffect[SetGroup::Free] =
            freeSetBonus(state, state.freeSetCount, &state.setEffectActive[SetGroup::Free]);
}

IndicatorChanges runIndicatorCycle(CharacterState& state)
{
    IndicatorChanges changes;
    IndicatorMarks& marks = state.indicatorShown;
    // Each show-operation loads its picture only when its own mark says it is not shown yet.
    auto show = [&](bool& mark, bool& opposite, int indicator, const char* picture) {
        if (mark)
            return;
        mark = true;
        opposite = false;
        if (changes.count < static_cast<int>(changes.items.size()))
            changes.items[static_cast<std::size_t>(changes.count++)] = {indicator, picture};
    };
    auto threeOn = [&] { show(marks.threeOn, marks.threeOff, 0, "image/set30.gif"); };
    auto threeOff = [&] { show(marks.threeOff, marks.threeOn, 0, "image/set3.gif"); };
    auto fiveOn = [&] { show(marks.fiveOn, marks.fiveOff, 1, "image/set50.gif"); };
    auto fiveOff = [&] { show(marks.fiveOff, marks.fiveOn, 1, "image/set5.gif"); };
    auto eightOn = [&] { show(marks.eightOn, marks.eightOff, 2, "image/set80.gif"); };
    auto eightOff = [&] { show(marks.eightOff, marks.eightOn, 2, "image/set8.gif"); };

    if (!state.lostSetPresent && !state.seaSerpentSetPresent && !state.freeSetPresent) {
        threeOff();
        return changes;
    }
    for (SetGroup group : kSetGroups) {
        if (!setPresent(state, group))
            continue;
        bool otherFive = false;
        bool otherThree = false;
        for (SetGroup other : kSetGroups) {
            if (other == group)
                continue;
            otherFive = otherFive || state.setEffectActive[other].five;
            otherThree = otherThree || state.setEffectActive[other].three;
        }
        const int n = setCount(state, group);
        if (n == 8) {
            eightOn();
        } else if (n >= 5 && n <= 7) {
            if (!otherFive) {
                fiveOn();
                eightOff();
            }
        } else if (n >= 3 && n <= 4) {
            if (!otherFive && !otherThree) {
                threeOn();
                fiveOff();
            }
        } else if (n >= 1 && n <= 2) {
            if (!otherFive && !otherThree)
                threeOff();
        }
    }
    return changes;
}

} // namespace tessarin
