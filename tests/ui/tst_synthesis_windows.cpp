#include "ui_helpers.h"

#include "ui/common/messages.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

#include <cstdint>
#include <tuple>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

// The chooser's stat buttons Command1 .. Command6, and the sheet's equipment label of each stat.
enum StatButton { Penetration = 1, Accuracy, Critical, Defence, Block, Evasion };
const QStringList kEquipmentLabels = {"Label37", "Label38", "Label39", "Label3", "Label13", "Label43"};

// Messages are answered at once and collected.
struct Messages {
    QStringList shown;
    Messages()
    {
        setMessageHandler([this](const QString& text) { shown << text; });
    }
    ~Messages() { setMessageHandler(nullptr); }
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;
};

void clickItem(QListWidget* list, int index)
{
    list->scrollToItem(list->item(index));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
    QVERIFY(list->item(index)->isSelected());
}

void clickBoard(MainWindowFixture& f, int row, int piece)
{
    QTest::mouseClick(control(f.window, QStringLiteral("Command%1").arg(kBoardNumbers[row - 1][piece - 1])),
                      Qt::LeftButton);
}

// Equips a catalogue piece through the board and its editor: the largest main value and the larger value
// of sub-option 1.
void equip(MainWindowFixture& f, int row, int piece)
{
    clickBoard(f, row, piece);
    QPointer<QWidget> editor = f.window->windows().find(QStringLiteral("Form5"));
    QVERIFY(editor);
    RETURN_IF_FAILED(clickItem(control<QListWidget>(editor, "List1"), 0));
    QTest::mouseClick(control(editor, "Option1"), Qt::LeftButton);
    RETURN_IF_FAILED(clickItem(control<QListWidget>(editor, "List2"), 0));
    QTRY_VERIFY(control(editor, "Command35")->isEnabled());
    QTest::mouseClick(control(editor, "Command35"), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
}

QRadioButton* option(QWidget* chooser, int piece)
{
    return control<QRadioButton>(chooser, QStringLiteral("Option%1").arg(piece));
}

QList<int> enabledOptions(QWidget* chooser)
{
    QList<int> result;
    for (int k = 1; k <= 8; ++k)
        if (option(chooser, k)->isEnabled())
            result << k;
    return result;
}

void choosePiece(QWidget* chooser, int piece)
{
    QTRY_VERIFY(option(chooser, piece)->isEnabled());
    QTest::mouseClick(option(chooser, piece), Qt::LeftButton);
    QVERIFY(option(chooser, piece)->isChecked());
}

// Types into the emptied stone box, as a person does.
void typeStone(QWidget* dialog, const QString& text)
{
    auto* box = control<QLineEdit>(dialog, "Text1");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QCOMPARE(box->text(), text);
}

void click(QWidget* window, const char* name)
{
    QVERIFY2(control(window, name)->isEnabled(), name);
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

QString amounts(const CharacterState& s, int piece)
{
    QStringList parts;
    for (int stat = 1; stat <= 6; ++stat)
        parts << QString::number(s.synthesis[stat][piece]);
    return parts.join(QLatin1Char(' '));
}

// Label4, Label2 and Label3 of the dialog.
QStringList dialogLabels(QWidget* dialog)
{
    return {labelText(dialog, "Label4"), labelText(dialog, "Label2"), labelText(dialog, "Label3")};
}

// The main window with pieces equipped, the chooser open with a piece chosen (0: none) and the dialog
// opened for a stat.
struct Synthesis {
    MainWindowFixture f;
    QPointer<QWidget> chooser;
    QPointer<QWidget> dialog;

    void openDialog(StatButton stat)
    {
        QTest::mouseClick(control(chooser, QStringLiteral("Command%1").arg(int(stat))), Qt::LeftButton);
        dialog = f.window->windows().find(QStringLiteral("Form14"));
    }
    void prepare(const QList<QPoint>& pieces, int chosen, StatButton stat)
    {
        for (const QPoint& at : pieces)
            RETURN_IF_FAILED(equip(f, at.x(), at.y()));
        QTest::mouseClick(control(f.window, "Label32"), Qt::LeftButton);
        chooser = f.window->windows().find(QStringLiteral("Form13"));
        QVERIFY(chooser && chooser->isVisible());
        if (chosen != 0)
            RETURN_IF_FAILED(choosePiece(chooser, chosen));
        openDialog(stat);
        QVERIFY(dialog && dialog->isVisible());
    }
    QString sheet(int stat) { return labelText(f.window, kEquipmentLabels[stat - 1]); }
    void tick() { waitTicks(control<QTimer>(f.window, "Timer2")); }
};

} // namespace

class TestSynthesisWindows : public QObject {
    Q_OBJECT

private slots:
    void optionsFollowBoard();
    void release_data();
    void release();
    void comparisonTexts();
    void pickStones_data();
    void pickStones();
    void synthesize_data();
    void synthesize();
    void typedThenClickedAtOnce();
    void sheetFollows();
    void closing();
    void idleWindowsRepaintNothing();
};

void TestSynthesisWindows::optionsFollowBoard()
{
    Synthesis s;
    RETURN_IF_FAILED(s.prepare({}, 0, Defence));
    // No piece: nothing can be chosen, and the dialog's "합성" stays disabled with empty labels.
    QCOMPARE(s.dialog->windowTitle(), QStringLiteral("방어 합성"));
    QCOMPARE(enabledOptions(s.chooser), QList<int>{});
    QTest::mouseClick(option(s.chooser, 2), Qt::LeftButton);
    QVERIFY(!option(s.chooser, 2)->isChecked());
    RETURN_IF_FAILED(typeStone(s.dialog, "76"));
    waitTicks(control<QTimer>(s.dialog, "Timer1"), 3);
    QVERIFY(!control(s.dialog, "Command1")->isEnabled());
    QCOMPARE(dialogLabels(s.dialog), QStringList(3, QString()));

    // Only piece 3 of row 2 (maximum 90).
    RETURN_IF_FAILED(equip(s.f, 2, 3));
    QTRY_COMPARE(enabledOptions(s.chooser), QList<int>{3});
    RETURN_IF_FAILED(choosePiece(s.chooser, 3));
    QTRY_COMPARE(labelText(s.dialog, "Label4"), QStringLiteral("최대합성치: 90"));

    // Taken off while chosen: greyed out but still chosen; its maximum is now 0, and so is what "합성" stores.
    clickBoard(s.f, 2, 3);
    QTRY_COMPARE(enabledOptions(s.chooser), QList<int>{});
    QVERIFY(option(s.chooser, 3)->isChecked());
    QTRY_COMPARE(dialogLabels(s.dialog),
                 (QStringList{"최대합성치: 0", "합성패 수치가 3번 보패의 합성최대치보다 높습니다.",
                              "방어 0이(가) 합성됩니다."}));
    click(s.dialog, "Command1");
    QCOMPARE(amounts(s.f.window->state(), 3), QStringLiteral("0 0 0 0 0 0"));

    // Clicking the hot spot again shows the same chooser with its choice; other rows count as well.
    QTest::mouseClick(control(s.f.window, "Label32"), Qt::LeftButton);
    QCOMPARE(s.f.window->windows().find(QStringLiteral("Form13")), s.chooser.data());
    RETURN_IF_FAILED(equip(s.f, 3, 3));
    RETURN_IF_FAILED(equip(s.f, 1, 7));
    QTRY_COMPARE(enabledOptions(s.chooser), (QList<int>{3, 7}));
    QVERIFY(option(s.chooser, 3)->isChecked());
}

void TestSynthesisWindows::release_data()
{
    QTest::addColumn<QPoint>("piece"); // (row, piece)
    QTest::addColumn<int>("stat");     // 0: no synthesis before the release
    QTest::addColumn<QString>("stone");
    QTest::addColumn<bool>("chosen");          // the piece is still chosen at the release
    QTest::addColumn<QStringList>("messages"); // one release each
    QTest::addColumn<QString>("after");

    QTest::newRow("none chosen") << QPoint(1, 5) << int(Block) << "59" << false << QStringList{"보패를 선택해주세요."}
                                 << "0 0 0 0 59 0";
    QTest::newRow("never synthesized") << QPoint(2, 3) << 0 << "" << true
                                       << QStringList{"3번 보패는 아직 합성이 되지 않았습니다."} << "0 0 0 0 0 0";
    QTest::newRow("amount 0") << QPoint(3, 1) << int(Penetration) << "" << true
                              << QStringList{"1번 보패는 아직 합성이 되지 않았습니다."} << "0 0 0 0 0 0";
    QTest::newRow("only negative") << QPoint(1, 4) << int(Accuracy) << "-30" << true
                                   << QStringList{"4번 보패는 아직 합성이 되지 않았습니다."} << "0 -30 0 0 0 0";
    QTest::newRow("막기 59 on 5, twice") << QPoint(1, 5) << int(Block) << "59" << true
                                         << QStringList{"5번 보패의 합성을 해제하였습니다.",
                                                        "5번 보패는 아직 합성이 되지 않았습니다."}
                                         << "0 0 0 0 0 0";
    QTest::newRow("1 on 6") << QPoint(1, 6) << int(Defence) << "1" << true
                            << QStringList{"6번 보패의 합성을 해제하였습니다."} << "0 0 0 0 0 0";
    QTest::newRow("치명 on 8, twice") << QPoint(3, 8) << int(Critical) << "76" << true
                                      << QStringList{"8번 보패의 합성을 해제하였습니다.",
                                                     "8번 보패는 아직 합성이 되지 않았습니다."}
                                      << "0 0 0 0 0 0";
}

void TestSynthesisWindows::release()
{
    QFETCH(QPoint, piece);
    QFETCH(int, stat);
    QFETCH(QString, stone);
    QFETCH(bool, chosen);
    QFETCH(QStringList, messages);
    QFETCH(QString, after);
    Synthesis s;
    Messages answered;
    RETURN_IF_FAILED(s.prepare({piece}, piece.y(), StatButton(stat == 0 ? 1 : stat)));
    if (stat != 0) {
        RETURN_IF_FAILED(typeStone(s.dialog, stone));
        click(s.dialog, "Command1");
    }
    if (!chosen) { // a new chooser has nothing chosen
        click(s.chooser, "Command7");
        QTRY_VERIFY(s.chooser.isNull());
        QTest::mouseClick(control(s.f.window, "Label32"), Qt::LeftButton);
        s.chooser = s.f.window->windows().find(QStringLiteral("Form13"));
    }
    for (int i = 0; i < messages.size(); ++i)
        click(s.chooser, "Command8");
    QCOMPARE(answered.shown, messages);
    QCOMPARE(amounts(s.f.window->state(), piece.y()), after);
}

void TestSynthesisWindows::comparisonTexts()
{
    Synthesis s;
    // 영린 1..8, maxima 77, 81, 85, 88, 96, 99, 103, 107.
    RETURN_IF_FAILED(s.prepare({{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}}, 0, Accuracy));
    const std::tuple<int, const char*, const char*> cases[] = {
        {1, "76", "합성패 수치가 1번 보패의 합성최대치보다 낮습니다."},
        {1, "77", "합성패 수치가 1번 보패의 합성최대치와 같습니다."},
        {1, "78", "합성패 수치가 1번 보패의 합성최대치보다 높습니다."},
        {2, "80", "합성패 수치가 2번 보패의 합성최대치보다 낮습니다."},
        {2, "81", "합성패 수치가 2번 보패의 합성최대치와 같습니다."},
        {2, "98", "합성패 수치가 2번 보패의 합성최대치보다 높습니다."},
        {3, "11", "합성패 수치가 3번 보패의 합성최대치보다 낮습니다."},
        {3, "85", "합성패 수치가 3번 보패의 합성최대치와 같습니다."},
        {3, "86", "합성패 수치가 3번 보패의 합성최대치보다 높습니다."},
        {4, "86.5", "합성패 수치가 4번 보패의 합성최대치보다 낮습니다."},
        {4, "87.5", "합성패 수치가 4번 보패의 합성최대치와 같습니다."},
        {4, "89.5", "합성패 수치가 4번 보패의 합성최대치보다 높습니다."},
        {5, "", "합성패 수치가 5번 보패의 합성최대치보다 낮습니다."},
        {5, "96", "합성패 수치가 5번 보패의 합성최대치와 같습니다."},
        {5, "97", "합성패 수치가 5번 보패의 합성최대치보다 높습니다."},
        {6, "-1", "합성패 수치가 6번 보패의 합성최대치보다 낮습니다."},
        {6, "99", "합성패 수치가 6번 보패의 합성최대치와 같습니다."},
        {6, "100", "합성패 수치가 6번 보패의 합성최대치보다 높습니다."},
        {7, "102", "합성패 수치가 7번 보패의 합성최대치보다 낮습니다."},
        {7, "103", "합성패 수치가 7번 보패의 합성최대치와 같습니다."},
        {7, "104", "합성패 수치가 7번 보패의 합성최대치보다 높습니다."},
        {8, "106", "합성패 수치가 8번 보패의 합성최대치보다 낮습니다."},
        {8, "107", "합성패 수치가 8번 보패의 합성최대치와 같습니다."},
        {8, "99999", "합성패 수치가 8번 보패의 합성최대치보다 높습니다."},
    };
    const QList<int> maxima = {77, 81, 85, 88, 96, 99, 103, 107};
    for (const auto& [piece, stone, comparison] : cases) {
        RETURN_IF_FAILED(choosePiece(s.chooser, piece));
        RETURN_IF_FAILED(typeStone(s.dialog, QString::fromUtf8(stone)));
        QTRY_COMPARE(labelText(s.dialog, "Label2"), QString::fromUtf8(comparison));
        QCOMPARE(labelText(s.dialog, "Label4"), QStringLiteral("최대합성치: %1").arg(maxima[piece - 1]));
    }
    QCOMPARE(labelText(s.dialog, "Label3"), QStringLiteral("명중 107이(가) 합성됩니다."));
    // Switching pieces rewrites the labels within one refresh.
    RETURN_IF_FAILED(typeStone(s.dialog, "76"));
    QTRY_COMPARE(labelText(s.dialog, "Label3"), QStringLiteral("명중 76이(가) 합성됩니다."));
    RETURN_IF_FAILED(choosePiece(s.chooser, 1));
    waitTicks(control<QTimer>(s.dialog, "Timer1"));
    QCOMPARE(dialogLabels(s.dialog), (QStringList{"최대합성치: 77", "합성패 수치가 1번 보패의 합성최대치보다 낮습니다.",
                                                  "명중 76이(가) 합성됩니다."}));
}

void TestSynthesisWindows::pickStones_data()
{
    QTest::addColumn<int>("stat");
    QTest::addColumn<QString>("word");
    QTest::newRow("명중") << int(Accuracy) << "명중";
    QTest::newRow("회피") << int(Evasion) << "회피";
}

void TestSynthesisWindows::pickStones()
{
    QFETCH(int, stat);
    QFETCH(QString, word);
    Synthesis s;
    // 영웅 8 has the largest maximum (135): every stone is stored as it is.
    RETURN_IF_FAILED(s.prepare({{3, 8}}, 8, StatButton(stat)));
    auto* list = control<QListWidget>(s.dialog, "List1");
    const QStringList regions = {"수월평원", "대사막", "사지석림", "열사지대", "토문진", "제룡림", "녹명촌"};
    const QStringList values = {"76", "59", "46", "33", "20", "17", "11"};
    QCOMPARE(list->count(), 7);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(list->item(i)->text(), regions[i] + " 장인의 " + word + " 합성패 " + values[i]);
        RETURN_IF_FAILED(clickItem(list, i));
        QCOMPARE(control<QLineEdit>(s.dialog, "Text1")->text(), values[i]);
        QTRY_COMPARE(labelText(s.dialog, "Label3"), word + " " + values[i] + "이(가) 합성됩니다.");
    }
    // Typed over, the same stone clicked again counts again; the keyboard picks as well.
    RETURN_IF_FAILED(typeStone(s.dialog, "5"));
    RETURN_IF_FAILED(clickItem(list, 6));
    QCOMPARE(control<QLineEdit>(s.dialog, "Text1")->text(), QStringLiteral("11"));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(control<QLineEdit>(s.dialog, "Text1")->text(), QStringLiteral("17"));
    click(s.dialog, "Command1");
    QCOMPARE(s.f.window->state().synthesis[stat][8], std::int16_t(17));
}

