#pragma once

#include "ui/weapons/weapon_editor.h"

#include <array>

class QLineEdit;

namespace tessarin {

// Form6: a weapon whose base attack and six sub-options the user types.
class FreeWeaponEditor : public WeaponEditor {
    Q_OBJECT

public:
    explicit FreeWeaponEditor(MainWindow& mainWindow);

    std::optional<Candidate> previewCandidate(const ListHover& hover) const override;

private:
    void refresh() override;
    void confirm() override;

    // What "확인" equips, read from the boxes; nothing while it is disabled.
    struct Choice {
        double attack;
        std::array<double, 6> subOptions;
        GemChoice gem;
    };
    std::optional<Choice> choice(const ListHover& hover) const;
    static EquippedWeapon equip(CharacterState& state, const Choice& choice);

    QLineEdit* attack_ = nullptr;
    std::array<QLineEdit*, 6> subOptions_{}; // 관통, 명중, 치명, 방어, 막기, 회피
};

} // namespace tessarin
