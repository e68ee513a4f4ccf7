#include "ui_helpers.h"

#include "ui/common/pictures.h"
#include "ui/common/twips.h"
#include "ui/common/wrapping_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QSignalSpy>
#include <QPushButton>
#include <QTimer>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

// The eight totals and the additional damage, then the rates column.
const QStringList kTotals = {"Label44", "Label45", "Label46", "Label14", "Label51",
                             "Label47", "Label48", "Label49", "Label35"};
const QStringList kRates = {"Label1", "Label2", "Label4", "Label5", "Label16", "Label6", "Label7", "Label8"};

QStringList texts(QWidget* window, const QStringList& names)
{
    QStringList result;
    for (const QString& name : names)
        result << labelText(window, name);
    return result;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startFigures();
    void layoutAndNames();
    void dragByTitleStrip();
    void dragWithRightButtonDoesNothing();
    void closeMarkEndsProgram();
    void classFigures_data();
    void classFigures();
    void classSetsUpStanceButtons_data();
    void classSetsUpStanceButtons();
    void baldoBlockRow();
    void classChangeSwitchesStancesOffAndRemovesWeapon();
    void typedClassTextDrivesStances();
    void setEffects_data();
    void setEffects();
    void indicatorsFollowRemoval();
    void idleTickTouchesNoLabel();
    void captionBreaks_data();
    void captionBreaks();
    void captionLines_data();
    void captionLines();
    void fiveDigitFiguresKeepClearOfBrackets_data();
    void fiveDigitFiguresKeepClearOfBrackets();
};

