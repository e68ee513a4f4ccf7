// Every window without a mouse: Tab in visual order, Enter and Esc, the board and the picture controls by
// keys, the focus frame, and what a screen reader hears (read in-process through QAccessible).
#include "weapon_ui_helpers.h"

#include "data/catalogue.h"
#include "engine/soulshield_rules.h"
#include "engine/weapon_rules.h"
#include "ui/common/messages.h"
#include "ui/common/pictures.h"
#include "ui/common/theme.h"
#include "ui/weapons/weapon_slot_view.h"

#include <QAccessible>

#include <cstdlib>

using namespace tessarin;
using namespace tessarin::testing;
using namespace tessarin::testing::weapons;

namespace {

enum class Window {
    Main,
    Chooser,
    Dungeon,
    SeaSerpent,
    FreeWeapon,
    Catalogue,
    FreePiece,
    Accessory,
    SynthesisChooser,
    SynthesisDialog,
    HelpMenu,
    About,
    ItemsHelp,
    ShieldsHelp,
    SynthesisHelp,
    StancesHelp,
};

// What a key in a window must have done.
enum class Effect { Nothing, WeaponWorn, PieceWorn, FreePieceWorn, AccessoryWorn, Synthesized, ItemsHelpOpen };

// Puts a catalogue piece on as its editor's confirm does.
void wear(MainWindowFixture& f, int row, int piece)
{
    const CatalogueEntry* entry = catalogueEntry(row, piece);
    loadPicture(f.window->piecePicture(piece),
                equipCataloguePiece(f.window->state(), *entry, entry->mainValues[0], 0, 0));
    recordWritten(f.window);
}

QWidget* find(MainWindowFixture& f, const char* name)
{
    return f.window->windows().find(QString::fromLatin1(name));
}

QWidget* fromHelpMenu(MainWindowFixture& f, const char* button, const char* name)
{
    click(f.window, "Label33");
    click(find(f, "Form7"), button);
    return find(f, name);
}

// Opens a window the way a person does, with the mouse.
QWidget* open(MainWindowFixture& f, Window which)
{
    switch (which) {
    case Window::Main: return f.window;
    case Window::Chooser:
        chooseClass(f, QStringLiteral("검사"));
        click(f.window, "Image9");
        return find(f, "Form2");
    case Window::Dungeon: chooseClass(f, QStringLiteral("검사")); return openEditor(f, "Command1", "Form3");
    case Window::SeaSerpent: chooseClass(f, QStringLiteral("검사")); return openEditor(f, "Command2", "Form4");
    case Window::FreeWeapon: chooseClass(f, QStringLiteral("검사")); return openEditor(f, "Command3", "Form6");
    case Window::Catalogue: click(f.window, "Command9"); return find(f, "Form5");
    case Window::FreePiece: click(f.window, "Command24"); return find(f, "Form12");
    case Window::Accessory: click(f.window, "Image13"); return find(f, "Form10");
    case Window::SynthesisChooser:
        wear(f, 1, 1);
        click(f.window, "Label32");
        return find(f, "Form13");
    case Window::SynthesisDialog: {
        QWidget* chooser = open(f, Window::SynthesisChooser);
        click(chooser, "Option1");
        click(chooser, "Command1");
        return find(f, "Form14");
    }
    case Window::HelpMenu: click(f.window, "Label33"); return find(f, "Form7");
    case Window::About: return fromHelpMenu(f, "Command2", "Form8");
    case Window::ItemsHelp: return fromHelpMenu(f, "Command1", "Form9");
    case Window::ShieldsHelp: return fromHelpMenu(f, "Command4", "Form11");
    case Window::SynthesisHelp: return fromHelpMenu(f, "Command5", "Form15");
    case Window::StancesHelp: return fromHelpMenu(f, "Command6", "Form17");
    }
    return nullptr;
}

QString focusName(QWidget* window)
{
    QWidget* focused = window->focusWidget();
    return focused ? focused->objectName() : QString();
}

// Presses a key on whatever has the focus in the window, as the keyboard does.
void press(QWidget* window, Qt::Key key)
{
    QWidget* focused = window->focusWidget();
    QTest::keyClick(focused ? focused : window, key);
}

void focus(QWidget* window, const char* name)
{
    control(window, QString::fromLatin1(name))->setFocus(Qt::TabFocusReason);
    QCOMPARE(focusName(window), QString::fromLatin1(name));
}

QString accessibleName(QWidget* control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

// Makes the window the active one, so its focused control really has the focus.
void activate(QWidget* window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(Effect)

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init() { setMessageHandler({}); }
    void tabOrder_data();
    void tabOrder();
    void enterAndEscape_data();
    void enterAndEscape();
    void optionGroupsByArrows_data();
    void optionGroupsByArrows();
    void boardByKeyboard();
    void pictureControlsByKeyboard_data();
    void pictureControlsByKeyboard();
    void focusFrame_data();
    void focusFrame();
    void accessibleNames_data();
    void accessibleNames();
    void namesFollowTheRecord();
    void sheetFigureNames_data();
    void sheetFigureNames();
};

void TestKeyboard::tabOrder_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QStringList>("order"); // the controls Tab visits, from the first; disabled ones are passed by

    QStringList board;
    for (const auto& row : kBoardNumbers)
        for (int number : row)
            board << QStringLiteral("Command%1").arg(number);
    QTest::newRow("Form1") << Window::Main
                           << (QStringList{"Combo1", "Image9"} + board.mid(0, 8) + board.mid(8) +
                               QStringList{"Image17", "Image13", "Image14", "Image15", "Image16", "Label32",
                                           "Label33"});
    QTest::newRow("Form2") << Window::Chooser << QStringList{"Command1", "Command2", "Command3", "Command4"};
    // A group of option marks is one Tab stop, the arrows move within it (below).
    QTest::newRow("Form3") << Window::Dungeon
                           << QStringList{"List2", "Option1", "Option5", "List1", "Check1", "Command2"};
    // List2 waits for a boss; 확인 for a base attack.
    QTest::newRow("Form4") << Window::SeaSerpent << QStringList{"Option1", "Option5", "List1", "Check1", "Command2"};
    QTest::newRow("Form6") << Window::FreeWeapon
                           << QStringList{"Text1", "Text2",   "Text5", "Text3",  "Text6",   "Text4",
                                          "Text7", "Option5", "List1", "Check1", "Command2"};
    QTest::newRow("Form5") << Window::Catalogue << QStringList{"List1", "Option1", "Option2", "Option3", "Command36"};
    QStringList freePiece;
    for (int box = 1; box <= 28; ++box)
        freePiece << QStringLiteral("Text%1").arg(box);
    freePiece << QStringList{"Text29", "Text31", "Text33", "Text35", "Text30", "Text32", "Text34", "Text36"};
    freePiece << QStringList{"Command3", "Command4", "Command5", "Command1", "Command2"};
    QTest::newRow("Form12") << Window::FreePiece << freePiece;
    QStringList accessory;
    for (int box = 1; box <= 10; ++box)
        accessory << QStringLiteral("Text%1").arg(box);
    QTest::newRow("Form10") << Window::Accessory << (accessory + QStringList{"Command1", "Command2"});
    // Only piece 1 is worn, so only its mark takes the focus.
    QTest::newRow("Form13") << Window::SynthesisChooser
                            << QStringList{"Option1",  "Command1", "Command2", "Command3", "Command4",
                                           "Command5", "Command6", "Command8", "Command7"};
    QTest::newRow("Form14") << Window::SynthesisDialog << QStringList{"Text1", "Command1", "Command2", "List1"};
    QTest::newRow("Form7") << Window::HelpMenu
                           << QStringList{"Command1", "Command4", "Command5", "Command6", "Command2", "Command3"};
    QTest::newRow("Form8") << Window::About << QStringList{"Command1"};
    for (const auto& [name, which] :
         {std::pair{"Form9", Window::ItemsHelp}, std::pair{"Form11", Window::ShieldsHelp},
          std::pair{"Form15", Window::SynthesisHelp}, std::pair{"Form17", Window::StancesHelp}})
        QTest::newRow(name) << which << QStringList{"Command1", "Command2", "Command3"};
}

void TestKeyboard::tabOrder()
{
    QFETCH(Window, window);
    QFETCH(QStringList, order);
    MainWindowFixture f;
    QWidget* opened = open(f, window);
    QVERIFY(opened);
    RETURN_IF_FAILED(focus(opened, qPrintable(order.first())));
    QStringList visited = {focusName(opened)};
    for (qsizetype i = 0; i < order.size(); ++i) {
        press(opened, Qt::Key_Tab);
        visited << focusName(opened);
    }
    QCOMPARE(visited, order + QStringList{order.first()}); // and round again
    // Shift+Tab goes back the same way.
    QTest::keyClick(opened->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focusName(opened), order.last());
}

void TestKeyboard::enterAndEscape_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<bool>("prepared"); // the window is filled in, by keys, so its 확인 is enabled
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<Effect>("effect");

