#include "ui/weapons/dungeon_weapon_editor.h"

#include "data/weapons.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"
#include "ui/weapons/gem_selector.h"

#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>

namespace tessarin {

namespace {

// Option1 .. Option4 in the order of kDungeons: 영린족 유적지, 낙원 사원, 홍돈족 소굴, 거미 둥지.
constexpr std::array<QPoint, 4> kDungeonPositions = {{{240, 360}, {240, 840}, {2160, 360}, {2160, 840}}};

} // namespace

DungeonWeaponEditor::DungeonWeaponEditor(MainWindow& mainWindow)
    : WeaponEditor(mainWindow, {"4대 던전 무기", {6330, 5460, 4680, 5190}}, "Option10", {1440, 1080}, 3)
{
    attacks_ = new QListWidget(baseFrame_);
    attacks_->setObjectName(QStringLiteral("List2"));
    attacks_->setGeometry(twipsRect(1920, 200, 1935, 645));
    attacks_->addItems(weaponBaseAttacks(WeaponSource::Ruins));

    auto* frame = new QGroupBox(QStringLiteral("던전 종류"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(twipsRect(120, 1200, 4335, 1335));
    for (std::size_t i = 0; i < dungeons_.size(); ++i)
        dungeons_[i] = addOption(frame, QStringLiteral("Option%1").arg(i + 1), kDungeonPositions[i],
                                 QString::fromUtf8(weaponSourceInfo(kDungeons[i]).caption), 1260);
}

int DungeonWeaponEditor::chosenDungeon() const
{
    return checkedIndex(dungeons_);
}

EquippedWeapon DungeonWeaponEditor::equip(CharacterState& state, const SourceChoice& choice)
{
    return equipDungeonWeapon(state, choice.source, choice.attack, choice.gem);
}

std::optional<Candidate> DungeonWeaponEditor::previewCandidate(const ListHover& hover) const
{
    return candidateOf(sourceChoice(chosenDungeon(), kDungeons, attacks_, hover), &DungeonWeaponEditor::equip);
}

void DungeonWeaponEditor::refresh()
{
    setConfirmEnabled(selectedValue(attacks_) > 0 && chosenDungeon() >= 0);
}

void DungeonWeaponEditor::confirm()
{
    // "확인" is enabled only with both a dungeon and a base attack.
    if (const std::optional<SourceChoice> chosen = sourceChoice(chosenDungeon(), kDungeons, attacks_, {}))
        finish(equip(mainWindow_.state(), *chosen));
}

} // namespace tessarin
