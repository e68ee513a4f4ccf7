#include "engine/class_rules.h"

namespace tessarin {

void clearStances(CharacterState& state)
{
    for (bool& on : state.stanceOn)
        on = false;
    state.critRateBonus = 0;
    state.stanceCritDamageBonus = 0;
    state.stealthEvasionBonus = 0;
    state.stanceEvasionBonus = 0;
}

void removeWeapon(CharacterState& state)
{
    state.weaponAttack = 0;
    state.weapon = WeaponSlot{};
    state.weaponEquipped = false;
    state.gemFlags.fill(false);
    state.gemStatKind = 0;
}

ClassChange changeClass(CharacterState& state, const QString& classText)
{
    ClassChange change;
    state.classText = classText;
    clearStances(state);
    if (const ClassInfo* info = findClass(classText)) {
        change.knownClass = true;
        state.shownClass = classText;
        for (int i = 0; i < kStanceButtonCount; ++i) {
            const auto& setup = info->buttons[static_cast<std::size_t>(i)];
            StanceButtonView& view = change.buttons[static_cast<std::size_t>(i)];
            view.visible = setup.has_value();
            if (setup) {
                view.picture = QString::fromUtf8(setup->picture);
                view.tooltip = QString::fromUtf8(setup->tooltip);
            }
        }
        ClassBase& base = state.classBase;
        base.accuracy = info->accuracy;
        base.critical = info->critical;
        base.defence = info->defence;
        base.block = info->block;
        base.evasion = info->evasion;
        base.maxLife = info->maxLife;
    }
    removeWeapon(state);
    return change;
}

} // namespace tessarin