void TestMainWindow::startFigures()
{
    MainWindowFixture f;
    QCOMPARE(f.window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tessarin 수치 계산기"));
    QTRY_COMPARE(texts(f.window, kRates), (QStringList{"51", "0", "85", "0", "125.01", "-0.01", "0", "0"}));
    QCOMPARE(texts(f.window, kTotals), (QStringList{"60", "0", "0", "0", "0", "0", "0", "0", "0"}));
    QCOMPARE(labelText(f.window, "Label59"), QStringLiteral("Tessarin 1.0.0"));
    QCOMPARE(control<QComboBox>(f.window, "Combo1")->currentText(), QStringLiteral("직업"));
    for (int i = 33; i <= 36; ++i)
        QVERIFY(control(f.window, QStringLiteral("Command%1").arg(i))->isHidden());
    QVERIFY(control(f.window, "Label60")->isVisible());
}

void TestMainWindow::layoutAndNames()
{
    MainWindowFixture f;
    QCOMPARE(f.window->size(), QSize(945, 777));
    QVERIFY(f.window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(control(f.window, "Label52")->geometry(), twipsRect(0, 0, 13695, 495));
    QCOMPARE(control(f.window, "Combo1")->geometry(), twipsRect(5040, 1350, 1095, 315));
    QCOMPARE(control(f.window, "Image9")->geometry(), twipsRect(360, 1920, 975, 975));
    QCOMPARE(control(f.window, "Image17")->geometry(), twipsRect(5200, 5400, 735, 735));
    QCOMPARE(control(f.window, "Command9")->geometry(), twipsRect(7320, 1800, 770, 770));
    QCOMPARE(control(f.window, "Command8")->geometry(), twipsRect(13140, 2640, 770, 770));
    QCOMPARE(control(f.window, "Command17")->geometry(), twipsRect(13140, 4320, 770, 770));
    QCOMPARE(control(f.window, "Label13")->geometry(), twipsRect(3480, 10380, 735, 285));
    QCOMPARE(control(f.window, "Label53_14")->geometry(), twipsRect(3840, 10755, 135, 255));
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(control(f.window, QStringLiteral("Image%1").arg(k))->geometry(), twipsRect(3600, 1920, 3135, 3015));
    for (const char* name : {"Timer2", "Timer3", "Timer4"})
        QCOMPARE(f.window->findChild<QTimer*>(QString::fromLatin1(name))->interval(), 10);
    QCOMPARE(f.window->findChild<QTimer*>(QStringLiteral("Timer5"))->interval(), 50);
    int boardButtons = 0;
    for (int i = 1; i <= 32; ++i)
        boardButtons += f.window->findChild<QAbstractButton*>(QStringLiteral("Command%1").arg(i)) != nullptr;
    QCOMPARE(boardButtons, 32);
}

void TestMainWindow::dragByTitleStrip()
{
    MainWindowFixture f;
    QWidget* strip = control(f.window, "Label52");
    f.window->move(300, 300);
    const QPoint start = f.window->pos();
    // Grab 100 twips below the top edge, 30 px from the left, then move the mouse by one pixel.
    const QPointF grab(30, 100 / kTwipsPerPixel);
    sendMouse(strip, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    sendMouse(strip, QEvent::MouseMove, grab + QPointF(1, 0), Qt::NoButton, Qt::LeftButton);
    // The window keeps the horizontal offset and puts the pointer 200 twips below its top: it goes up.
    QCOMPARE(f.window->pos(), start + QPoint(1, qRound((100 - 200) / kTwipsPerPixel)));
    const QPoint afterFirst = f.window->pos();
    // The pointer now stands 200 twips below the top edge: a further move follows it one to one.
    sendMouse(strip, QEvent::MouseMove, QPointF(30 + 20, 200 / kTwipsPerPixel + 10), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(f.window->pos(), afterFirst + QPoint(20, 10));
    QCOMPARE(f.window->size(), QSize(945, 777));
}

void TestMainWindow::dragWithRightButtonDoesNothing()
{
    MainWindowFixture f;
    QWidget* strip = control(f.window, "Label52");
    f.window->move(200, 200);
    const QPoint start = f.window->pos();
    sendMouse(strip, QEvent::MouseButtonPress, QPointF(40, 5), Qt::RightButton, Qt::RightButton);
    sendMouse(strip, QEvent::MouseMove, QPointF(90, 25), Qt::NoButton, Qt::RightButton);
    sendMouse(strip, QEvent::MouseMove, QPointF(90, 25), Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    sendMouse(strip, QEvent::MouseMove, QPointF(90, 25), Qt::NoButton, Qt::NoButton);
    QCOMPARE(f.window->pos(), start);
}

void TestMainWindow::closeMarkEndsProgram()
{
    MainWindowFixture f;
    // An editor is open: the close mark takes it along.
    QTest::mouseClick(control(f.window, "Command1"), Qt::LeftButton);
    QPointer<QWidget> editor = f.window->windows().find(QStringLiteral("Form5"));
    QVERIFY(editor && editor->isVisible());
    QTest::mouseClick(control(f.window, "Label9"), Qt::LeftButton);
    QTRY_VERIFY(f.window.isNull());
    QTRY_VERIFY(editor.isNull());
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TestMainWindow::classFigures_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QList<int>>("stanceClicks"); // buttons 1..4 (Command33 .. Command36)
    QTest::addColumn<QStringList>("rates");
    QTest::addColumn<QStringList>("totals");

    QTest::newRow("검사") << QStringLiteral("검사") << QList<int>{}
                          << QStringList{"52.22", "0", "85.48", "6.61", "127.25", "9.18", "15.15", "0"}
                          << QStringList{"60", "0", "16", "173", "13336", "334", "289", "0", "0"};
    QTest::newRow("암살자") << QStringLiteral("암살자") << QList<int>{}
                            << QStringList{"54.11", "0", "85.48", "17.45", "131.45", "9.18", "0", "4.99"}
                            << QStringList{"60", "0", "16", "519", "10978", "334", "0", "173", "0"};
    QTest::newRow("암살자 은신") << QStringLiteral("암살자") << QList<int>{1}
                                 << QStringList{"58.58", "0", "85.48", "17.45", "181.45", "9.18", "0", "54.99"}
                                 << QStringList{"60", "0", "16", "519", "10978", "334", "0", "173", "0"};
    QTest::newRow("검사 발도") << QStringLiteral("검사") << QList<int>{1}
                               << QStringList{"52.91", "0", "85.48", "11.61", "127.25", "9.18", "0", "20"}
                               << QStringList{"60", "0", "16", "173", "13336", "334", "0", "0", "0"};
    QTest::newRow("검사 발도 번개베기") << QStringLiteral("검사") << QList<int>{1, 2}
                                        << QStringList{"54.31", "0", "85.48", "21.61", "127.25", "9.18", "0", "20"}
                                        << QStringList{"60", "0", "16", "173", "13336", "334", "0", "0", "0"};
    QTest::newRow("역사 광풍") << QStringLiteral("역사") << QList<int>{1}
                               << QStringList{"51.29", "0", "85.48", "0", "125.01", "50.18", "0", "0"}
                               << QStringList{"60", "0", "16", "0", "14153", "3495", "0", "0", "0"};
    QTest::newRow("권사 반격") << QStringLiteral("권사") << QList<int>{1}
                               << QStringList{"52.22", "0", "85.48", "6.61", "127.25", "16.75", "0", "11.58"}
                               << QStringList{"60", "0", "16", "173", "12520", "668", "0", "433", "0"};
}

void TestMainWindow::classFigures()
{
    QFETCH(QString, className);
    QFETCH(QList<int>, stanceClicks);
    QFETCH(QStringList, rates);
    QFETCH(QStringList, totals);
    MainWindowFixture f;
    pickFromList(control<QComboBox>(f.window, "Combo1"), className);
    for (int button : stanceClicks)
        QTest::mouseClick(control(f.window, QStringLiteral("Command%1").arg(32 + button)), Qt::LeftButton);
    QTRY_COMPARE(texts(f.window, kRates), rates);
    QCOMPARE(texts(f.window, kTotals), totals);
}

void TestMainWindow::classSetsUpStanceButtons_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("pictures"); // "" for a hidden button
    QTest::newRow("검사") << QStringLiteral("검사") << QStringList{"image/발도.jpg", "image/번개베기.jpg", "", ""};
    QTest::newRow("권사") << QStringLiteral("권사") << QStringList{"image/반격.jpg", "image/이문정주.jpg", "", ""};
    QTest::newRow("역사") << QStringLiteral("역사") << QStringList{"image/광풍.jpg", "", "", ""};
    QTest::newRow("암살자") << QStringLiteral("암살자")
                            << QStringList{"image/은신.jpg", "image/잠입.jpg", "image/척추찌르기.jpg",
                                           "image/나무토막.jpg"};
    QTest::newRow("기공사") << QStringLiteral("기공사") << QStringList{"", "", "", ""};
    QTest::newRow("소환사") << QStringLiteral("소환사") << QStringList{"", "", "", ""};
}

void TestMainWindow::classSetsUpStanceButtons()
{
    QFETCH(QString, className);
    QFETCH(QStringList, pictures);
    MainWindowFixture f;
    // Start from the class with every button, so hiding is seen too.
    pickFromList(control<QComboBox>(f.window, "Combo1"), QStringLiteral("암살자"));
    pickFromList(control<QComboBox>(f.window, "Combo1"), className);
    for (int i = 0; i < 4; ++i) {
        QWidget* button = control(f.window, QStringLiteral("Command%1").arg(33 + i));
        QWidget* label = control(f.window, QStringLiteral("Label%1").arg(55 + i));
        const bool visible = !pictures[i].isEmpty();
        QCOMPARE(button->isVisible(), visible);
        QCOMPARE(label->isVisible(), visible);
        if (visible) {
            QCOMPARE(pictureOf(f.window, button->objectName()), pictures[i]);
            QVERIFY(!button->toolTip().isEmpty());
            QCOMPARE(labelText(f.window, label->objectName()), QStringLiteral("off"));
        }
    }
    if (className == QStringLiteral("검사"))
        QCOMPARE(control(f.window, "Command33")->toolTip(),
                 QStringLiteral("[발도 자세] 치명률 5% 증가, 회피율 20% 증가, 막기 0 고정"));
}

void TestMainWindow::baldoBlockRow()
{
    MainWindowFixture f;
    pickFromList(control<QComboBox>(f.window, "Combo1"), QStringLiteral("검사"));
    f.window->state().pieceStats[3].block = 108;
    recordWritten(f.window);
    QTRY_COMPARE(labelText(f.window, "Label48"), QStringLiteral("397"));
    QTest::mouseClick(control(f.window, "Command33"), Qt::LeftButton);
    QCOMPARE(labelText(f.window, "Label55"), QStringLiteral("on"));
    QTRY_COMPARE(labelText(f.window, "Label13"), QStringLiteral("108 - 397)"));
    QCOMPARE(labelText(f.window, "Label48"), QStringLiteral("0"));
    QVERIFY(control(f.window, "Label60")->isHidden());
    QTest::mouseClick(control(f.window, "Command33"), Qt::LeftButton);
    QCOMPARE(labelText(f.window, "Label55"), QStringLiteral("off"));
    QTRY_COMPARE(labelText(f.window, "Label13"), QStringLiteral("108"));
    QVERIFY(control(f.window, "Label60")->isVisible());
    QCOMPARE(labelText(f.window, "Label48"), QStringLiteral("397"));
}

void TestMainWindow::classChangeSwitchesStancesOffAndRemovesWeapon()
{
    MainWindowFixture f;
    auto* box = control<QComboBox>(f.window, "Combo1");
    pickFromList(box, QStringLiteral("암살자"));
    QTest::mouseClick(control(f.window, "Command33"), Qt::LeftButton); // 은신
    QTRY_COMPARE(labelText(f.window, "Label16"), QStringLiteral("181.45"));
    // A weapon with a life option and a gem, written as an editor would.
    CharacterState& state = f.window->state();
    state.weaponAttack = 120;
    state.weapon.maxLife = 550;
    state.weaponEquipped = true;
    state.gemFlags[2] = true;
    state.gemStatKind = 1;
    state.weapon.attackBonus = 15;
    loadPicture(control(f.window, "Image9"), QStringLiteral("image/knife-41.jpg"));
    loadPicture(control(f.window, "Image18"), QStringLiteral("image/오금.gif"));
    state.pieceStats[5].accuracy = 122;
    recordWritten(f.window);
    QTRY_COMPARE(labelText(f.window, "Label51"), QStringLiteral("11528"));

    pickFromList(box, QStringLiteral("검사"));
    QCOMPARE(labelText(f.window, "Label55"), QStringLiteral("off"));
    QTRY_COMPARE(labelText(f.window, "Label16"), QStringLiteral("127.25"));
    QCOMPARE(labelText(f.window, "Label51"), QStringLiteral("13336"));
    QCOMPARE(labelText(f.window, "Label44"), QStringLiteral("60"));
    QCOMPARE(labelText(f.window, "Label46"), QStringLiteral("138")); // the piece stays
    QCOMPARE(pictureOf(f.window, "Image9"), QString());
    QCOMPARE(pictureOf(f.window, "Image18"), QString());
    QVERIFY(!state.weaponEquipped);
    QCOMPARE(state.gemStatKind, std::int16_t(0));

    // Picking the same class again repeats everything: 발도 on, then 검사 again switches it off.
    QTest::mouseClick(control(f.window, "Command33"), Qt::LeftButton);
    QTRY_COMPARE(labelText(f.window, "Label8"), QStringLiteral("20"));
    pickFromList(box, QStringLiteral("검사"));
    QCOMPARE(labelText(f.window, "Label55"), QStringLiteral("off"));
    QTRY_COMPARE(labelText(f.window, "Label8"), QStringLiteral("0"));
}

void TestMainWindow::typedClassTextDrivesStances()
{
    MainWindowFixture f;
    auto* box = control<QComboBox>(f.window, "Combo1");
    pickFromList(box, QStringLiteral("검사"));
    // Typing a text that is no class: the stance buttons read the box as it stands and do nothing.
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("Blade"));
    QCOMPARE(f.window->state().classText, QStringLiteral("Blade"));
    QTest::mouseClick(control(f.window, "Command33"), Qt::LeftButton);
    QCOMPARE(labelText(f.window, "Label55"), QStringLiteral("off"));
    QVERIFY(!f.window->state().stanceOn[Stance::Baldo]);
}

void TestMainWindow::setEffects_data()
{
    QTest::addColumn<int>("lost");
    QTest::addColumn<int>("seaSerpent");
    QTest::addColumn<int>("free");
    QTest::addColumn<QStringList>("equipment");  // 관통, 명중, 막기, 회피
    QTest::addColumn<QStringList>("indicators"); // Image10, Image11, Image12

    const QString grey; // the built-in tiles carry no file name
    QTest::newRow("three lost") << 3 << 0 << 0 << QStringList{"0", "39", "0", "0"}
                                << QStringList{"image/set30.gif", "image/set5.gif", grey};
    QTest::newRow("eight lost") << 8 << 0 << 0 << QStringList{"167", "39", "71", "119"}
                                << QStringList{"image/set30.gif", "image/set50.gif", "image/set80.gif"};
    QTest::newRow("eight sea serpent") << 0 << 8 << 0 << QStringList{"213", "50", "91", "152"}
                                       << QStringList{"image/set30.gif", "image/set50.gif", "image/set80.gif"};
    QTest::newRow("four and four") << 4 << 4 << 0 << QStringList{"0", "89", "0", "0"}
                                   << QStringList{"image/set30.gif", "image/set5.gif", grey};
    QTest::newRow("three lost, five sea serpent")
        << 3 << 5 << 0 << QStringList{"0", "89", "0", "152"}
        << QStringList{"image/set30.gif", "image/set50.gif", "image/set8.gif"};
    QTest::newRow("eight lost, three sea serpent")
        << 8 << 3 << 0 << QStringList{"167", "89", "71", "119"}
        << QStringList{"image/set30.gif", "image/set50.gif", "image/set80.gif"};
    QTest::newRow("two lost") << 2 << 0 << 0 << QStringList{"0", "0", "0", "0"}
                              << QStringList{"image/set3.gif", grey, grey};
    QTest::newRow("eight free") << 0 << 0 << 8 << QStringList{"6", "13", "-2", "65534"}
                                << QStringList{"image/set30.gif", "image/set50.gif", "image/set80.gif"};
    QTest::newRow("six free") << 0 << 0 << 6 << QStringList{"3", "7", "0", "32767"}
                              << QStringList{"image/set30.gif", "image/set50.gif", "image/set8.gif"};
}

void TestMainWindow::setEffects()
{
    QFETCH(int, lost);
    QFETCH(int, seaSerpent);
    QFETCH(int, free);
    QFETCH(QStringList, equipment);
    QFETCH(QStringList, indicators);
    MainWindowFixture f;
    CharacterState& state = f.window->state();
    state.freeSetEffect3 = {1, 3, 0, 0, 0, 0, 0};
    state.freeSetEffect5 = {2, 4, 0, 0, 0, 32767, 0};
    state.freeSetEffect8 = {3, 6, 0, 0, -2, 32767, 0}; // the 회피 sum goes beyond 16 bits without wrapping
    // Pieces arrive one at a time, as a person equips them: row 1 first, then the sea serpent, then free.
    // After each piece, the set cycles and then one indicator cycle run, however busy the machine is.
    auto runCycles = [&](std::initializer_list<const char*> timers) {
        for (const char* name : timers) {
            QSignalSpy ticks(control<QTimer>(f.window, QString::fromLatin1(name)), &QTimer::timeout);
            QTRY_VERIFY(ticks.count() >= 1);
        }
    };
    auto equipOneByOne = [&](auto& count, int target) {
        for (int i = 0; i < target; ++i) {
            ++count;
            recordWritten(f.window);
            runCycles({"Timer3", "Timer4"});
            runCycles({"Timer5"});
        }
    };
    equipOneByOne(state.lostSetCount, lost);
    equipOneByOne(state.seaSerpentSetCount, seaSerpent);
    equipOneByOne(state.freeSetCount, free);
    QTRY_COMPARE(texts(f.window, {"Label37", "Label38", "Label13", "Label43"}), equipment);
    QTRY_COMPARE(
        (QStringList{pictureOf(f.window, "Image10"), pictureOf(f.window, "Image11"), pictureOf(f.window, "Image12")}),
        indicators);
}

void TestMainWindow::indicatorsFollowRemoval()
{
    MainWindowFixture f;
    CharacterState& state = f.window->state();
    state.lostSetCount = 3;
    recordWritten(f.window);
    QTRY_COMPARE(labelText(f.window, "Label46"), QStringLiteral("39"));
    QTRY_COMPARE(pictureOf(f.window, "Image10"), QStringLiteral("image/set30.gif"));
    state.lostSetCount = 2;
    recordWritten(f.window);
    QTRY_COMPARE(labelText(f.window, "Label46"), QStringLiteral("0"));
    QTRY_COMPARE(pictureOf(f.window, "Image10"), QStringLiteral("image/set3.gif"));
    state.lostSetCount = 0;
    recordWritten(f.window);
    QTRY_VERIFY(!state.lostSetPresent);
    QCOMPARE(state.setEffect[SetGroup::Lost], StatBlock{});
    QCOMPARE(pictureOf(f.window, "Image10"), QStringLiteral("image/set3.gif"));
}

void TestMainWindow::idleTickTouchesNoLabel()
{
    MainWindowFixture f;
    QTRY_COMPARE(labelText(f.window, "Label1"), QStringLiteral("51"));
    // The first indicator cycle replaces the grey 3-tile, as nothing is worn.
    QTRY_COMPARE(pictureOf(f.window, "Image10"), QStringLiteral("image/set3.gif"));
    QTest::qWait(20);
    // Count paint requests of the sheet's labels while the timers run with nothing changing.
    struct RepaintCounter : QObject {
        int updates = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            updates += event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    for (QLabel* label : f.window->findChildren<QLabel*>())
        label->installEventFilter(&counter);
    f.window->installEventFilter(&counter);
    QTest::qWait(200);
    QCOMPARE(counter.updates, 0);
}

void TestMainWindow::captionBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("breaks");

    QTest::newRow("치명타피해량") << QStringLiteral("치명타피해량") << QList<int>{3};
    QTest::newRow("최대생명력") << QStringLiteral("최대생명력") << QList<int>{2};
    QTest::newRow("추가피해") << QStringLiteral("추가피해") << QList<int>{2};
    QTest::newRow("추가 피해: after the blank") << QStringLiteral("추가 피해") << QList<int>{3};
    QTest::newRow("피해감소율") << QStringLiteral("피해감소율") << QList<int>{2};
    QTest::newRow("one word") << QStringLiteral("치명률") << QList<int>{};
    QTest::newRow("unknown word stays whole") << QStringLiteral("잃어버린") << QList<int>{};
    QTest::newRow("blanks and words") << QStringLiteral("막기 확률 8") << QList<int>{3, 6};
}

void TestMainWindow::captionBreaks()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, breaks);
    QCOMPARE(WrappingLabel::breakOpportunities(text), breaks);
}

void TestMainWindow::captionLines_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("추가피해") << QStringLiteral("추가피해") << QStringList{"추가", "피해"};
    QTest::newRow("치명타피해량") << QStringLiteral("치명타피해량") << QStringList{"치명타", "피해량"};
    QTest::newRow("기대공격력") << QStringLiteral("기대공격력") << QStringList{"기대공격력"};
}

