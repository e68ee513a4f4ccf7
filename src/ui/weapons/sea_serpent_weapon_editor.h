#pragma once

#include "state/stat_block.h"
#include "ui/weapons/weapon_editor.h"

#include <array>
#include <optional>

namespace tessarin {

// Form4: a weapon from the sea-serpent supply base. Its timer writes the boss's sub-options into the
// weapon slot while it is open, so the sheet previews them before "확인".
class SeaSerpentWeaponEditor : public WeaponEditor {
    Q_OBJECT

public:
    explicit SeaSerpentWeaponEditor(MainWindow& mainWindow);

    // While the editor previews sub-options over an empty slot: what closing it would put back.
    std::optional<StatBlock> slotBeforePreview() const;
    // The timer's sub-options and "확인" together.
    std::optional<Candidate> previewCandidate(const ListHover& hover) const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh() override;
    void confirm() override;
    void chooseBoss(int boss);
    // Index into kSeaSerpentBosses of the selected boss option; -1 when none is.
    int chosenBoss() const;
    static EquippedWeapon equip(CharacterState& state, const SourceChoice& choice);
    // Follows the slot: a weapon taken off (or a class change) empties it, so that is what to put back.
    void followSlot();

    QListWidget* attacks_ = nullptr;
    std::array<QRadioButton*, 2> bosses_{};
    // The sub-options the slot held apart from the preview: leaving without "확인" while no weapon is
    // worn puts them back, so a preview never stays behind in an empty slot.
    StatBlock subOptionsBefore_;
    bool wasEquipped_ = false;
    bool confirmed_ = false;
};

} // namespace tessarin
