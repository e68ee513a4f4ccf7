#include "ui_helpers.h"

#include "ui/common/messages.h"
#include "ui/common/twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

#include <cstdint>

using namespace tessarin;
using namespace tessarin::testing;

// A helper that failed has already recorded the failure; the test stops there.
#define RETURN_IF_FAILED(call)                                                                                         \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

namespace {

// Board buttons (CommandN) by row and piece.
constexpr int kBoardNumbers[4][8] = {{9, 1, 2, 3, 4, 5, 6, 7},
                                     {16, 15, 14, 13, 12, 11, 10, 8},
                                     {32, 31, 30, 29, 28, 27, 26, 25},
                                     {24, 23, 22, 21, 20, 19, 18, 17}};

// The chooser's stat buttons, Command1 .. Command6.
enum StatButton { Penetration = 1, Accuracy, Critical, Defence, Block, Evasion };

// The sheet's equipment label of each synthesizable stat, 관통 .. 회피.
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

QWidget* chooserOf(MainWindowFixture& f)
{
    return f.window->windows().find(QStringLiteral("Form13"));
}

QWidget* dialogOf(MainWindowFixture& f)
{
    return f.window->windows().find(QStringLiteral("Form14"));
}

int openCount(const QString& name)
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == name && widget->isVisible();
    return count;
}

void click(QWidget* window, const QString& name)
{
    QWidget* widget = control(window, name);
    QVERIFY2(widget->isEnabled(), qPrintable(name));
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Lets a timer fire a number of times, so that a check afterwards sees what those ticks did.
void waitTicks(QTimer* timer, int ticks)
{
    QSignalSpy spy(timer, &QTimer::timeout);
    while (spy.count() < ticks)
        QVERIFY(spy.wait(1000));
}

void clickItem(QListWidget* list, int index)
{
    QListWidgetItem* item = list->item(index);
    QVERIFY2(item, qPrintable(list->objectName()));
    list->scrollToItem(item);
    const QRect shown = list->visualItemRect(item).intersected(list->viewport()->rect());
    QVERIFY(!shown.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, shown.center());
    QVERIFY(item->isSelected());
}

// Equips a catalogue piece through the board and its editor: the largest main value and the larger
// value of sub-option 1.
void equip(MainWindowFixture& f, int row, int piece)
{
    QTest::mouseClick(control(f.window, QStringLiteral("Command%1").arg(kBoardNumbers[row - 1][piece - 1])),
                      Qt::LeftButton);
    QPointer<QWidget> editor = f.window->windows().find(QStringLiteral("Form5"));
    QVERIFY2(editor, qPrintable(QStringLiteral("no editor for row %1 piece %2").arg(row).arg(piece)));
    RETURN_IF_FAILED(clickItem(control<QListWidget>(editor, "List1"), 0));
    QTest::mouseClick(control(editor, "Option1"), Qt::LeftButton);
    RETURN_IF_FAILED(clickItem(control<QListWidget>(editor, "List2"), 0));
    QTRY_VERIFY(control(editor, "Command35")->isEnabled());
    QTest::mouseClick(control(editor, "Command35"), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
}

// Takes an equipped piece off through the board.
void takeOff(MainWindowFixture& f, int row, int piece)
{
    QVERIFY(f.window->state().pieceEquipped[row][piece]);
    QTest::mouseClick(control(f.window, QStringLiteral("Command%1").arg(kBoardNumbers[row - 1][piece - 1])),
                      Qt::LeftButton);
    QVERIFY(!f.window->state().pieceEquipped[row][piece]);
}

QWidget* openChooser(MainWindowFixture& f)
{
    QTest::mouseClick(control(f.window, "Label32"), Qt::LeftButton);
    QWidget* chooser = chooserOf(f);
    return chooser && chooser->isVisible() ? chooser : nullptr;
}

QRadioButton* option(QWidget* chooser, int piece)
{
    return control<QRadioButton>(chooser, QStringLiteral("Option%1").arg(piece));
}

void choosePiece(QWidget* chooser, int piece)
{
    QTRY_VERIFY(option(chooser, piece)->isEnabled());
    QTest::mouseClick(option(chooser, piece), Qt::LeftButton);
    QVERIFY(option(chooser, piece)->isChecked());
}

// Opens the dialog with one of the chooser's stat buttons.
QWidget* openDialog(MainWindowFixture& f, QWidget* chooser, StatButton stat)
{
    QTest::mouseClick(control(chooser, QStringLiteral("Command%1").arg(int(stat))), Qt::LeftButton);
    QWidget* dialog = dialogOf(f);
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

QLineEdit* stoneBox(QWidget* dialog)
{
    return control<QLineEdit>(dialog, "Text1");
}

// Types a stone value into the emptied stone box, as a person does.
void typeStone(QWidget* dialog, const QString& text)
{
    QLineEdit* box = stoneBox(dialog);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QCOMPARE(box->text(), text);
}

QStringList items(QListWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

QString amounts(const CharacterState& s, int piece)
{
    QStringList parts;
    for (int stat = 1; stat <= 6; ++stat)
        parts << QString::number(s.synthesis[stat][piece]);
    return parts.join(QLatin1Char(' '));
}

// The three message labels of the dialog: Label4, Label2, Label3.
QStringList dialogLabels(QWidget* dialog)
{
    return {labelText(dialog, "Label4"), labelText(dialog, "Label2"), labelText(dialog, "Label3")};
}

// Everything a test needs open: pieces equipped, the chooser with a piece chosen, the dialog for a stat.
struct Synthesis {
    QPointer<QWidget> chooser;
    QPointer<QWidget> dialog;
};

void prepare(MainWindowFixture& f, Synthesis& s, QList<QPoint> pieces, int chosen, StatButton stat)
{
    for (const QPoint& at : pieces)
        RETURN_IF_FAILED(equip(f, at.x(), at.y()));
    s.chooser = openChooser(f);
    QVERIFY(s.chooser);
    if (chosen != 0)
        RETURN_IF_FAILED(choosePiece(s.chooser, chosen));
    s.dialog = openDialog(f, s.chooser, stat);
    QVERIFY(s.dialog);
}

} // namespace

class TestSynthesisWindows : public QObject {
    Q_OBJECT

private slots:
    void chooserLayout();
    void dialogLayout();
    void optionsFollowBoard();
    void anyBoardRowCounts();
    void release_data();
    void release();
    void comparisonTexts();
    void switchingPieceRewritesLabels();
    void noPieceChosen();
    void pickStones_data();
    void pickStones();
    void synthesize_data();
    void synthesize();
    void typedThenClickedAtOnce();
    void anotherStatReplaces();
    void pieceTakenOffWhileChosen();
    void recaptionKeepsStoneBox();
    void sheetFollowsSynthesis();
    void closing();
    void idleWindowsRepaintNothing();
};

void TestSynthesisWindows::chooserLayout()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(equip(f, 1, 4));
    QPointer<QWidget> chooser = openChooser(f);
    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), QStringLiteral("착용한 보패 합성"));
    QCOMPARE(chooser->size(), QSize(twipsToPixels(5115), twipsToPixels(2745)));
    QCOMPARE(chooser->pos(), twipsPoint(6465, 7410));

    const QList<QPoint> optionAt = {{240, 240},  {240, 720},  {1440, 240}, {1440, 720},
                                    {2640, 240}, {2640, 720}, {3840, 240}, {3840, 720}};
    const QList<QPoint> labelAt = {{480, 250},  {480, 720},  {1680, 240}, {1680, 720},
                                   {2880, 240}, {2880, 720}, {4080, 240}, {4080, 720}};
    for (int k = 1; k <= 8; ++k) {
        const QPoint o = optionAt[k - 1];
        const QPoint l = labelAt[k - 1];
        QCOMPARE(option(chooser, k)->geometry(), twipsRect(o.x(), o.y(), 255, 255));
        QCOMPARE(control(chooser, QStringLiteral("Label%1").arg(k))->geometry(), twipsRect(l.x(), l.y(), 735, 255));
        QCOMPARE(labelText(chooser, QStringLiteral("Label%1").arg(k)), QStringLiteral("%1번 보패").arg(k));
        QVERIFY(!option(chooser, k)->isChecked());
    }
    const QList<std::pair<QString, QRect>> buttons = {
        {"관통 합성", {240, 1200, 1335, 375}},  {"명중 합성", {1800, 1200, 1455, 375}},
        {"치명 합성", {3480, 1200, 1455, 375}}, {"방어 합성", {240, 1680, 1335, 375}},
        {"막기 합성", {1800, 1680, 1455, 375}}, {"회피 합성", {3480, 1680, 1455, 375}},
        {"닫기", {2520, 2160, 1455, 375}},      {"합성 해제", {720, 2160, 1455, 375}}};
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = control<QPushButton>(chooser, QStringLiteral("Command%1").arg(i + 1));
        const QRect at = buttons[i].second;
        QCOMPARE(button->text(), buttons[i].first);
        QCOMPARE(button->geometry(), twipsRect(at.x(), at.y(), at.width(), at.height()));
    }
    QCOMPARE(control<QTimer>(chooser, "Timer1")->interval(), 10);

    // Clicking the hot spot again shows the same chooser, with its selection.
    RETURN_IF_FAILED(choosePiece(chooser, 4));
    chooser->lower();
    QCOMPARE(openChooser(f), chooser.data());
    QCOMPARE(openCount("Form13"), 1);
    QVERIFY(option(chooser, 4)->isChecked());

    // The piece's name chooses it too, but only while its mark can be chosen.
    QTest::mouseClick(control(chooser, "Label4"), Qt::LeftButton);
    QVERIFY(option(chooser, 4)->isChecked());
    QTest::mouseClick(control(chooser, "Label6"), Qt::LeftButton);
    QVERIFY(!option(chooser, 6)->isChecked());
    QVERIFY(option(chooser, 4)->isChecked());
}

