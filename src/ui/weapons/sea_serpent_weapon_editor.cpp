#include "ui/weapons/sea_serpent_weapon_editor.h"

#include "data/weapons.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"
#include "ui/weapons/gem_selector.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>

namespace tessarin {

SeaSerpentWeaponEditor::SeaSerpentWeaponEditor(MainWindow& mainWindow)
    : WeaponEditor(mainWindow, {"바다뱀 보급기지 무기", {6330, 5460, 4650, 5190}}, "Option3", {1440, 1440}, 3),
      subOptionsBefore_(mainWindow.state().weapon), wasEquipped_(mainWindow.state().weaponEquipped)
{
    attacks_ = new QListWidget(baseFrame_);
    attacks_->setObjectName(QStringLiteral("List2"));
    attacks_->setGeometry(twipsRect(1800, 200, 1935, 645));
    attacks_->setEnabled(false);

    auto* frame = new QGroupBox(QStringLiteral("네임드"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(twipsRect(120, 1200, 4335, 1335));
    for (std::size_t i = 0; i < bosses_.size(); ++i) {
        const int top = i == 0 ? 360 : 840;
        bosses_[i] = addOption(frame, QStringLiteral("Option%1").arg(i + 1), {240, top},
                               QString::fromUtf8(weaponSourceInfo(kSeaSerpentBosses[i]).caption), 2280);
        const int boss = static_cast<int>(i);
        // Every click fills the list again, on the boss already chosen too, so the base attack is chosen anew.
        connect(bosses_[i], &QRadioButton::clicked, this, [this, boss] { chooseBoss(boss); });
    }
}

void SeaSerpentWeaponEditor::chooseBoss(int boss)
{
    attacks_->clear();
    attacks_->addItems(weaponBaseAttacks(kSeaSerpentBosses[static_cast<std::size_t>(boss)]));
    attacks_->setEnabled(true);
}

int SeaSerpentWeaponEditor::chosenBoss() const
{
    return checkedIndex(bosses_);
}

void SeaSerpentWeaponEditor::followSlot()
{
    const bool equipped = mainWindow_.state().weaponEquipped;
    if (wasEquipped_ && !equipped)
        subOptionsBefore_ = StatBlock{};
    wasEquipped_ = equipped;
}

std::optional<StatBlock> SeaSerpentWeaponEditor::slotBeforePreview() const
{
    const bool equipped = mainWindow_.state().weaponEquipped;
    if (confirmed_ || equipped)
        return std::nullopt;
    return wasEquipped_ ? StatBlock{} : subOptionsBefore_;
}

EquippedWeapon SeaSerpentWeaponEditor::equip(CharacterState& state, const SourceChoice& choice)
{
    return equipSeaSerpentWeapon(state, choice.source, choice.attack, choice.gem);
}

std::optional<Candidate> SeaSerpentWeaponEditor::previewCandidate(const ListHover& hover) const
{
    return candidateOf(sourceChoice(chosenBoss(), kSeaSerpentBosses, attacks_, hover),
                       [](CharacterState& state, const SourceChoice& choice) {
                           writeSeaSerpentSubOptions(state, choice.source);
                           equip(state, choice);
                       });
}

void SeaSerpentWeaponEditor::refresh()
{
    CharacterState& state = mainWindow_.state();
    followSlot();
    const int boss = chosenBoss();
    if (!(selectedValue(attacks_) > 0) || boss < 0) {
        setConfirmEnabled(false);
        return;
    }
    writeSeaSerpentSubOptions(state, kSeaSerpentBosses[static_cast<std::size_t>(boss)]);
    setConfirmEnabled(true);
}

void SeaSerpentWeaponEditor::confirm()
{
    const std::optional<SourceChoice> chosen = sourceChoice(chosenBoss(), kSeaSerpentBosses, attacks_, {});
    if (!chosen)
        return; // "확인" is enabled only with a boss and a base attack
    confirmed_ = true;
    finish(equip(mainWindow_.state(), *chosen));
}

void SeaSerpentWeaponEditor::closeEvent(QCloseEvent* event)
{
    CharacterState& state = mainWindow_.state();
    followSlot();
    if (!confirmed_ && !state.weaponEquipped)
        static_cast<StatBlock&>(state.weapon) = subOptionsBefore_;
    WeaponEditor::closeEvent(event);
}

} // namespace tessarin