    QTest::newRow("Form3 Enter") << Window::Dungeon << true << Qt::Key_Return << true << Effect::WeaponWorn;
    QTest::newRow("Form3 Enter, 확인 disabled")
        << Window::Dungeon << false << Qt::Key_Return << false << Effect::Nothing;
    QTest::newRow("Form3 Esc") << Window::Dungeon << true << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form4 Enter (keypad)") << Window::SeaSerpent << true << Qt::Key_Enter << true << Effect::WeaponWorn;
    QTest::newRow("Form4 Esc") << Window::SeaSerpent << true << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form6 Enter") << Window::FreeWeapon << true << Qt::Key_Return << true << Effect::WeaponWorn;
    QTest::newRow("Form6 Enter, 확인 disabled")
        << Window::FreeWeapon << false << Qt::Key_Return << false << Effect::Nothing;
    QTest::newRow("Form6 Esc") << Window::FreeWeapon << true << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form5 Enter") << Window::Catalogue << true << Qt::Key_Return << true << Effect::PieceWorn;
    QTest::newRow("Form5 Enter, 확인 disabled")
        << Window::Catalogue << false << Qt::Key_Return << false << Effect::Nothing;
    QTest::newRow("Form5 Esc") << Window::Catalogue << true << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form12 Enter") << Window::FreePiece << false << Qt::Key_Return << true << Effect::FreePieceWorn;
    QTest::newRow("Form12 Esc") << Window::FreePiece << false << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form10 Enter") << Window::Accessory << false << Qt::Key_Return << true << Effect::AccessoryWorn;
    QTest::newRow("Form10 Esc") << Window::Accessory << false << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form14 Enter (합성)") << Window::SynthesisDialog << true << Qt::Key_Return << false
                                         << Effect::Synthesized;
    QTest::newRow("Form14 Esc") << Window::SynthesisDialog << true << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form2 Esc (취소)") << Window::Chooser << false << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form2 Enter, no 확인") << Window::Chooser << false << Qt::Key_Return << false << Effect::Nothing;
    QTest::newRow("Form13 Esc (닫기)") << Window::SynthesisChooser << false << Qt::Key_Escape << true
                                       << Effect::Nothing;
    QTest::newRow("Form7 Esc (닫기)") << Window::HelpMenu << false << Qt::Key_Escape << true << Effect::Nothing;
    // Enter on a focused button presses that button.
    QTest::newRow("Form7 Enter on 아이템 착용법")
        << Window::HelpMenu << true << Qt::Key_Return << false << Effect::ItemsHelpOpen;
    QTest::newRow("Form8 Esc (닫기)") << Window::About << false << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form9 Esc (닫기)") << Window::ItemsHelp << false << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form11 Esc (닫기)") << Window::ShieldsHelp << false << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form15 Esc (닫기)") << Window::SynthesisHelp << false << Qt::Key_Escape << true << Effect::Nothing;
    QTest::newRow("Form17 Esc (닫기)") << Window::StancesHelp << false << Qt::Key_Escape << true << Effect::Nothing;
}