// The lines the main window's rate captions are drawn in, in their own font and box; the text stays whole.
void TestMainWindow::captionLines()
{
    QFETCH(QString, caption);
    QFETCH(QStringList, lines);
    MainWindowFixture f;
    WrappingLabel* label = nullptr;
    for (WrappingLabel* candidate : f.window->findChildren<WrappingLabel*>())
        if (candidate->text() == caption)
            label = candidate;
    QVERIFY(label);
    const QFontMetricsF metrics(label->font());
    const QRect box = label->contentsRect();
    QCOMPARE(WrappingLabel::wrap(caption, metrics, box.width()), lines);
    QVERIFY(metrics.height() * lines.size() <= box.height() + 1);
    // Too narrow for a compound, it breaks between the words; too narrow for a word, inside it.
    QCOMPARE(
        WrappingLabel::wrap(QStringLiteral("최대생명력"), metrics, metrics.horizontalAdvance(QStringLiteral("최대생"))),
        (QStringList{"최대", "생명력"}));
    QCOMPARE(WrappingLabel::wrap(QStringLiteral("치명타"), metrics, metrics.horizontalAdvance(QStringLiteral("치명"))),
             (QStringList{"치명", "타"}));
}

void TestMainWindow::fiveDigitFiguresKeepClearOfBrackets_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("equipment");
    QTest::addColumn<QString>("closing");

    QTest::newRow("공격력") << "Label44"
                            << "Label23"
                            << "Label25"
                            << "Label53_7";
    QTest::newRow("치명") << "Label14"
                          << "Label27"
                          << "Label39"
                          << "Label53_10";
    QTest::newRow("생명력") << "Label51"
                            << "Label36"
                            << "Label50"
                            << "Label53_11";
    QTest::newRow("회피") << "Label49"
                          << "Label42"
                          << "Label43"
                          << "Label53_14";
}