void TestSynthesisWindows::dialogLayout()
{
    MainWindowFixture f;
    QPointer<QWidget> chooser = openChooser(f);
    QVERIFY(chooser);
    QPointer<QWidget> dialog = openDialog(f, chooser, Critical);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("치명 합성"));
    QCOMPARE(dialog->size(), QSize(twipsToPixels(3975), twipsToPixels(2460)));
    QCOMPARE(dialog->pos(), twipsPoint(11805, 7350));
    const QList<std::pair<QString, QRect>> controls = {
        {"Label1", {120, 130, 1215, 255}},  {"Text1", {1440, 120, 2415, 285}},   {"Label2", {120, 480, 2295, 495}},
        {"Label4", {2520, 480, 1335, 255}}, {"Command1", {2520, 840, 615, 735}}, {"Command2", {3240, 840, 615, 735}},
        {"Label3", {120, 1080, 2295, 255}}, {"Label5", {120, 1440, 2295, 255}},  {"List1", {120, 1680, 3735, 645}}};
    for (const auto& [name, at] : controls)
        QCOMPARE(control(dialog, name)->geometry(), twipsRect(at.x(), at.y(), at.width(), at.height()));
    QCOMPARE(labelText(dialog, "Label1"), QStringLiteral("합성패 수치"));
    QCOMPARE(labelText(dialog, "Label5"), QStringLiteral("상급 합성패 선택"));
    QCOMPARE(control<QPushButton>(dialog, "Command1")->text(), QStringLiteral("합성"));
    QCOMPARE(control<QPushButton>(dialog, "Command2")->text(), QStringLiteral("취소"));
    QCOMPARE(stoneBox(dialog)->text(), QString());
    QCOMPARE(dialogLabels(dialog), (QStringList{QString(), QString(), QString()}));
    QCOMPARE(control<QTimer>(dialog, "Timer1")->interval(), 10);
    QCOMPARE(f.window->state().synthesisStat, QStringLiteral("치명"));
}