void TestKeyboard::enterAndEscape()
{
    QFETCH(Window, window);
    QFETCH(bool, prepared);
    QFETCH(Qt::Key, key);
    QFETCH(bool, closes);
    QFETCH(Effect, effect);
    MainWindowFixture f;
    QPointer<QWidget> opened = open(f, window);
    QVERIFY(opened);
    const CharacterState& state = f.window->state();
    const CharacterState before = state;

    if (prepared) {
        // Filled in with the keys a person uses: arrows in lists, Space on marks, typing into boxes.
        switch (window) {
        case Window::Dungeon:
            RETURN_IF_FAILED(focus(opened, "List2"));
            press(opened, Qt::Key_Down);
            press(opened, Qt::Key_Tab);
            press(opened, Qt::Key_Space);
            break;
        case Window::SeaSerpent:
            RETURN_IF_FAILED(focus(opened, "Option2"));
            press(opened, Qt::Key_Space);
            RETURN_IF_FAILED(focus(opened, "List2"));
            press(opened, Qt::Key_Down);
            break;
        case Window::FreeWeapon:
            RETURN_IF_FAILED(focus(opened, "Text1"));
            QTest::keyClicks(opened->focusWidget(), QStringLiteral("150"));
            break;
        case Window::Catalogue:
            RETURN_IF_FAILED(focus(opened, "List1"));
            press(opened, Qt::Key_Down);
            press(opened, Qt::Key_Tab);
            press(opened, Qt::Key_Space);
            RETURN_IF_FAILED(focus(opened, "List2"));
            press(opened, Qt::Key_Down);
            break;
        case Window::SynthesisDialog:
            RETURN_IF_FAILED(focus(opened, "Text1"));
            QTest::keyClicks(opened->focusWidget(), QStringLiteral("5"));
            break;
        case Window::HelpMenu: RETURN_IF_FAILED(focus(opened, "Command1")); break;
        default: QFAIL("nothing to prepare");
        }
    }
    const bool hasConfirm = window == Window::Dungeon || window == Window::SeaSerpent || window == Window::FreeWeapon ||
                            window == Window::Catalogue || window == Window::SynthesisDialog;
    if (hasConfirm) {
        waitTicks(control<QTimer>(opened, "Timer1"), 2);
        const char* button = window == Window::Catalogue ? "Command35" : "Command1";
        QCOMPARE(control(opened, QString::fromLatin1(button))->isEnabled(), prepared);
    }

    press(opened, key);
    QTRY_COMPARE(opened.isNull() || !opened->isVisible(), closes);
    switch (effect) {
    case Effect::Nothing:
        QCOMPARE(state.weaponEquipped, before.weaponEquipped);
        QVERIFY(state.pieceEquipped == before.pieceEquipped);
        QVERIFY(state.accessoryEquipped == before.accessoryEquipped);
        QVERIFY(state.synthesis == before.synthesis);
        break;
    case Effect::WeaponWorn: QVERIFY(state.weaponEquipped); break;
    case Effect::PieceWorn: QVERIFY(state.pieceEquipped[1][1]); break;
    case Effect::FreePieceWorn: QVERIFY(state.pieceEquipped[4][1]); break;
    case Effect::AccessoryWorn: QVERIFY(state.accessoryEquipped[1]); break;
    case Effect::Synthesized: QCOMPARE(int(state.synthesis[1][1]), 5); break;
    case Effect::ItemsHelpOpen: QVERIFY(find(f, "Form9")); break;
    }
}

