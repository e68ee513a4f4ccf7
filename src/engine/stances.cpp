#include "engine/stances.h"

#include "data/classes.h"

namespace tessarin {

std::optional<Stance> stanceOfButton(const QString& classText, int button)
{
    const ClassInfo* info = findClass(classText);
    if (!info || button < 1 || button > kStanceButtonCount)
        return std::nullopt;
    const auto& setup = info->buttons[static_cast<std::size_t>(button - 1)];
    if (!setup)
        return std::nullopt;
    return setup->stance;
}

bool toggleStance(CharacterState& state, Stance stance)
{
    const bool on = !state.stanceOn[stance];
    state.stanceOn[stance] = on;
    switch (stance) {
    case Stance::Baldo:
        state.critRateBonus += on ? 5 : -5;
        state.stanceEvasionBonus = on ? 20 : 0;
        break;
    case Stance::Beongaebegi: state.critRateBonus += on ? 10 : -10; break;
    case Stance::Imunjeongju: state.critRateBonus = on ? 30 : 0; break;
    case Stance::Eunsin:
        state.stanceCritDamageBonus = on ? 50 : 0;
        state.stealthEvasionBonus = on ? 50 : 0;
        break;
    // The three evasion stances keep the largest bonus among those that are on.
    case Stance::Jamip:
        if (on && state.stanceEvasionBonus < 25)
            state.stanceEvasionBonus = 25;
        else if (!on && state.stanceEvasionBonus <= 25)
            state.stanceEvasionBonus = 0;
        break;
    case Stance::Cheokchujjireugi:
        if (on && state.stanceEvasionBonus < 30)
            state.stanceEvasionBonus = 30;
        else if (!on && state.stanceEvasionBonus <= 30)
            state.stanceEvasionBonus = state.stanceOn[Stance::Jamip] ? 25 : 0;
        break;
    case Stance::Namutomak:
        if (on)
            state.stanceEvasionBonus = 99;
        else if (state.stanceOn[Stance::Cheokchujjireugi])
            state.stanceEvasionBonus = 30;
        else
            state.stanceEvasionBonus = state.stanceOn[Stance::Jamip] ? 25 : 0;
        break;
    case Stance::Bangyeok:
    case Stance::Gwangpung: break; // read by the stat cycle directly
    }
    return on;
}

std::optional<bool> clickStanceButton(CharacterState& state, int button)
{
    const std::optional<Stance> stance = stanceOfButton(state.classText, button);
    if (!stance)
        return std::nullopt;
    return toggleStance(state, *stance);
}

} // namespace tessarin