void TestSynthesisWindows::optionsFollowBoard()
{
    MainWindowFixture f;
    QPointer<QWidget> chooser = openChooser(f);
    QVERIFY(chooser);
    auto* timer = control<QTimer>(chooser, "Timer1");
    auto enabledOptions = [&] {
        QList<int> result;
        for (int k = 1; k <= 8; ++k)
            if (option(chooser, k)->isEnabled())
                result << k;
        return result;
    };

    // No piece: nothing can be chosen, by mark or by name.
    QCOMPARE(enabledOptions(), QList<int>{});
    QTest::mouseClick(option(chooser, 2), Qt::LeftButton);
    QTest::mouseClick(control(chooser, "Label5"), Qt::LeftButton);
    QVERIFY(!option(chooser, 2)->isChecked() && !option(chooser, 5)->isChecked());

    // Only piece 3 of row 2.
    RETURN_IF_FAILED(equip(f, 2, 3));
    QTRY_COMPARE(enabledOptions(), QList<int>{3});
    QVERIFY(control(chooser, "Label3")->isEnabled() && !control(chooser, "Label2")->isEnabled());
    RETURN_IF_FAILED(choosePiece(chooser, 3));

    // Taken off while chosen: greyed out, still chosen.
    RETURN_IF_FAILED(takeOff(f, 2, 3));
    QTRY_COMPARE(enabledOptions(), QList<int>{});
    waitTicks(timer, 3);
    QVERIFY(option(chooser, 3)->isChecked());

    // Equipped again (from another row): choosable again, the selection never moved.
    RETURN_IF_FAILED(equip(f, 3, 3));
    RETURN_IF_FAILED(equip(f, 1, 7));
    QTRY_COMPARE(enabledOptions(), (QList<int>{3, 7}));
    QVERIFY(option(chooser, 3)->isChecked());
    RETURN_IF_FAILED(choosePiece(chooser, 7));
    QVERIFY(!option(chooser, 3)->isChecked());
}

void TestSynthesisWindows::anyBoardRowCounts()
{
    MainWindowFixture f;
    QPointer<QWidget> chooser = openChooser(f);
    QVERIFY(chooser);
    // Row 4 is filled by the free-entry editor, which is not part of this window; its flag is written as
    // that editor's confirm writes it.
    CharacterState& state = f.window->state();
    state.pieceEquipped[4][6] = true;
    state.freeSetCount = 1;
    QTRY_VERIFY(option(chooser, 6)->isEnabled());
    state.pieceEquipped[4][6] = false;
    state.freeSetCount = 0;
    QTRY_VERIFY(!option(chooser, 6)->isEnabled());
}

void TestSynthesisWindows::release_data()
{
    QTest::addColumn<QPoint>("piece");         // (row, piece); (0, 0): nothing equipped
    QTest::addColumn<int>("chosen");           // 0: no piece chosen
    QTest::addColumn<int>("stat");             // 0: no synthesis first
    QTest::addColumn<QString>("stone");        // typed before "합성"
    QTest::addColumn<QStringList>("messages"); // one release per message
    QTest::addColumn<QString>("after");        // the piece's amounts after the releases

    QTest::newRow("none chosen") << QPoint(1, 5) << 0 << int(Block) << "59" << QStringList{"보패를 선택해주세요."}
                                 << "0 0 0 0 59 0";
    QTest::newRow("never synthesized 3") << QPoint(2, 3) << 3 << 0 << ""
                                         << QStringList{"3번 보패는 아직 합성이 되지 않았습니다."} << "0 0 0 0 0 0";
    QTest::newRow("amount 0 on 1") << QPoint(3, 1) << 1 << int(Penetration) << ""
                                   << QStringList{"1번 보패는 아직 합성이 되지 않았습니다."} << "0 0 0 0 0 0";
    QTest::newRow("only negative on 4") << QPoint(1, 4) << 4 << int(Accuracy) << "-30"
                                        << QStringList{"4번 보패는 아직 합성이 되지 않았습니다."} << "0 -30 0 0 0 0";
    QTest::newRow("막기 59 on 5, twice") << QPoint(1, 5) << 5 << int(Block) << "59"
                                         << QStringList{"5번 보패의 합성을 해제하였습니다.",
                                                        "5번 보패는 아직 합성이 되지 않았습니다."}
                                         << "0 0 0 0 0 0";
    QTest::newRow("회피 on 2") << QPoint(2, 2) << 2 << int(Evasion) << "11"
                               << QStringList{"2번 보패의 합성을 해제하였습니다."} << "0 0 0 0 0 0";
    QTest::newRow("치명 on 8, three times")
        << QPoint(3, 8) << 8 << int(Critical) << "76"
        << QStringList{"8번 보패의 합성을 해제하였습니다.", "8번 보패는 아직 합성이 되지 않았습니다.",
                       "8번 보패는 아직 합성이 되지 않았습니다."}
        << "0 0 0 0 0 0";
    QTest::newRow("방어 1 on 6") << QPoint(1, 6) << 6 << int(Defence) << "1"
                                 << QStringList{"6번 보패의 합성을 해제하였습니다."} << "0 0 0 0 0 0";
    QTest::newRow("관통 on 7") << QPoint(2, 7) << 7 << int(Penetration) << "33"
                               << QStringList{"7번 보패의 합성을 해제하였습니다."} << "0 0 0 0 0 0";
}