void TestKeyboard::optionGroupsByArrows_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QList<Qt::Key>>("keys"); // from the group's Tab stop, Space first
    QTest::addColumn<QString>("checked");

    using Keys = QList<Qt::Key>;
    QTest::newRow("Form3 dungeons: right, then down")
        << Window::Dungeon << Keys{Qt::Key_Space, Qt::Key_Right, Qt::Key_Down} << "Option4";
    QTest::newRow("Form3 dungeons: down") << Window::Dungeon << Keys{Qt::Key_Space, Qt::Key_Down} << "Option2";
    QTest::newRow("Form4 bosses: down") << Window::SeaSerpent << Keys{Qt::Key_Space, Qt::Key_Down} << "Option2";
}

// Within a group of option marks the arrows move to the neighbour on the screen and choose it.
void TestKeyboard::optionGroupsByArrows()
{
    QFETCH(Window, window);
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(QString, checked);
    MainWindowFixture f;
    QWidget* opened = open(f, window);
    QVERIFY(opened);
    RETURN_IF_FAILED(focus(opened, "Option1"));
    for (Qt::Key key : keys)
        press(opened, key);
    QCOMPARE(focusName(opened), checked);
    QVERIFY(control<QRadioButton>(opened, checked)->isChecked());
    if (window == Window::SeaSerpent)
        QCOMPARE(control<QListWidget>(opened, "List2")->count(), 5); // 포화란's list, filled by the arrow
}

