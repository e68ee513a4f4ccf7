#pragma once

#include "state/character_state.h"

#include <QString>

#include <optional>

namespace tessarin {

// The stance that stance button 1..4 (Command33 .. Command36) stands for under a class text.
std::optional<Stance> stanceOfButton(const QString& classText, int button);

// Switches a stance on or off with its effect on the bonuses. Returns the new state.
bool toggleStance(CharacterState& state, Stance stance);

// A click on stance button 1..4 under the class in the record: the stance's new state, or nothing when
// the class has no stance on that button.
std::optional<bool> clickStanceButton(CharacterState& state, int button);

} // namespace tessarin
