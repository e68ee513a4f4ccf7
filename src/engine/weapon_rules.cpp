#include "engine/weapon_rules.h"

#include "data/gems.h"
#include "engine/class_rules.h"

namespace tessarin {

namespace {

void writeSubOptions(CharacterState& state, const StatBlock& stats)
{
    static_cast<StatBlock&>(state.weapon) = stats;
}

// Starts an equip: empties a slot that already holds a weapon.
EquippedWeapon beginEquip(CharacterState& state)
{
    EquippedWeapon result;
    result.replaced = state.weaponEquipped;
    if (result.replaced)
        removeWeapon(state);
    return result;
}

void finishEquip(CharacterState& state, double attack)
{
    state.weaponAttack = attack;
    state.weaponEquipped = true;
}

} // namespace

QString fitGem(CharacterState& state, const GemChoice& gem)
{
    if (gem.statCode < 1 || gem.statCode > kGemStatCount)
        return {};
    const GemStatInfo& stat = gemStats()[static_cast<std::size_t>(gem.statCode - 1)];
    state.gemStatKind = stat.code;
    if (gem.size < 1 || gem.size > kGemSizeCount)
        return {};
    const int kind = gemKind(gem.size, gem.shining);
    state.weapon.*stat.field = gemValue(kind, gem.statCode);
    state.gemFlags[static_cast<std::size_t>(kind - 1)] = true;
    return gemPicture(kind);
}

void writeSeaSerpentSubOptions(CharacterState& state, WeaponSource boss)
{
    if (const WeaponSubOptionRow* row = weaponSubOptions(boss, state.classText)) {
        writeSubOptions(state, row->stats);
    } else if (boss == WeaponSource::Pohwaran) {
        // A text that is no class still gets the three sub-options every 포화란 weapon has.
        state.weapon.penetration = 0;
        state.weapon.accuracy = 0;
        state.weapon.critical = kPohwaranCritical;
    }
}

EquippedWeapon equipDungeonWeapon(CharacterState& state, WeaponSource dungeon, double attack, const GemChoice& gem)
{
    EquippedWeapon result = beginEquip(state);
    if (const WeaponSubOptionRow* row = weaponSubOptions(dungeon, state.classText))
        writeSubOptions(state, row->stats);
    result.weaponPicture = weaponPictureName(state.classText, dungeon);
    result.gemPicture = fitGem(state, gem);
    finishEquip(state, attack);
    return result;
}

EquippedWeapon equipSeaSerpentWeapon(CharacterState& state, WeaponSource boss, double attack, const GemChoice& gem)
{
    EquippedWeapon result = beginEquip(state);
    // The sub-options are the ones the editor's timer wrote; a removal just now took them away.
    if (result.replaced)
        writeSeaSerpentSubOptions(state, boss);
    result.gemPicture = fitGem(state, gem);
    finishEquip(state, attack);
    result.weaponPicture = weaponPictureName(state.classText, boss);
    return result;
}

EquippedWeapon equipFreeWeapon(CharacterState& state, double attack, const std::array<double, 6>& subOptions,
                               const GemChoice& gem)
{
    EquippedWeapon result = beginEquip(state);
    result.gemPicture = fitGem(state, gem);
    finishEquip(state, attack);
    for (std::size_t i = 0; i < subOptions.size(); ++i)
        state.weapon[kAllStats[i]] = subOptions[i];
    result.weaponPicture = weaponPictureName(state.classText, WeaponSource::Free);
    return result;
}

} // namespace tessarin