// The board by keys alone: Tab reaches it from the class box, the arrows walk it, Space opens the piece's
// editor, which is filled in and confirmed by keys, and Space on the worn piece takes it off, even after
// the refresh timers have gone to sleep.
void TestKeyboard::boardByKeyboard()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(activate(f.window));
    RETURN_IF_FAILED(focus(f.window, "Combo1"));
    press(f.window, Qt::Key_Tab);
    press(f.window, Qt::Key_Tab);
    QCOMPARE(focusName(f.window), QStringLiteral("Command9")); // row 1, piece 1

    const QList<std::pair<Qt::Key, const char*>> walk = {
        {Qt::Key_Right, "Command1"}, {Qt::Key_Right, "Command2"}, {Qt::Key_Down, "Command14"},
        {Qt::Key_Down, "Command30"}, {Qt::Key_Down, "Command22"}, {Qt::Key_Down, "Command22"}, // the bottom edge
        {Qt::Key_Up, "Command30"},   {Qt::Key_Up, "Command14"},   {Qt::Key_Up, "Command2"},
        {Qt::Key_Up, "Command2"},    {Qt::Key_Left, "Command1"},  {Qt::Key_Left, "Command9"},
        {Qt::Key_Left, "Command9"},  {Qt::Key_Right, "Command1"}, {Qt::Key_Right, "Command2"},
    };
    for (const auto& [key, expected] : walk) {
        press(f.window, key);
        QCOMPARE(focusName(f.window), QString::fromLatin1(expected));
    }

    QTimer* sheetTimer = control<QTimer>(f.window, "Timer2");
    waitForSheet(f);
    const QString accuracyBefore = labelText(f.window, "Label46");
    press(f.window, Qt::Key_Space);
    QWidget* editor = find(f, "Form5");
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("잃어버린 영린족 보패 3번"));
    RETURN_IF_FAILED(focus(editor, "List1"));
    press(editor, Qt::Key_Down);
    press(editor, Qt::Key_Tab);
    press(editor, Qt::Key_Space);
    RETURN_IF_FAILED(focus(editor, "List2"));
    press(editor, Qt::Key_Down);
    QTRY_VERIFY(control(editor, "Command35")->isEnabled());
    press(editor, Qt::Key_Return);
    QTRY_VERIFY(!find(f, "Form5"));
    QVERIFY(f.window->state().pieceEquipped[1][3]);
    QCOMPARE(pictureOf(f.window, "Image3"), QStringLiteral("image/lost-3.gif"));
    QTRY_VERIFY(labelText(f.window, "Label46") != accuracyBefore);
    const QString accuracyWorn = labelText(f.window, "Label46");

    // Asleep, the timers wake for a key as for a click.
    QTRY_VERIFY_WITH_TIMEOUT(!sheetTimer->isActive(), 5000);
    RETURN_IF_FAILED(activate(f.window));
    QCOMPARE(focusName(f.window), QStringLiteral("Command2"));
    press(f.window, Qt::Key_Space);
    QVERIFY(!f.window->state().pieceEquipped[1][3]);
    QCOMPARE(pictureOf(f.window, "Image3"), QString());
    QTRY_COMPARE(labelText(f.window, "Label46"), accuracyBefore);
    QVERIFY(accuracyWorn != accuracyBefore);
    // Enter works on a board button as Space does.
    press(f.window, Qt::Key_Return);
    QTRY_VERIFY(find(f, "Form5"));
}

