#include "ui/weapons/weapon_chooser.h"

#include "ui/common/keyboard.h"
#include "ui/common/theme.h"
#include "ui/common/twips.h"
#include "ui/main/main_window.h"
#include "ui/weapons/dungeon_weapon_editor.h"
#include "ui/weapons/free_weapon_editor.h"
#include "ui/weapons/sea_serpent_weapon_editor.h"

#include <QPushButton>

#include <array>

namespace tessarin {

namespace {

struct ChooserButton {
    const char* name;
    const char* caption;
    int top;
};

constexpr std::array<ChooserButton, 4> kButtons = {{
    {"Command1", "4대 던전 무기", 240},
    {"Command2", "바다뱀 보급기지 무기", 960},
    {"Command3", "기타 무기", 1680},
    {"Command4", "취소", 2400},
}};

} // namespace

WeaponChooser::WeaponChooser(MainWindow& mainWindow) : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("무기 종류"));
    setGeometry(twipsRect(7050, 6255, 3075, 3165));
    setFixedSize(twipsToPixels(3075), twipsToPixels(3165));
    setStyleSheet(editorStyleSheet());
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const ChooserButton& entry = kButtons[i];
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setGeometry(twipsRect(240, entry.top, 2535, 495));
        const int kind = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, kind] { openEditor(kind); });
        if (i + 1 == kButtons.size())
            prepareKeyboard(this, nullptr, button); // 취소
    }
}

void WeaponChooser::openEditor(int kind)
{
    WindowRegistry& windows = mainWindow_.windows();
    MainWindow& main = mainWindow_;
    switch (kind) {
    case 0:
        windows.show<DungeonWeaponEditor>(QStringLiteral("Form3"), [&main] { return new DungeonWeaponEditor(main); });
        break;
    case 1:
        windows.show<SeaSerpentWeaponEditor>(QStringLiteral("Form4"),
                                             [&main] { return new SeaSerpentWeaponEditor(main); });
        break;
    case 2:
        windows.show<FreeWeaponEditor>(QStringLiteral("Form6"), [&main] { return new FreeWeaponEditor(main); });
        break;
    default: break; // 취소
    }
    close();
}

} // namespace tessarin