void TestSynthesisWindows::release()
{
    QFETCH(QPoint, piece);
    QFETCH(int, chosen);
    QFETCH(int, stat);
    QFETCH(QString, stone);
    QFETCH(QStringList, messages);
    QFETCH(QString, after);
    MainWindowFixture f;
    Messages answered;
    RETURN_IF_FAILED(equip(f, piece.x(), piece.y()));
    QPointer<QWidget> chooser = openChooser(f);
    QVERIFY(chooser);
    if (stat != 0) {
        // Synthesized with the piece chosen, then the choice is taken back where the row says so.
        RETURN_IF_FAILED(choosePiece(chooser, piece.y()));
        QWidget* dialog = openDialog(f, chooser, StatButton(stat));
        QVERIFY(dialog);
        RETURN_IF_FAILED(typeStone(dialog, stone));
        click(dialog, "Command1");
    }
    if (chosen == 0) {
        f.window->windows().close(QStringLiteral("Form13"));
        QTRY_VERIFY(chooser.isNull());
        chooser = openChooser(f);
        QVERIFY(chooser);
    } else {
        RETURN_IF_FAILED(choosePiece(chooser, chosen));
    }
    for (int i = 0; i < messages.size(); ++i)
        click(chooser, "Command8");
    QCOMPARE(answered.shown, messages);
    QCOMPARE(amounts(f.window->state(), piece.y()), after);
    // The sheet follows: what stays synthesized stays on it, what is released is gone.
    waitTicks(control<QTimer>(f.window, "Timer2"), 2);
    if (stat != 0) {
        const QString label = kEquipmentLabels[stat - 1];
        const int kept = f.window->state().synthesis[stat][piece.y()];
        const double shield = f.window->state().shieldTotals[static_cast<Stat>(stat - 1)];
        QCOMPARE(labelText(f.window, label), QString::number(shield + kept));
    }
}

void TestSynthesisWindows::comparisonTexts()
{
    MainWindowFixture f;
    Synthesis s;
    // 영린 pieces 1..8, maxima 77, 81, 85, 88, 96, 99, 103, 107.
    RETURN_IF_FAILED(prepare(f, s, {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}}, 0, Accuracy));
    struct Case {
        int piece;
        const char* stone;
        const char* maximum;
        const char* comparison;
        const char* preview;
    };
    const Case cases[] = {
        {1, "76", "최대합성치: 77", "합성패 수치가 1번 보패의 합성최대치보다 낮습니다.", "명중 76이(가) 합성됩니다."},
        {1, "77", "최대합성치: 77", "합성패 수치가 1번 보패의 합성최대치와 같습니다.", "명중 77이(가) 합성됩니다."},
        {1, "78", "최대합성치: 77", "합성패 수치가 1번 보패의 합성최대치보다 높습니다.", "명중 77이(가) 합성됩니다."},
        {2, "80", "최대합성치: 81", "합성패 수치가 2번 보패의 합성최대치보다 낮습니다.", "명중 80이(가) 합성됩니다."},
        {2, "81", "최대합성치: 81", "합성패 수치가 2번 보패의 합성최대치와 같습니다.", "명중 81이(가) 합성됩니다."},
        {2, "98", "최대합성치: 81", "합성패 수치가 2번 보패의 합성최대치보다 높습니다.", "명중 81이(가) 합성됩니다."},
        {3, "11", "최대합성치: 85", "합성패 수치가 3번 보패의 합성최대치보다 낮습니다.", "명중 11이(가) 합성됩니다."},
        {3, "85", "최대합성치: 85", "합성패 수치가 3번 보패의 합성최대치와 같습니다.", "명중 85이(가) 합성됩니다."},
        {3, "86", "최대합성치: 85", "합성패 수치가 3번 보패의 합성최대치보다 높습니다.", "명중 85이(가) 합성됩니다."},
        {4, "87.5", "최대합성치: 88", "합성패 수치가 4번 보패의 합성최대치와 같습니다.", "명중 88이(가) 합성됩니다."},
        {4, "88.5", "최대합성치: 88", "합성패 수치가 4번 보패의 합성최대치와 같습니다.", "명중 88이(가) 합성됩니다."},
        {4, "89.5", "최대합성치: 88", "합성패 수치가 4번 보패의 합성최대치보다 높습니다.", "명중 88이(가) 합성됩니다."},
        {4, "86.5", "최대합성치: 88", "합성패 수치가 4번 보패의 합성최대치보다 낮습니다.", "명중 86이(가) 합성됩니다."},
        {5, "0", "최대합성치: 96", "합성패 수치가 5번 보패의 합성최대치보다 낮습니다.", "명중 0이(가) 합성됩니다."},
        {5, "96", "최대합성치: 96", "합성패 수치가 5번 보패의 합성최대치와 같습니다.", "명중 96이(가) 합성됩니다."},
        {5, "97", "최대합성치: 96", "합성패 수치가 5번 보패의 합성최대치보다 높습니다.", "명중 96이(가) 합성됩니다."},
        {6, "-1", "최대합성치: 99", "합성패 수치가 6번 보패의 합성최대치보다 낮습니다.", "명중 -1이(가) 합성됩니다."},
        {6, "99", "최대합성치: 99", "합성패 수치가 6번 보패의 합성최대치와 같습니다.", "명중 99이(가) 합성됩니다."},
        {6, "100", "최대합성치: 99", "합성패 수치가 6번 보패의 합성최대치보다 높습니다.", "명중 99이(가) 합성됩니다."},
        {7, "102", "최대합성치: 103", "합성패 수치가 7번 보패의 합성최대치보다 낮습니다.",
         "명중 102이(가) 합성됩니다."},
        {7, "103", "최대합성치: 103", "합성패 수치가 7번 보패의 합성최대치와 같습니다.", "명중 103이(가) 합성됩니다."},
        {7, "104", "최대합성치: 103", "합성패 수치가 7번 보패의 합성최대치보다 높습니다.",
         "명중 103이(가) 합성됩니다."},
        {8, "106", "최대합성치: 107", "합성패 수치가 8번 보패의 합성최대치보다 낮습니다.",
         "명중 106이(가) 합성됩니다."},
        {8, "107", "최대합성치: 107", "합성패 수치가 8번 보패의 합성최대치와 같습니다.", "명중 107이(가) 합성됩니다."},
        {8, "99999", "최대합성치: 107", "합성패 수치가 8번 보패의 합성최대치보다 높습니다.",
         "명중 107이(가) 합성됩니다."},
    };
    for (const Case& c : cases) {
        RETURN_IF_FAILED(choosePiece(s.chooser, c.piece));
        RETURN_IF_FAILED(typeStone(s.dialog, QString::fromUtf8(c.stone)));
        const QStringList expected = {QString::fromUtf8(c.maximum), QString::fromUtf8(c.comparison),
                                      QString::fromUtf8(c.preview)};
        QTRY_COMPARE(dialogLabels(s.dialog), expected);
    }
}