void TestKeyboard::pictureControlsByKeyboard_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QList<Qt::Key>>("keys"); // arrows, then the last key clicks
    QTest::addColumn<QString>("focused");     // the control that has the focus before the last key
    QTest::addColumn<QString>("opens");       // the window the last key opens; empty: see stanceOn
    QTest::addColumn<bool>("stanceOn");

    using Keys = QList<Qt::Key>;
    QTest::newRow("weapon slot, Enter") << "Image9" << Keys{Qt::Key_Return} << "Image9"
                                        << "Form2" << false;
    QTest::newRow("accessory slot, Space") << "Image13" << Keys{Qt::Key_Space} << "Image13"
                                           << "Form10" << false;
    QTest::newRow("accessories: Up to the necklace") << "Image15" << Keys{Qt::Key_Up, Qt::Key_Space} << "Image17"
                                                     << "Form10" << false;
    QTest::newRow("accessories: Right along the row")
        << "Image13" << Keys{Qt::Key_Right, Qt::Key_Right, Qt::Key_Return} << "Image15"
        << "Form10" << false;
    QTest::newRow("synthesis hot spot, Enter") << "Label32" << Keys{Qt::Key_Return} << "Label32"
                                               << "Form13" << false;
    QTest::newRow("help hot spot, Space") << "Label33" << Keys{Qt::Key_Space} << "Label33"
                                          << "Form7" << false;
    QTest::newRow("stance button, Space") << "Command33" << Keys{Qt::Key_Space} << "Command33"
                                          << "" << true;
    QTest::newRow("stances: Right to the next")
        << "Command33" << Keys{Qt::Key_Right, Qt::Key_Left, Qt::Key_Return} << "Command33"
        << "" << true;
}

void TestKeyboard::pictureControlsByKeyboard()
{
    QFETCH(QString, control);
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(QString, focused);
    QFETCH(QString, opens);
    QFETCH(bool, stanceOn);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사")));
    RETURN_IF_FAILED(focus(f.window, qPrintable(control)));
    for (qsizetype i = 0; i + 1 < keys.size(); ++i)
        press(f.window, keys[i]);
    QCOMPARE(focusName(f.window), focused);
    press(f.window, keys.last());
    if (!opens.isEmpty()) {
        QTRY_VERIFY(f.window->windows().find(opens));
        if (opens == u"Form10")
            QCOMPARE(f.window->windows().find(opens)->windowTitle(),
                     focused == u"Image17"
                         ? QStringLiteral("목걸이")
                         : (focused == u"Image15" ? QStringLiteral("반지1") : QStringLiteral("귀걸이1")));
    }
    if (stanceOn)
        QCOMPARE(labelText(f.window, "Label55"), QStringLiteral("on"));
}

