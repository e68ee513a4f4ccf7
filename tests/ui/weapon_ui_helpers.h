#pragma once

#include "ui_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

// Driving the weapon slot, the chooser and the weapon editors as a player does.
namespace tessarin::testing::weapons {

// The sheet's equipment labels in stat order: 관통, 명중, 치명, 방어, 막기, 회피, 최대생명력.
inline const QStringList kEquipment = {"Label37", "Label38", "Label39", "Label3", "Label13", "Label43", "Label50"};

enum class Leave { Confirm, Cancel, CloseBox };

inline QStringList equipmentFigures(QWidget* window)
{
    QStringList figures;
    for (const QString& name : kEquipment)
        figures << labelText(window, name);
    return figures;
}

// "0 0 131 0 0 0 550" as the sheet shows it, in stat order.
inline QStringList figures(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

// The number of open top-level windows of that name.
inline int openCount(const QString& name)
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == name && widget->isVisible();
    return count;
}

inline void chooseClass(MainWindowFixture& f, const QString& name)
{
    pickFromList(control<QComboBox>(f.window, "Combo1"), name);
}

// Clicks a list item as a person does; the item is found by its text.
inline void clickItem(QWidget* window, const char* list, const QString& text)
{
    auto* box = control<QListWidget>(window, QString::fromLatin1(list));
    const QList<QListWidgetItem*> found = box->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    box->scrollToItem(found.first());
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(found.first()).center());
    QVERIFY2(found.first()->isSelected(), qPrintable(text));
}

inline void click(QWidget* window, const char* name)
{
    QWidget* target = control(window, QString::fromLatin1(name));
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

inline void typeInto(QWidget* window, const QString& box, const QString& text)
{
    auto* edit = control<QLineEdit>(window, box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
}

// Clicks the weapon slot and, when the chooser opens, the given chooser button; returns the editor.
inline QWidget* openEditor(MainWindowFixture& f, const char* chooserButton, const char* editorName)
{
    click(f.window, "Image9");
    QWidget* chooser = f.window->windows().find(QStringLiteral("Form2"));
    if (!chooser)
        return nullptr;
    QPointer<QWidget> watched = chooser;
    click(chooser, chooserButton);
    if (!QTest::qWaitFor([&] { return watched.isNull(); }))
        return nullptr;
    return f.window->windows().find(QString::fromLatin1(editorName));
}

inline bool confirmEnabled(QWidget* editor)
{
    return control<QPushButton>(editor, "Command1")->isEnabled();
}

// Leaves an editor by "확인", "취소" or its close box and waits until it is gone.
inline void leave(QWidget* editor, Leave how)
{
    QPointer<QWidget> watched = editor;
    QPointer<QTimer> timer = editor->findChild<QTimer*>(QStringLiteral("Timer1"));
    switch (how) {
    case Leave::Confirm:
        QTRY_VERIFY(confirmEnabled(editor));
        click(editor, "Command1");
        break;
    case Leave::Cancel: click(editor, "Command2"); break;
    case Leave::CloseBox: editor->windowHandle()->close(); break;
    }
    // Until it is deleted, a closed editor's timer must not write any more.
    QVERIFY(!timer || !timer->isActive());
    QTRY_VERIFY(watched.isNull());
}

} // namespace tessarin::testing::weapons
