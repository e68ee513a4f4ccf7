#pragma once

#include "state/character_state.h"

#include <QString>

#include <array>
#include <optional>

namespace tessarin {

inline constexpr int kStanceButtonCount = 4; // Command33 .. Command36

struct StanceButtonDef {
    Stance stance;
    const char* picture; // relative picture name (UTF-8)
    const char* tooltip; // UTF-8
};

struct ClassInfo {
    const char* name;       // UTF-8, as the class box lists it
    const char* weaponStem; // weapon picture stem
    double accuracy, critical, defence, block, evasion, maxLife;
    std::array<std::optional<StanceButtonDef>, kStanceButtonCount> buttons;
};

inline constexpr int kClassCount = 6;
// The six classes in the order of the class box.
const std::array<ClassInfo, kClassCount>& classTable();
// The class whose name equals the text exactly; nullptr for any other text ("직업" included).
const ClassInfo* findClass(const QString& text);

} // namespace tessarin