void TestKeyboard::focusFrame_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("control");

    QTest::newRow("board button") << Window::Main << "Command9";
    QTest::newRow("board button, white") << Window::Main << "Command1";
    QTest::newRow("weapon slot") << Window::Main << "Image9";
    QTest::newRow("help hot spot") << Window::Main << "Label33";
    QTest::newRow("class box") << Window::Main << "Combo1";
    QTest::newRow("editor button") << Window::Dungeon << "Command2";
    QTest::newRow("editor list") << Window::Dungeon << "List2";
    QTest::newRow("option mark") << Window::Dungeon << "Option1";
    QTest::newRow("tick box") << Window::Dungeon << "Check1";
    QTest::newRow("text box") << Window::FreeWeapon << "Text1";
    QTest::newRow("help menu button") << Window::HelpMenu << "Command1";
}

// The focused control carries the gold focus frame at its edge; without the focus it does not.
void TestKeyboard::focusFrame()
{
    QFETCH(Window, window);
    QFETCH(QString, control);
    MainWindowFixture f;
    QWidget* opened = open(f, window);
    QVERIFY(opened);
    RETURN_IF_FAILED(activate(opened));
    QWidget* target = tessarin::testing::control(opened, control);
    // The frame's colour at the control's left edge, give or take the smoothing of a round corner.
    const auto framed = [target] {
        const QImage image = target->grab().toImage();
        const QColor edge = image.pixelColor(0, image.height() / 2);
        return std::abs(edge.red() - kFocusColour.red()) + std::abs(edge.green() - kFocusColour.green()) +
                   std::abs(edge.blue() - kFocusColour.blue()) <=
               12;
    };
    target->clearFocus(); // the window gives its first control the focus when it becomes active
    QTRY_VERIFY(!target->hasFocus());
    QVERIFY(!framed());
    target->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(target->hasFocus());
    QTRY_VERIFY(framed());
}

void TestKeyboard::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("board 1줄 3번") << "Command2"
                                   << "1줄 3번, 잃어버린 영린족 보패, 비어 있음";
    QTest::newRow("board 2줄 8번") << "Command8"
                                   << "2줄 8번, 바다뱀 보패(최상급), 비어 있음";
    QTest::newRow("board 3줄 1번") << "Command32"
                                   << "3줄 1번, 바다뱀 보패(영웅), 비어 있음";
    QTest::newRow("board 4줄 8번") << "Command17"
                                   << "4줄 8번, 기타 보패, 비어 있음";
    QTest::newRow("octagon 5") << "Image5"
                               << "보패 5번 자리, 비어 있음";
    QTest::newRow("weapon slot") << "Image9"
                                 << "무기, 비어 있음";
    QTest::newRow("gem") << "Image18"
                         << "금강석, 없음";
    QTest::newRow("earring") << "Image14"
                             << "귀걸이2, 비어 있음";
    QTest::newRow("necklace") << "Image17"
                              << "목걸이, 비어 있음";
    QTest::newRow("3-piece indicator") << "Image10"
                                       << "3세트 효과, 꺼짐";
    QTest::newRow("8-piece indicator") << "Image12"
                                       << "8세트 효과, 꺼짐";
    QTest::newRow("synthesis hot spot") << "Label32"
                                        << "합성";
    QTest::newRow("help hot spot") << "Label33"
                                   << "도움말";
    QTest::newRow("close mark") << "Label9"
                                << "닫기";
    QTest::newRow("class box") << "Combo1"
                               << "직업";
}

void TestKeyboard::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    MainWindowFixture f;
    QCOMPARE(accessibleName(tessarin::testing::control(f.window, control)), name);
}

