// The weapon-kind chooser and the three weapon editors, each filled in as a player would.
#include "shots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

using tessarin::MainWindow;

QWidget* openedWindow(MainWindow* main, const char* name)
{
    tessarin::shots::wait(50);
    return main->windows().find(QString::fromLatin1(name));
}

template <typename T> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

// Opens the chooser through the weapon slot and, with `button`, one of the editors.
QWidget* openEditor(MainWindow* main, const char* button, const char* editor)
{
    QMetaObject::invokeMethod(main->findChild<QObject*>(QStringLiteral("Image9")), "clicked");
    QWidget* chooser = openedWindow(main, "Form2");
    child<QPushButton>(chooser, button)->click();
    return openedWindow(main, editor);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MainWindow* main = tessarin::shots::openMainWindow();
    auto* classBox = main->findChild<QComboBox*>(QStringLiteral("Combo1"));
    classBox->setCurrentIndex(3); // 암살자
    emit classBox->activated(3);

    bool ok = true;
    QMetaObject::invokeMethod(main->findChild<QObject*>(QStringLiteral("Image9")), "clicked");
    QWidget* chooser = openedWindow(main, "Form2");
    ok = tessarin::shots::save(chooser, QStringLiteral("weapon-chooser")) && ok;
    chooser->close();

    QWidget* dungeon = openEditor(main, "Command1", "Form3");
    child<QListWidget>(dungeon, "List2")->setCurrentRow(2);
    child<QRadioButton>(dungeon, "Option3")->setChecked(true);
    child<QRadioButton>(dungeon, "Option6")->setChecked(true);
    child<QCheckBox>(dungeon, "Check1")->setChecked(true);
    child<QListWidget>(dungeon, "List1")->setCurrentRow(1);
    ok = tessarin::shots::save(dungeon, QStringLiteral("weapon-dungeon-editor")) && ok;
    dungeon->close();

    QWidget* seaSerpent = openEditor(main, "Command2", "Form4");
    child<QRadioButton>(seaSerpent, "Option2")->setChecked(true);
    child<QListWidget>(seaSerpent, "List2")->setCurrentRow(0);
    child<QRadioButton>(seaSerpent, "Option8")->setChecked(true);
    child<QListWidget>(seaSerpent, "List1")->setCurrentRow(0);
    ok = tessarin::shots::save(seaSerpent, QStringLiteral("weapon-seaserpent-editor")) && ok;
    seaSerpent->close();

    QWidget* free = openEditor(main, "Command3", "Form6");
    child<QLineEdit>(free, "Text1")->setText(QStringLiteral("212"));
    const char* values[] = {"12", "40", "57.5", "", "", "30"};
    for (int i = 0; i < 6; ++i)
        child<QLineEdit>(free, QStringLiteral("Text%1").arg(i + 2).toLatin1().constData())
            ->setText(QString::fromLatin1(values[i]));
    child<QRadioButton>(free, "Option9")->setChecked(true);
    child<QListWidget>(free, "List1")->setCurrentRow(1);
    ok = tessarin::shots::save(free, QStringLiteral("weapon-free-editor")) && ok;
    child<QPushButton>(free, "Command1")->click();
    ok = tessarin::shots::save(main, QStringLiteral("weapon-equipped")) && ok;

    main->windows().closeAll(main);
    return ok ? 0 : 1;
}