void TestSynthesisWindows::switchingPieceRewritesLabels()
{
    MainWindowFixture f;
    Synthesis s;
    // 최상급 1 (maximum 82) and 5 (maximum 102).
    RETURN_IF_FAILED(prepare(f, s, {{2, 1}, {2, 5}}, 5, Penetration));
    RETURN_IF_FAILED(typeStone(s.dialog, "76"));
    QTRY_COMPARE(dialogLabels(s.dialog),
                 (QStringList{"최대합성치: 102", "합성패 수치가 5번 보패의 합성최대치보다 낮습니다.",
                              "관통 76이(가) 합성됩니다."}));
    RETURN_IF_FAILED(choosePiece(s.chooser, 1));
    waitTicks(control<QTimer>(s.dialog, "Timer1"), 1);
    QCOMPARE(dialogLabels(s.dialog), (QStringList{"최대합성치: 82", "합성패 수치가 1번 보패의 합성최대치보다 낮습니다.",
                                                  "관통 76이(가) 합성됩니다."}));
    RETURN_IF_FAILED(typeStone(s.dialog, "98"));
    QTRY_COMPARE(dialogLabels(s.dialog),
                 (QStringList{"최대합성치: 82", "합성패 수치가 1번 보패의 합성최대치보다 높습니다.",
                              "관통 82이(가) 합성됩니다."}));
}

void TestSynthesisWindows::noPieceChosen()
{
    MainWindowFixture f;
    Synthesis s;
    RETURN_IF_FAILED(prepare(f, s, {}, 0, Defence));
    auto* timer = control<QTimer>(s.dialog, "Timer1");
    auto* synthesize = control<QPushButton>(s.dialog, "Command1");
    QTRY_VERIFY(!synthesize->isEnabled());
    RETURN_IF_FAILED(typeStone(s.dialog, "46"));
    waitTicks(timer, 3);
    QCOMPARE(f.window->state().stoneValue, std::int16_t(46)); // the box is still read
    QCOMPARE(dialogLabels(s.dialog), (QStringList{QString(), QString(), QString()}));
    QVERIFY(!synthesize->isEnabled());

    // Once a piece is chosen, the button and the labels follow it.
    RETURN_IF_FAILED(equip(f, 1, 3));
    RETURN_IF_FAILED(choosePiece(s.chooser, 3));
    QTRY_VERIFY(synthesize->isEnabled());
    const QStringList shown = {"최대합성치: 85", "합성패 수치가 3번 보패의 합성최대치보다 낮습니다.",
                               "방어 46이(가) 합성됩니다."};
    QTRY_COMPARE(dialogLabels(s.dialog), shown);
}

void TestSynthesisWindows::pickStones_data()
{
    QTest::addColumn<int>("stat");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("명중") << int(Accuracy)
                          << QStringList{"수월평원 장인의 명중 합성패 76", "대사막 장인의 명중 합성패 59",
                                         "사지석림 장인의 명중 합성패 46", "열사지대 장인의 명중 합성패 33",
                                         "토문진 장인의 명중 합성패 20",   "제룡림 장인의 명중 합성패 17",
                                         "녹명촌 장인의 명중 합성패 11"};
    QTest::newRow("회피") << int(Evasion)
                          << QStringList{"수월평원 장인의 회피 합성패 76", "대사막 장인의 회피 합성패 59",
                                         "사지석림 장인의 회피 합성패 46", "열사지대 장인의 회피 합성패 33",
                                         "토문진 장인의 회피 합성패 20",   "제룡림 장인의 회피 합성패 17",
                                         "녹명촌 장인의 회피 합성패 11"};
}

void TestSynthesisWindows::pickStones()
{
    QFETCH(int, stat);
    QFETCH(QStringList, items);
    MainWindowFixture f;
    Synthesis s;
    // 영웅 8 has the largest maximum (135): every stone is stored as it is.
    RETURN_IF_FAILED(prepare(f, s, {{3, 8}}, 8, StatButton(stat)));
    auto* list = control<QListWidget>(s.dialog, "List1");
    QCOMPARE(::items(list), items);
    const QString word = items.first().section(QLatin1Char(' '), 2, 2);
    const QStringList values = {"76", "59", "46", "33", "20", "17", "11"};
    for (int i = 0; i < 7; ++i) {
        RETURN_IF_FAILED(clickItem(list, i));
        QCOMPARE(stoneBox(s.dialog)->text(), values[i]);
        QTRY_COMPARE(labelText(s.dialog, "Label3"), QStringLiteral("%1 %2이(가) 합성됩니다.").arg(word, values[i]));
        QCOMPARE(labelText(s.dialog, "Label2"), QStringLiteral("합성패 수치가 8번 보패의 합성최대치보다 낮습니다."));
    }
    // Typed over, then the same stone clicked again: the stone counts again.
    RETURN_IF_FAILED(typeStone(s.dialog, "5"));
    RETURN_IF_FAILED(clickItem(list, 6));
    QCOMPARE(stoneBox(s.dialog)->text(), QStringLiteral("11"));
    // The keyboard picks as well.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(stoneBox(s.dialog)->text(), QStringLiteral("17"));
    click(s.dialog, "Command1");
    QCOMPARE(f.window->state().synthesis[stat][8], std::int16_t(17));
}