// A 검사 (생명력 13336) with an accessory of 10978 in every stat: five-digit totals, bases and equipment
// figures, whose drawn text must keep two pixels from the brackets.
void TestMainWindow::fiveDigitFiguresKeepClearOfBrackets()
{
    QFETCH(QString, total);
    QFETCH(QString, base);
    QFETCH(QString, equipment);
    QFETCH(QString, closing);
    MainWindowFixture f;
    pickFromList(control<QComboBox>(f.window, "Combo1"), QStringLiteral("검사"));
    QTest::mouseClick(control(f.window, "Image13"), Qt::LeftButton);
    QWidget* editor = f.window->windows().find(QStringLiteral("Form10"));
    QVERIFY(editor);
    for (int i = 1; i <= 10; ++i)
        QTest::keyClicks(control<QLineEdit>(editor, QStringLiteral("Text%1").arg(i)), QStringLiteral("10978"));
    QTest::mouseClick(control<QPushButton>(editor, "Command1"), Qt::LeftButton);
    QTRY_COMPARE(labelText(f.window, "Label51"), QStringLiteral("24314"));
    QCOMPARE(labelText(f.window, equipment), QStringLiteral("10978"));

    auto* totalLabel = control<QLabel>(f.window, total);
    auto* equipmentLabel = control<QLabel>(f.window, equipment);
    QLabel* opening = nullptr;
    for (QLabel* label : f.window->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("(") && label->y() == totalLabel->y())
            opening = label;
    QVERIFY(opening && (opening->alignment() & Qt::AlignLeft) && (totalLabel->alignment() & Qt::AlignLeft));
    auto advance = [](QLabel* label, const QString& text) {
        return QFontMetricsF(label->font()).horizontalAdvance(text);
    };
    // Right-aligned labels: where their drawn text starts.
    auto textLeft = [&advance](QLabel* label, const QString& text) {
        return (label->alignment() & Qt::AlignRight) ? label->geometry().right() + 1 - advance(label, text)
                                                     : qreal(label->x());
    };
    constexpr qreal gap = 2.0;
    QVERIFY(totalLabel->x() + advance(totalLabel, totalLabel->text()) + gap <= opening->x());
    QVERIFY(opening->x() + advance(opening, QStringLiteral("(")) + gap <=
            textLeft(control<QLabel>(f.window, base), QStringLiteral("13336")));
    QVERIFY(equipmentLabel->x() + advance(equipmentLabel, equipmentLabel->text()) + gap <=
            textLeft(control<QLabel>(f.window, closing), QStringLiteral(")")));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