// The names say what is worn now: a piece, a weapon with its gem, an accessory, a stance.
void TestKeyboard::namesFollowTheRecord()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사")));
    wear(f, 1, 3);
    wear(f, 1, 4);
    wear(f, 1, 5);
    showEquippedWeapon(*f.window, equipFreeWeapon(f.window->state(), 150, {}, GemChoice{2, true, 3}));
    QTest::mouseClick(control(f.window, "Command33"), Qt::LeftButton);
    recordWritten(f.window);
    const auto named = [&f](const char* name) { return accessibleName(control(f.window, QString::fromLatin1(name))); };
    QTRY_COMPARE(named("Command2"), QStringLiteral("1줄 3번, 잃어버린 영린족 보패, 착용"));
    QCOMPARE(named("Command14"), QStringLiteral("2줄 3번, 바다뱀 보패(최상급), 비어 있음"));
    QCOMPARE(named("Image3"), QStringLiteral("보패 3번 자리, 잃어버린 영린족 보패"));
    QCOMPARE(named("Image9"), QStringLiteral("무기, 기타 무기, 공격력 150"));
    QCOMPARE(named("Image18"), QStringLiteral("금강석, 빛나는 오각금강석, 방어력 280 증가"));
    QTRY_COMPARE(named("Image10"), QStringLiteral("3세트 효과, 켜짐"));
    QCOMPARE(named("Image11"), QStringLiteral("5세트 효과, 꺼짐"));
    QVERIFY(control(f.window, "Image10")->accessibleDescription().startsWith(u"잃어버린 영린족 보패, 3세트 효과"));
    const QString stance = control(f.window, "Command33")->toolTip();
    QVERIFY(!stance.isEmpty());
    QCOMPARE(named("Command33"), stance + QStringLiteral(", 켜짐"));

    // Taken off by the keyboard, the piece reads empty again.
    RETURN_IF_FAILED(focus(f.window, "Command2"));
    press(f.window, Qt::Key_Space);
    QTRY_COMPARE(named("Command2"), QStringLiteral("1줄 3번, 잃어버린 영린족 보패, 비어 있음"));
    QCOMPARE(named("Image3"), QStringLiteral("보패 3번 자리, 비어 있음"));
}

void TestKeyboard::sheetFigureNames_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unit");

    QTest::newRow("공격력 total") << "Label44"
                                  << "공격력"
                                  << "";
    QTest::newRow("공격력 base") << "Label23"
                                 << "공격력 기본"
                                 << "";
    QTest::newRow("관통 equipment") << "Label37"
                                    << "관통 장비"
                                    << "";
    QTest::newRow("명중 total") << "Label46"
                                << "명중"
                                << "";
    QTest::newRow("최대생명력 base") << "Label36"
                                     << "최대생명력 기본"
                                     << "";
    QTest::newRow("막기 equipment") << "Label13"
                                    << "막기 장비"
                                    << "";
    QTest::newRow("회피 total") << "Label49"
                                << "회피"
                                << "";
    QTest::newRow("추가피해") << "Label35"
                              << "추가피해"
                              << "";
    QTest::newRow("기대공격력") << "Label1"
                                << "기대공격력"
                                << "";
    QTest::newRow("피해감소율") << "Label2"
                                << "피해감소율"
                                << "%";
    QTest::newRow("명중률") << "Label4"
                            << "명중률"
                            << "%";
    QTest::newRow("치명률") << "Label5"
                            << "치명률"
                            << "%";
    QTest::newRow("치명타피해량") << "Label16"
                                  << "치명타피해량"
                                  << "%";
    QTest::newRow("방어율") << "Label6"
                            << "방어율"
                            << "%";
    QTest::newRow("막기율") << "Label7"
                            << "막기율"
                            << "%";
    QTest::newRow("회피율") << "Label8"
                            << "회피율"
                            << "%";
}

// Each figure reads as its caption and the value shown, and follows the value.
void TestKeyboard::sheetFigureNames()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(QString, unit);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("역사")));
    waitForSheet(f);
    auto* figure = control<QLabel>(f.window, label);
    QVERIFY(!figure->text().isEmpty());
    QCOMPARE(accessibleName(figure), caption + u' ' + figure->text() + unit);
    wear(f, 2, 1);
    wear(f, 2, 2);
    wear(f, 2, 3);
    showEquippedWeapon(*f.window,
                       equipFreeWeapon(f.window->state(), 150, {10, 20, 30, 40, 50, 60}, GemChoice{4, false, 4}));
    recordWritten(f.window);
    waitForSheet(f);
    QCOMPARE(accessibleName(figure), caption + u' ' + figure->text() + unit);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