void TestSynthesisWindows::synthesize_data()
{
    QTest::addColumn<QPoint>("piece"); // (row, piece)
    QTest::addColumn<int>("stat");
    QTest::addColumn<QString>("stone");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("comparison");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("sheet"); // the stat's equipment figure afterwards

    // 영웅 1: 명중 137, 막기 58, maximum 98.
    QTest::newRow("empty box, maximum 98")
        << QPoint(3, 1) << int(Penetration) << "" << 0 << "합성패 수치가 1번 보패의 합성최대치보다 낮습니다."
        << "관통 0이(가) 합성됩니다."
        << "0";
    // 영린 2: 최대생명력 1030, 명중 43, maximum 81.
    QTest::newRow("76 under 81") << QPoint(1, 2) << int(Accuracy) << "76" << 76
                                 << "합성패 수치가 2번 보패의 합성최대치보다 낮습니다."
                                 << "명중 76이(가) 합성됩니다."
                                 << "119";
    QTest::newRow("98 over 81") << QPoint(1, 2) << int(Accuracy) << "98" << 81
                                << "합성패 수치가 2번 보패의 합성최대치보다 높습니다."
                                << "명중 81이(가) 합성됩니다."
                                << "124";
    QTest::newRow("81 equal") << QPoint(1, 2) << int(Accuracy) << "81" << 81
                              << "합성패 수치가 2번 보패의 합성최대치와 같습니다."
                              << "명중 81이(가) 합성됩니다."
                              << "124";
    QTest::newRow("76.5 to even") << QPoint(1, 2) << int(Accuracy) << "76.5" << 76
                                  << "합성패 수치가 2번 보패의 합성최대치보다 낮습니다."
                                  << "명중 76이(가) 합성됩니다."
                                  << "119";
    QTest::newRow("not a number") << QPoint(1, 2) << int(Accuracy) << "x7" << 0
                                  << "합성패 수치가 2번 보패의 합성최대치보다 낮습니다."
                                  << "명중 0이(가) 합성됩니다."
                                  << "43";
    QTest::newRow("negative lowers the total")
        << QPoint(1, 2) << int(Accuracy) << "-30" << -30 << "합성패 수치가 2번 보패의 합성최대치보다 낮습니다."
        << "명중 -30이(가) 합성됩니다."
        << "13";
    QTest::newRow("99999 counts as 32767")
        << QPoint(1, 2) << int(Accuracy) << "99999" << 81 << "합성패 수치가 2번 보패의 합성최대치보다 높습니다."
        << "명중 81이(가) 합성됩니다."
        << "124";
    QTest::newRow("-99999 counts as -32768")
        << QPoint(1, 2) << int(Accuracy) << "-99999" << -32768 << "합성패 수치가 2번 보패의 합성최대치보다 낮습니다."
        << "명중 -32768이(가) 합성됩니다."
        << "-32725";
    // 최상급 4: 방어 131, 막기 56, maximum 94.
    QTest::newRow("방어 on 4") << QPoint(2, 4) << int(Defence) << "59" << 59
                               << "합성패 수치가 4번 보패의 합성최대치보다 낮습니다."
                               << "방어 59이(가) 합성됩니다."
                               << "190";
    // 최상급 7: 막기 154, 명중 65, maximum 110.
    QTest::newRow("막기 over 110") << QPoint(2, 7) << int(Block) << "111" << 110
                                   << "합성패 수치가 7번 보패의 합성최대치보다 높습니다."
                                   << "막기 110이(가) 합성됩니다."
                                   << "264";
    // 영린 5: 치명 122, 명중 51, maximum 96.
    QTest::newRow("치명 on 5") << QPoint(1, 5) << int(Critical) << "46" << 46
                               << "합성패 수치가 5번 보패의 합성최대치보다 낮습니다."
                               << "치명 46이(가) 합성됩니다."
                               << "168";
    // 영웅 3: 회피 150, 막기 64, maximum 107.
    QTest::newRow("회피 on 3") << QPoint(3, 3) << int(Evasion) << "107" << 107
                               << "합성패 수치가 3번 보패의 합성최대치와 같습니다."
                               << "회피 107이(가) 합성됩니다."
                               << "257";
}

void TestSynthesisWindows::synthesize()
{
    QFETCH(QPoint, piece);
    QFETCH(int, stat);
    QFETCH(QString, stone);
    QFETCH(int, stored);
    QFETCH(QString, comparison);
    QFETCH(QString, preview);
    QFETCH(QString, sheet);
    MainWindowFixture f;
    Synthesis s;
    RETURN_IF_FAILED(prepare(f, s, {piece}, piece.y(), StatButton(stat)));
    const int k = piece.y();
    const QString maximum = QStringLiteral("최대합성치: %1").arg(f.window->state().synthesisMax[k]);
    RETURN_IF_FAILED(typeStone(s.dialog, stone));
    QTRY_COMPARE(dialogLabels(s.dialog), (QStringList{maximum, comparison, preview}));

    click(s.dialog, "Command1");
    QStringList expected(6, QStringLiteral("0"));
    expected[stat - 1] = QString::number(stored);
    QCOMPARE(amounts(f.window->state(), k), expected.join(QLatin1Char(' ')));
    // The dialog stays open and keeps showing the comparison; the sheet follows on the next tick.
    QVERIFY(s.dialog && s.dialog->isVisible());
    QCOMPARE(dialogLabels(s.dialog), (QStringList{maximum, comparison, preview}));
    waitTicks(control<QTimer>(f.window, "Timer2"), 1);
    QCOMPARE(labelText(f.window, kEquipmentLabels[stat - 1]), sheet);
}

