#pragma once

#include "ui/weapons/weapon_editor.h"

#include <array>

namespace tessarin {

// Form3: a weapon from one of the four dungeons. Its sub-options follow from the dungeon and the class.
class DungeonWeaponEditor : public WeaponEditor {
    Q_OBJECT

public:
    explicit DungeonWeaponEditor(MainWindow& mainWindow);

    std::optional<Candidate> previewCandidate(const ListHover& hover) const override;

private:
    void refresh() override;
    void confirm() override;
    // Index into kDungeons of the selected dungeon option; -1 when none is.
    int chosenDungeon() const;
    static EquippedWeapon equip(CharacterState& state, const SourceChoice& choice);

    QListWidget* attacks_ = nullptr;
    std::array<QRadioButton*, 4> dungeons_{};
};

} // namespace tessarin
