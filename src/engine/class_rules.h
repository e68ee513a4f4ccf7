#pragma once

#include "data/classes.h"
#include "state/character_state.h"

#include <QString>

#include <array>

namespace tessarin {

struct StanceButtonView {
    bool visible = false;
    QString picture; // relative picture name to load when visible
    QString tooltip;
};

struct ClassChange {
    bool knownClass = false; // false: the text names no class, buttons and base values stay as they were
    std::array<StanceButtonView, kStanceButtonCount> buttons;
};

// Picking a class from the class box: every stance off, the class's base values and stance buttons,
// and the weapon removed. The caller sets the four stance labels to "off", applies the buttons when the
// class is known, and clears the weapon and gem pictures.
ClassChange changeClass(CharacterState& state, const QString& classText);

// Every stance off and every stance bonus 0.
void clearStances(CharacterState& state);

// Empties the weapon slot: base attack, every weapon field, the equipped flag and the gem.
void removeWeapon(CharacterState& state);

} // namespace tessarin