void TestSynthesisWindows::typedThenClickedAtOnce()
{
    MainWindowFixture f;
    Synthesis s;
    // 영린 7: 치명 131, 막기 55, maximum 103.
    RETURN_IF_FAILED(prepare(f, s, {{1, 7}}, 7, Block));
    RETURN_IF_FAILED(typeStone(s.dialog, "20"));
    QTRY_COMPARE(labelText(s.dialog, "Label3"), QStringLiteral("막기 20이(가) 합성됩니다."));

    // No event is handled between the typing and the click, so no refresh can have read the box.
    stoneBox(s.dialog)->selectAll();
    QTest::keyClicks(stoneBox(s.dialog), QStringLiteral("59"));
    QTest::mouseClick(control(s.dialog, "Command1"), Qt::LeftButton);
    QCOMPARE(f.window->state().synthesis[5][7], std::int16_t(59));
    QCOMPARE(labelText(s.dialog, "Label3"), QStringLiteral("막기 59이(가) 합성됩니다."));

    QTest::keyClicks(stoneBox(s.dialog), QStringLiteral("0"));
    QTest::mouseClick(control(s.dialog, "Command1"), Qt::LeftButton);
    QCOMPARE(f.window->state().synthesis[5][7], std::int16_t(103));
    QCOMPARE(labelText(s.dialog, "Label2"), QStringLiteral("합성패 수치가 7번 보패의 합성최대치보다 높습니다."));
    waitTicks(control<QTimer>(f.window, "Timer2"), 1);
    QCOMPARE(labelText(f.window, "Label13"), QStringLiteral("158"));
}

void TestSynthesisWindows::anotherStatReplaces()
{
    MainWindowFixture f;
    Synthesis s;
    // 영린 3: 막기 108, 명중 45, maximum 85.
    RETURN_IF_FAILED(prepare(f, s, {{1, 3}}, 3, Penetration));
    auto* timer = control<QTimer>(f.window, "Timer2");
    RETURN_IF_FAILED(clickItem(control<QListWidget>(s.dialog, "List1"), 0)); // 76
    click(s.dialog, "Command1");
    waitTicks(timer, 1);
    QCOMPARE(labelText(f.window, "Label37"), QStringLiteral("76"));
    QCOMPARE(labelText(f.window, "Label45"), QStringLiteral("76"));

    QCOMPARE(openDialog(f, s.chooser, Accuracy), s.dialog.data());
    RETURN_IF_FAILED(clickItem(control<QListWidget>(s.dialog, "List1"), 1)); // 59
    click(s.dialog, "Command1");
    QCOMPARE(amounts(f.window->state(), 3), QStringLiteral("0 59 0 0 0 0"));
    waitTicks(timer, 1);
    QCOMPARE(labelText(f.window, "Label37"), QStringLiteral("0"));
    QCOMPARE(labelText(f.window, "Label38"), QStringLiteral("104"));

    // The same stat again replaces the amount.
    RETURN_IF_FAILED(clickItem(control<QListWidget>(s.dialog, "List1"), 4)); // 20
    click(s.dialog, "Command1");
    QCOMPARE(amounts(f.window->state(), 3), QStringLiteral("0 20 0 0 0 0"));
    waitTicks(timer, 1);
    QCOMPARE(labelText(f.window, "Label38"), QStringLiteral("65"));
}

void TestSynthesisWindows::pieceTakenOffWhileChosen()
{
    MainWindowFixture f;
    Synthesis s;
    RETURN_IF_FAILED(prepare(f, s, {{2, 6}}, 6, Evasion));
    RETURN_IF_FAILED(typeStone(s.dialog, "76"));
    QTRY_COMPARE(labelText(s.dialog, "Label4"), QStringLiteral("최대합성치: 106"));
    RETURN_IF_FAILED(takeOff(f, 2, 6));
    QTRY_COMPARE(dialogLabels(s.dialog),
                 (QStringList{"최대합성치: 0", "합성패 수치가 6번 보패의 합성최대치보다 높습니다.",
                              "회피 0이(가) 합성됩니다."}));
    QVERIFY(option(s.chooser, 6)->isChecked());
    QVERIFY(!option(s.chooser, 6)->isEnabled());
    click(s.dialog, "Command1");
    QCOMPARE(amounts(f.window->state(), 6), QStringLiteral("0 0 0 0 0 0"));
    RETURN_IF_FAILED(typeStone(s.dialog, "-5"));
    click(s.dialog, "Command1");
    QCOMPARE(amounts(f.window->state(), 6), QStringLiteral("0 0 0 0 0 -5"));
    waitTicks(control<QTimer>(f.window, "Timer2"), 1);
    QCOMPARE(labelText(f.window, "Label43"), QStringLiteral("-5"));
}

void TestSynthesisWindows::recaptionKeepsStoneBox()
{
    MainWindowFixture f;
    Synthesis s;
    RETURN_IF_FAILED(prepare(f, s, {{3, 5}}, 5, Penetration));
    auto* list = control<QListWidget>(s.dialog, "List1");
    RETURN_IF_FAILED(clickItem(list, 2)); // 46
    RETURN_IF_FAILED(typeStone(s.dialog, "47"));
    QTRY_COMPARE(labelText(s.dialog, "Label3"), QStringLiteral("관통 47이(가) 합성됩니다."));

    QCOMPARE(openDialog(f, s.chooser, Block), s.dialog.data());
    QCOMPARE(openCount("Form14"), 1);
    QCOMPARE(s.dialog->windowTitle(), QStringLiteral("막기 합성"));
    QCOMPARE(f.window->state().synthesisStat, QStringLiteral("막기"));
    QCOMPARE(stoneBox(s.dialog)->text(), QStringLiteral("47"));
    QCOMPARE(list->count(), 7);
    QCOMPARE(list->item(2)->text(), QStringLiteral("사지석림 장인의 막기 합성패 46"));
    QCOMPARE(list->item(5)->text(), QStringLiteral("제룡림 장인의 막기 합성패 17"));
    QVERIFY(list->item(2)->isSelected()); // the position was written over, not replaced
    QTRY_COMPARE(labelText(s.dialog, "Label3"), QStringLiteral("막기 47이(가) 합성됩니다."));
    click(s.dialog, "Command1");
    QCOMPARE(amounts(f.window->state(), 5), QStringLiteral("0 0 0 0 47 0"));

    // Picking from the rewritten list uses the new stat's items.
    RETURN_IF_FAILED(clickItem(list, 5));
    QCOMPARE(stoneBox(s.dialog)->text(), QStringLiteral("17"));
}