void TestSynthesisWindows::synthesize_data()
{
    QTest::addColumn<QPoint>("piece"); // (row, piece)
    QTest::addColumn<int>("stat");
    QTest::addColumn<QString>("stone");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("sheet"); // the stat's equipment figure afterwards

    // 영웅 1: 명중 137, 막기 58, maximum 98. 영린 2: 최대생명력 1030, 명중 43, maximum 81.
    QTest::newRow("empty box") << QPoint(3, 1) << int(Penetration) << ""
                               << "관통 0이(가) 합성됩니다."
                               << "0";
    QTest::newRow("76 under 81") << QPoint(1, 2) << int(Accuracy) << "76"
                                 << "명중 76이(가) 합성됩니다."
                                 << "119";
    QTest::newRow("98 over 81") << QPoint(1, 2) << int(Accuracy) << "98"
                                << "명중 81이(가) 합성됩니다."
                                << "124";
    QTest::newRow("81 equal") << QPoint(1, 2) << int(Accuracy) << "81"
                              << "명중 81이(가) 합성됩니다."
                              << "124";
    QTest::newRow("not a number") << QPoint(1, 2) << int(Accuracy) << "x7"
                                  << "명중 0이(가) 합성됩니다."
                                  << "43";
    QTest::newRow("negative") << QPoint(1, 2) << int(Accuracy) << "-30"
                              << "명중 -30이(가) 합성됩니다."
                              << "13";
    QTest::newRow("99999") << QPoint(1, 2) << int(Accuracy) << "99999"
                           << "명중 81이(가) 합성됩니다."
                           << "124";
    QTest::newRow("-99999") << QPoint(1, 2) << int(Accuracy) << "-99999"
                            << "명중 -32768이(가) 합성됩니다."
                            << "-32725";
    // 최상급 4: 방어 131, maximum 94. 최상급 7: 막기 154, maximum 110. 영웅 3: 회피 150, maximum 107.
    QTest::newRow("방어") << QPoint(2, 4) << int(Defence) << "59"
                          << "방어 59이(가) 합성됩니다."
                          << "190";
    QTest::newRow("막기") << QPoint(2, 7) << int(Block) << "111"
                          << "막기 110이(가) 합성됩니다."
                          << "264";
    QTest::newRow("회피") << QPoint(3, 3) << int(Evasion) << "107"
                          << "회피 107이(가) 합성됩니다."
                          << "257";
}

