#include "ui/weapons/free_weapon_editor.h"

#include "engine/numbers.h"
#include "state/stat_block.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"
#include "ui/weapons/gem_selector.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace tessarin {

FreeWeaponEditor::FreeWeaponEditor(MainWindow& mainWindow)
    : WeaponEditor(mainWindow, {"기타 무기", {6255, 5460, 4605, 5205}}, "Option10", {1440, 1080}, 1)
{
    attack_ = new QLineEdit(baseFrame_);
    attack_->setObjectName(QStringLiteral("Text1"));
    attack_->setGeometry(twipsRect(1800, 360, 1935, 315));

    auto* frame = new QGroupBox(QStringLiteral("부가 옵션"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(twipsRect(120, 1200, 4335, 1335));
    for (std::size_t i = 0; i < subOptions_.size(); ++i) {
        // 관통, 명중, 치명 in the left column, 방어, 막기, 회피 in the right one; the caption stands to the left.
        const bool left = i < 3;
        const int boxX = left ? 1320 : 3240;
        const int y = 240 + 360 * static_cast<int>(i % 3);
        auto* box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 2));
        box->setGeometry(twipsRect(boxX, y, 615, 285));
        auto* caption = new QLabel(QString::fromUtf8(kStatNames[i]), frame);
        caption->setGeometry(twipsRect(left ? 480 : 2520, y, 615, 285));
        caption->setAlignment(Qt::AlignCenter);
        caption->setBuddy(box);
        subOptions_[i] = box;
    }
}

void FreeWeaponEditor::refresh()
{
    setConfirmEnabled(textToNumber(attack_->text()) > 0);
}

std::optional<FreeWeaponEditor::Choice> FreeWeaponEditor::choice(const ListHover& hover) const
{
    Choice chosen{textToNumber(attack_->text()), {}, gem_->choice(hover)};
    if (!(chosen.attack > 0))
        return std::nullopt;
    for (std::size_t i = 0; i < chosen.subOptions.size(); ++i)
        chosen.subOptions[i] = textToNumber(subOptions_[i]->text());
    return chosen;
}

EquippedWeapon FreeWeaponEditor::equip(CharacterState& state, const Choice& choice)
{
    return equipFreeWeapon(state, choice.attack, choice.subOptions, choice.gem);
}

std::optional<Candidate> FreeWeaponEditor::previewCandidate(const ListHover& hover) const
{
    return candidateOf(choice(hover), &FreeWeaponEditor::equip);
}

void FreeWeaponEditor::confirm()
{
    if (const std::optional<Choice> chosen = choice({})) // "확인" is enabled only with a base attack
        finish(equip(mainWindow_.state(), *chosen));
}

} // namespace tessarin
