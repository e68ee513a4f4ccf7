#pragma once

#include "data/weapons.h"
#include "state/character_state.h"

#include <QString>

#include <array>

namespace tessarin {

// What the gem frame of a weapon editor says at confirmation.
struct GemChoice {
    int statCode = 0; // 1..5, 0 for "없음"
    bool shining = false;
    int size = 0; // 1 삼각 .. 4 육각, 0 when no size is selected
};

// What the main window must show after a weapon editor confirmed.
struct EquippedWeapon {
    bool replaced = false; // a weapon was equipped before and has been removed first: clear both pictures
    QString weaponPicture; // for Image9; empty: load none
    QString gemPicture;    // for Image18; empty: load none
};

// The gem selector: writes the gem kind, bonus and flag the choice describes and returns the gem
// picture to load (empty when no gem is fitted). A stat without a size sets gemStatKind only.
QString fitGem(CharacterState& state, const GemChoice& gem);

// The sea-serpent editor's timer, once a base attack is chosen: the boss's sub-options for the class
// in the record's class text.
void writeSeaSerpentSubOptions(CharacterState& state, WeaponSource boss);

// The confirmations of the three editors, in the order each editor works. The class is the record's
// class text as it stands. A weapon already in the slot (a second editor opened while the slot was
// empty) is removed first, so the slot always holds one whole weapon and at most one gem.
EquippedWeapon equipDungeonWeapon(CharacterState& state, WeaponSource dungeon, double attack, const GemChoice& gem);
EquippedWeapon equipSeaSerpentWeapon(CharacterState& state, WeaponSource boss, double attack, const GemChoice& gem);
// `subOptions` are 관통, 명중, 치명, 방어, 막기, 회피; 최대생명력 keeps what the slot holds.
EquippedWeapon equipFreeWeapon(CharacterState& state, double attack, const std::array<double, 6>& subOptions,
                               const GemChoice& gem);

} // namespace tessarin