void TestSynthesisWindows::synthesize()
{
    QFETCH(QPoint, piece);
    QFETCH(int, stat);
    QFETCH(QString, stone);
    QFETCH(QString, preview);
    QFETCH(QString, sheet);
    Synthesis s;
    RETURN_IF_FAILED(s.prepare({piece}, piece.y(), StatButton(stat)));
    RETURN_IF_FAILED(typeStone(s.dialog, stone));
    QTRY_COMPARE(labelText(s.dialog, "Label3"), preview);
    click(s.dialog, "Command1");

    // The stat gets the previewed amount, the other five 0; the dialog stays open; the sheet follows.
    QStringList expected(6, QStringLiteral("0"));
    expected[stat - 1] = preview.section(QLatin1Char(' '), 1, 1).section(QStringLiteral("이"), 0, 0);
    QCOMPARE(amounts(s.f.window->state(), piece.y()), expected.join(QLatin1Char(' ')));
    QVERIFY(s.dialog && s.dialog->isVisible());
    s.tick();
    QCOMPARE(s.sheet(stat), sheet);
}

void TestSynthesisWindows::typedThenClickedAtOnce()
{
    Synthesis s;
    // 영린 7: 치명 131, 막기 55, maximum 103.
    RETURN_IF_FAILED(s.prepare({{1, 7}}, 7, Block));
    RETURN_IF_FAILED(typeStone(s.dialog, "20"));
    QTRY_COMPARE(labelText(s.dialog, "Label3"), QStringLiteral("막기 20이(가) 합성됩니다."));
    // No event is handled between typing and clicking, so no refresh can have read the box before the click.
    control<QLineEdit>(s.dialog, "Text1")->selectAll();
    QTest::keyClicks(control(s.dialog, "Text1"), QStringLiteral("59"));
    QTest::mouseClick(control(s.dialog, "Command1"), Qt::LeftButton);
    QCOMPARE(s.f.window->state().synthesis[5][7], std::int16_t(59));
    QCOMPARE(labelText(s.dialog, "Label3"), QStringLiteral("막기 59이(가) 합성됩니다."));
    QTest::keyClicks(control(s.dialog, "Text1"), QStringLiteral("0"));
    QTest::mouseClick(control(s.dialog, "Command1"), Qt::LeftButton);
    QCOMPARE(s.f.window->state().synthesis[5][7], std::int16_t(103));
}

