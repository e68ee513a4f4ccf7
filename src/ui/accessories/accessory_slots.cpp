#include "ui/accessories/accessory_slots.h"

#include "engine/accessory_rules.h"
#include "ui/accessories/accessory_editor.h"
#include "ui/common/hot_label.h"
#include "ui/common/keyboard.h"
#include "ui/common/pictures.h"
#include "ui/main/main_window.h"

namespace tessarin {

namespace {

HotLabel* slotPicture(MainWindow& mainWindow, int slot)
{
    return mainWindow.findChild<HotLabel*>(QStringLiteral("Image%1").arg(12 + slot));
}

} // namespace

AccessorySlots::AccessorySlots(MainWindow& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    QList<QWidget*> pictures;
    for (int slot = 1; slot <= kAccessoryCount; ++slot) {
        HotLabel* picture = slotPicture(mainWindow, slot);
        Q_ASSERT(picture);
        picture->setCursor(Qt::PointingHandCursor);
        picture->reachByKeyboard();
        connect(picture, &HotLabel::clicked, this, [this, slot] { click(slot); });
        pictures << picture;
    }
    moveFocusWithArrows(pictures);
}

void AccessorySlots::click(int slot)
{
    if (removeAccessory(mainWindow_.state(), slot)) {
        clearPicture(slotPicture(mainWindow_, slot));
        mainWindow_.noteChange();
        return;
    }
    // One editor for every slot: an open one keeps what was typed and only changes its caption.
    auto* editor = mainWindow_.windows().show<AccessoryEditor>(QStringLiteral("Form10"),
                                                               [this] { return new AccessoryEditor(mainWindow_); });
    editor->setWindowTitle(accessoryName(slot));
}

void showAccessory(MainWindow& mainWindow, int slot, const QString& picture)
{
    loadPicture(slotPicture(mainWindow, slot), picture);
}

} // namespace tessarin
