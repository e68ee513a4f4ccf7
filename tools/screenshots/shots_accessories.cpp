// The accessory editor with an accessory typed in, and the main window with all five accessories worn,
// a 검사 with a free weapon and its gem, so the sheet shows five-digit figures.
#include "shots.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace {

using tessarin::MainWindow;

template <typename T> T* child(QWidget* window, const QString& name)
{
    return window->findChild<T*>(name);
}

void clickSlot(MainWindow* main, int slot)
{
    QMetaObject::invokeMethod(child<QObject>(main, QStringLiteral("Image%1").arg(12 + slot)), "clicked");
    tessarin::shots::wait(30);
}

// Opens the editor from `slot` and types the ten values.
QWidget* typeAccessory(MainWindow* main, int slot, const std::array<const char*, 10>& values)
{
    clickSlot(main, slot);
    QWidget* editor = main->windows().find(QStringLiteral("Form10"));
    for (int i = 0; i < 10; ++i)
        child<QLineEdit>(editor, QStringLiteral("Text%1").arg(i + 1))->setText(QString::fromUtf8(values[i]));
    return editor;
}

void wearFreeWeapon(MainWindow* main)
{
    QMetaObject::invokeMethod(child<QObject>(main, QStringLiteral("Image9")), "clicked");
    tessarin::shots::wait(30);
    QWidget* chooser = main->windows().find(QStringLiteral("Form2"));
    child<QPushButton>(chooser, QStringLiteral("Command3"))->click();
    tessarin::shots::wait(30);
    QWidget* editor = main->windows().find(QStringLiteral("Form6"));
    child<QLineEdit>(editor, QStringLiteral("Text1"))->setText(QStringLiteral("212"));
    child<QLineEdit>(editor, QStringLiteral("Text4"))->setText(QStringLiteral("57.5"));
    child<QRadioButton>(editor, QStringLiteral("Option9"))->setChecked(true);
    child<QListWidget>(editor, QStringLiteral("List1"))->setCurrentRow(1);
    tessarin::shots::wait(30);
    child<QPushButton>(editor, QStringLiteral("Command1"))->click();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MainWindow* main = tessarin::shots::openMainWindow();
    auto* classBox = child<QComboBox>(main, QStringLiteral("Combo1"));
    const int swordsman = classBox->findText(QStringLiteral("검사"));
    classBox->setCurrentIndex(swordsman);
    emit classBox->activated(swordsman);
    wearFreeWeapon(main);

    bool ok = true;
    QWidget* editor = typeAccessory(main, 3, {"18", "12.5", "40", "", "55", "", "", "", "3", "1200"});
    ok = tessarin::shots::save(editor, QStringLiteral("accessory-editor")) && ok;
    child<QPushButton>(editor, QStringLiteral("Command1"))->click();

    const std::array<std::array<const char*, 10>, 4> others = {{
        {"12", "", "", "35", "", "120", "", "", "", "900"},
        {"12", "", "", "35", "", "120", "", "", "", "900"},
        {"18", "8", "40", "", "55", "", "", "", "3", "1200"},
        {"25", "", "60", "", "", "", "45", "38", "6", "2100"},
    }};
    const std::array<int, 4> otherSlots = {1, 2, 4, 5};
    for (std::size_t i = 0; i < otherSlots.size(); ++i)
        child<QPushButton>(typeAccessory(main, otherSlots[i], others[i]), QStringLiteral("Command1"))->click();
    ok = tessarin::shots::save(main, QStringLiteral("main-window-accessories")) && ok;

    main->windows().closeAll(main);
    return ok ? 0 : 1;
}