void TestSynthesisWindows::sheetFollows()
{
    Synthesis s;
    Messages answered;
    // 영린 8: 치명 136, 명중 57, maximum 107.
    RETURN_IF_FAILED(s.prepare({{1, 8}}, 8, Critical));
    RETURN_IF_FAILED(typeStone(s.dialog, "59"));
    click(s.dialog, "Command1");
    s.tick();
    QCOMPARE(s.sheet(Critical), QStringLiteral("195"));
    QCOMPARE(labelText(s.f.window, "Label14"), QStringLiteral("195"));

    // Another stat replaces the first; a stat button re-captions the open dialog and keeps the stone box.
    auto* list = control<QListWidget>(s.dialog, "List1");
    RETURN_IF_FAILED(clickItem(list, 2)); // 46
    s.openDialog(Accuracy);
    QCOMPARE(s.dialog->windowTitle(), QStringLiteral("명중 합성"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("사지석림 장인의 명중 합성패 46"));
    QVERIFY(list->item(2)->isSelected());
    QCOMPARE(control<QLineEdit>(s.dialog, "Text1")->text(), QStringLiteral("46"));
    QCOMPARE(QApplication::topLevelWidgets().count(s.dialog), 1);
    click(s.dialog, "Command1");
    QCOMPARE(amounts(s.f.window->state(), 8), QStringLiteral("0 46 0 0 0 0"));
    s.tick();
    QCOMPARE(s.sheet(Critical), QStringLiteral("136"));
    QCOMPARE(s.sheet(Accuracy), QStringLiteral("103"));

    click(s.chooser, "Command8"); // release
    s.tick();
    QCOMPARE(s.sheet(Accuracy), QStringLiteral("57"));
    click(s.dialog, "Command1");
    s.tick();
    QCOMPARE(s.sheet(Accuracy), QStringLiteral("103"));
    clickBoard(s.f, 1, 8); // taken off
    s.tick();
    QCOMPARE(s.sheet(Accuracy), QStringLiteral("0"));
    RETURN_IF_FAILED(equip(s.f, 1, 8)); // equipped again: no synthesis
    s.tick();
    QCOMPARE(s.sheet(Accuracy), QStringLiteral("57"));
    QCOMPARE(answered.shown, QStringList{"8번 보패의 합성을 해제하였습니다."});
}

void TestSynthesisWindows::closing()
{
    Synthesis s;
    RETURN_IF_FAILED(s.prepare({{1, 1}}, 1, Evasion));
    RETURN_IF_FAILED(typeStone(s.dialog, "33"));
    click(s.dialog, "Command1");
    click(s.dialog, "Command2"); // 취소 closes the dialog only
    QTRY_VERIFY(s.dialog.isNull());
    QVERIFY(s.chooser->isVisible());

    s.openDialog(Critical); // a new dialog starts with an empty box
    QCOMPARE(control<QLineEdit>(s.dialog, "Text1")->text(), QString());
    click(s.chooser, "Command7"); // 닫기 closes both
    QTRY_VERIFY(s.dialog.isNull() && s.chooser.isNull());
    QCOMPARE(s.f.window->state().synthesis[6][1], std::int16_t(33));

    RETURN_IF_FAILED(s.prepare({}, 0, Block)); // so does the chooser's close box
    s.chooser->close();
    QTRY_VERIFY(s.dialog.isNull() && s.chooser.isNull());
}

void TestSynthesisWindows::idleWindowsRepaintNothing()
{
    Synthesis s;
    RETURN_IF_FAILED(s.prepare({{1, 2}, {1, 5}}, 5, Block));
    RETURN_IF_FAILED(typeStone(s.dialog, "46"));
    QTRY_COMPARE(labelText(s.dialog, "Label3"), QStringLiteral("막기 46이(가) 합성됩니다."));
    auto* timer = control<QTimer>(s.dialog, "Timer1");
    waitTicks(timer, 2);
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    for (QWidget* window : {s.chooser.data(), s.dialog.data()})
        for (QWidget* child : window->findChildren<QWidget*>())
            if (!qobject_cast<QLineEdit*>(child)) // its cursor blinks
                child->installEventFilter(&counter);
    waitTicks(timer, 15);
    QCOMPARE(counter.paints, 0);
}

QTEST_MAIN(TestSynthesisWindows)
#include "tst_synthesis_windows.moc"
