#include "ui/weapons/weapon_slot_view.h"

#include "engine/class_rules.h"
#include "ui/common/hot_label.h"
#include "ui/common/messages.h"
#include "ui/common/pictures.h"
#include "ui/main/main_window.h"
#include "ui/weapons/weapon_chooser.h"

namespace tessarin {

namespace {

QLabel* weaponPicture(MainWindow& mainWindow)
{
    return mainWindow.findChild<QLabel*>(QStringLiteral("Image9"));
}

QLabel* gemPicture(MainWindow& mainWindow)
{
    return mainWindow.findChild<QLabel*>(QStringLiteral("Image18"));
}

} // namespace

WeaponSlotView::WeaponSlotView(MainWindow& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    auto* slot = mainWindow.findChild<HotLabel*>(QStringLiteral("Image9"));
    slot->setCursor(Qt::PointingHandCursor);
    slot->reachByKeyboard();
    connect(slot, &HotLabel::clicked, this, &WeaponSlotView::click);
}

void WeaponSlotView::click()
{
    CharacterState& state = mainWindow_.state();
    if (state.weaponEquipped) {
        removeWeapon(state);
        clearPicture(weaponPicture(mainWindow_));
        clearPicture(gemPicture(mainWindow_));
        mainWindow_.noteChange();
        return;
    }
    if (state.classText == kNoClassText) {
        showMessage(&mainWindow_, QStringLiteral("직업을 선택해주세요."));
        return;
    }
    mainWindow_.windows().show<WeaponChooser>(QStringLiteral("Form2"),
                                              [this] { return new WeaponChooser(mainWindow_); });
}

void showEquippedWeapon(MainWindow& mainWindow, const EquippedWeapon& equipped)
{
    if (equipped.replaced) {
        clearPicture(weaponPicture(mainWindow));
        clearPicture(gemPicture(mainWindow));
    }
    if (!equipped.weaponPicture.isEmpty())
        loadPicture(weaponPicture(mainWindow), equipped.weaponPicture);
    if (!equipped.gemPicture.isEmpty())
        loadPicture(gemPicture(mainWindow), equipped.gemPicture);
}

} // namespace tessarin