void TestSynthesisWindows::sheetFollowsSynthesis()
{
    MainWindowFixture f;
    Synthesis s;
    // 영린 8: 치명 136, 명중 57, maximum 107.
    RETURN_IF_FAILED(prepare(f, s, {{1, 8}}, 8, Critical));
    auto* timer = control<QTimer>(f.window, "Timer2");
    Messages answered;
    QTRY_COMPARE(labelText(f.window, "Label39"), QStringLiteral("136"));

    RETURN_IF_FAILED(typeStone(s.dialog, "59"));
    click(s.dialog, "Command1");
    waitTicks(timer, 1);
    QCOMPARE(labelText(f.window, "Label39"), QStringLiteral("195"));
    QCOMPARE(labelText(f.window, "Label14"), QStringLiteral("195"));

    click(s.chooser, "Command8"); // release
    QCOMPARE(answered.shown, QStringList{"8번 보패의 합성을 해제하였습니다."});
    waitTicks(timer, 1);
    QCOMPARE(labelText(f.window, "Label39"), QStringLiteral("136"));

    click(s.dialog, "Command1"); // again, then the piece is taken off
    waitTicks(timer, 1);
    QCOMPARE(labelText(f.window, "Label39"), QStringLiteral("195"));
    RETURN_IF_FAILED(takeOff(f, 1, 8));
    waitTicks(timer, 1);
    QCOMPARE(labelText(f.window, "Label39"), QStringLiteral("0"));

    // Equipped again: the piece starts without synthesis.
    RETURN_IF_FAILED(equip(f, 1, 8));
    click(s.dialog, "Command1");
    waitTicks(timer, 1);
    QCOMPARE(labelText(f.window, "Label39"), QStringLiteral("195"));
    RETURN_IF_FAILED(equip(f, 2, 8)); // replaces it from another row: 치명 159
    waitTicks(timer, 1);
    QCOMPARE(amounts(f.window->state(), 8), QStringLiteral("0 0 0 0 0 0"));
    QCOMPARE(labelText(f.window, "Label39"), QStringLiteral("159"));
}

void TestSynthesisWindows::closing()
{
    MainWindowFixture f;
    Synthesis s;
    RETURN_IF_FAILED(prepare(f, s, {{1, 1}}, 1, Evasion));
    RETURN_IF_FAILED(typeStone(s.dialog, "33"));
    click(s.dialog, "Command1");

    // 취소 closes the dialog only; the synthesis stays.
    click(s.dialog, "Command2");
    QTRY_VERIFY(s.dialog.isNull());
    QVERIFY(s.chooser && s.chooser->isVisible());
    QCOMPARE(f.window->state().synthesis[6][1], std::int16_t(33));

    // A new dialog starts empty; the values it shares with the chooser outlive it.
    s.dialog = openDialog(f, s.chooser, Critical);
    QVERIFY(s.dialog);
    QCOMPARE(stoneBox(s.dialog)->text(), QString());
    QCOMPARE(f.window->state().synthesisStat, QStringLiteral("치명"));

    // 닫기 closes both.
    click(s.chooser, "Command7");
    QTRY_VERIFY(s.dialog.isNull() && s.chooser.isNull());
    QCOMPARE(openCount("Form13") + openCount("Form14"), 0);
    QCOMPARE(f.window->state().synthesis[6][1], std::int16_t(33));

    // The chooser's close box closes the dialog as well; a new chooser has no piece chosen.
    s.chooser = openChooser(f);
    QVERIFY(s.chooser);
    QVERIFY(!option(s.chooser, 1)->isChecked());
    s.dialog = openDialog(f, s.chooser, Block);
    QVERIFY(s.dialog);
    s.chooser->close();
    QTRY_VERIFY(s.dialog.isNull() && s.chooser.isNull());
}

void TestSynthesisWindows::idleWindowsRepaintNothing()
{
    MainWindowFixture f;
    Synthesis s;
    RETURN_IF_FAILED(prepare(f, s, {{1, 2}, {1, 5}}, 5, Block));
    RETURN_IF_FAILED(typeStone(s.dialog, "46"));
    QTRY_COMPARE(labelText(s.dialog, "Label3"), QStringLiteral("막기 46이(가) 합성됩니다."));
    auto* timer = control<QTimer>(s.dialog, "Timer1");
    waitTicks(timer, 2);

    struct RepaintCounter : QObject {
        int updates = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            updates += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    // The stone box is left out: its cursor blinks.
    for (QWidget* window : {s.chooser.data(), s.dialog.data()})
        for (QWidget* child : window->findChildren<QWidget*>())
            if (!qobject_cast<QLineEdit*>(child))
                child->installEventFilter(&counter);
    waitTicks(timer, 15);
    waitTicks(control<QTimer>(s.chooser, "Timer1"), 2);
    QCOMPARE(counter.updates, 0);
}

QTEST_MAIN(TestSynthesisWindows)
#include "tst_synthesis_windows.moc"
