#include "ui_helpers.h"

#include <QApplication>
#include <QListWidget>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

#include <cstdint>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

// The sheet's equipment and total labels, both in the order 관통, 명중, 치명, 최대생명력, 방어, 막기, 회피.
const QStringList kEquipment = {"Label37", "Label38", "Label39", "Label50", "Label3", "Label13", "Label43"};
const QStringList kTotals = {"Label45", "Label46", "Label14", "Label51", "Label47", "Label48", "Label49"};
const QStringList kStatNamesInSheetOrder = {"관통", "명중", "치명", "최대생명력", "방어", "막기", "회피"};
const QStringList kIndicators = {"Image10", "Image11", "Image12"};

enum class Leave { Confirm, Cancel, CloseBox };

// What a row of controls shows: label texts, or picture names with `pictureOf`.
QStringList texts(QWidget* window, const QStringList& names, QString (*read)(QWidget*, const QString&) = labelText)
{
    QStringList result;
    for (const QString& name : names)
        result << read(window, name);
    return result;
}

// Nothing but zeros on the sheet, except the given stats.
QStringList sheetWith(std::initializer_list<std::pair<const char*, const char*>> figures)
{
    QStringList result(kStatNamesInSheetOrder.size(), QStringLiteral("0"));
    for (const auto& [stat, value] : figures)
        result[kStatNamesInSheetOrder.indexOf(QString::fromUtf8(stat))] = QString::fromUtf8(value);
    return result;
}

QString caption(int row, int piece)
{
    static const QStringList prefixes = {"잃어버린 영린족 보패", "바다뱀 보패(최상급)", "바다뱀 보패(영웅)"};
    return QStringLiteral("%1 %2번").arg(prefixes[row - 1]).arg(piece);
}

QString pieceFile(int row, int piece)
{
    return QStringLiteral("image/%1-%2.gif").arg(row == 1 ? "lost" : "pohwaran").arg(piece);
}

QPushButton* boardButton(QWidget* window, int row, int piece)
{
    return control<QPushButton>(window, QStringLiteral("Command%1").arg(kBoardNumbers[row - 1][piece - 1]));
}

QWidget* editorOf(MainWindowFixture& f)
{
    return f.window->windows().find(QStringLiteral("Form5"));
}

int form5Count()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QStringLiteral("Form5");
    return count;
}

QListWidget* list(QWidget* editor, int number)
{
    return control<QListWidget>(editor, QStringLiteral("List%1").arg(number));
}

QPushButton* confirmButton(QWidget* editor)
{
    return control<QPushButton>(editor, "Command35");
}

QStringList items(QListWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

// Clicks an item of a list as a person does, scrolling it into view first.
void clickItem(QListWidget* list, int index)
{
    QListWidgetItem* item = list->item(index);
    QVERIFY2(item, qPrintable(list->objectName()));
    list->scrollToItem(item);
    const QRect shown = list->visualItemRect(item).intersected(list->viewport()->rect());
    QVERIFY(!shown.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, shown.center());
    QVERIFY2(item->isSelected(), qPrintable(list->objectName()));
}

void chooseSubOption(QWidget* editor, int subOption)
{
    auto* option = control<QRadioButton>(editor, QStringLiteral("Option%1").arg(subOption));
    QTest::mouseClick(option, Qt::LeftButton);
    QVERIFY(option->isChecked());
}

QWidget* openEditor(MainWindowFixture& f, int row, int piece)
{
    QTest::mouseClick(boardButton(f.window, row, piece), Qt::LeftButton);
    QWidget* editor = editorOf(f);
    return editor && editor->isVisible() ? editor : nullptr;
}

// Picks a main value and a sub-option value (indexes into the lists, largest first).
void pick(QWidget* editor, int mainIndex, int subOption, int subIndex)
{
    RETURN_IF_FAILED(clickItem(list(editor, 1), mainIndex));
    RETURN_IF_FAILED(chooseSubOption(editor, subOption));
    RETURN_IF_FAILED(clickItem(list(editor, 1 + subOption), subIndex));
    QTRY_VERIFY(confirmButton(editor)->isEnabled());
}

// Equips a catalogue piece through the board and the editor, and waits until the editor is gone.
void equip(MainWindowFixture& f, int row, int piece, int mainIndex, int subOption, int subIndex)
{
    QPointer<QWidget> editor = openEditor(f, row, piece);
    QVERIFY2(editor, qPrintable(QStringLiteral("no editor for row %1 piece %2").arg(row).arg(piece)));
    RETURN_IF_FAILED(pick(editor, mainIndex, subOption, subIndex));
    QTest::mouseClick(confirmButton(editor), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
}

} // namespace

class TestSoulShieldBoard : public QObject {
    Q_OBJECT

private slots:
    void equipOnePiece_data();
    void equipOnePiece();
    void otherRowAtPosition_data();
    void otherRowAtPosition();
    void setEffectsFromBoard_data();
    void setEffectsFromBoard();
    void removePiece_data();
    void removePiece();
    void removalLeavesOpenEditor();
    void confirmFollowsSelection();
    void synthesisMaximum_data();
    void synthesisMaximum();
    void boardFillsEditor_data();
    void boardFillsEditor();
    void retargetKeepsOneEditor();
    void boardClickRightAfterConfirm();
};

void TestSoulShieldBoard::equipOnePiece_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("mainIndex");
    QTest::addColumn<int>("subOption");
    QTest::addColumn<int>("subIndex");
    QTest::addColumn<QStringList>("sheet");
    QTest::addColumn<int>("synthesisMax");

    QTest::newRow("영린 2번 870 + 방어 34")
        << 1 << 2 << 1 << 2 << 1 << sheetWith({{"최대생명력", "870"}, {"방어", "34"}}) << 81;
    QTest::newRow("최상급 7번 + 방어") << 2 << 7 << 0 << 2 << 0 << sheetWith({{"막기", "154"}, {"방어", "65"}}) << 110;
    QTest::newRow("영린 8번 + 최대생명력 570")
        << 1 << 8 << 2 << 3 << 0 << sheetWith({{"치명", "95"}, {"최대생명력", "570"}}) << 107;
}

void TestSoulShieldBoard::equipOnePiece()
{
    QFETCH(int, row);
    QFETCH(int, piece);
    QFETCH(int, mainIndex);
    QFETCH(int, subOption);
    QFETCH(int, subIndex);
    QFETCH(QStringList, sheet);
    QFETCH(int, synthesisMax);
    MainWindowFixture f;
    RETURN_IF_FAILED(equip(f, row, piece, mainIndex, subOption, subIndex));

    QTRY_COMPARE(texts(f.window, kEquipment), sheet);
    QCOMPARE(texts(f.window, kTotals), sheet); // no class: every base is 0
    QCOMPARE(labelText(f.window, "Label44"), QStringLiteral("60"));
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(pictureOf(f.window, QStringLiteral("Image%1").arg(k)), k == piece ? pieceFile(row, piece) : QString());
    const CharacterState& state = f.window->state();
    QCOMPARE(state.synthesisMax[piece], std::int16_t(synthesisMax));
    QCOMPARE(row == 1 ? state.lostSetCount : state.seaSerpentSetCount, 1);
    QVERIFY(state.pieceEquipped[row][piece]);
    QCOMPARE(form5Count(), 0);
}

void TestSoulShieldBoard::otherRowAtPosition_data()
{
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("secondRow");
    QTest::addColumn<int>("piece");
    QTest::addColumn<Leave>("leave");
    // First piece: largest main value, sub-option 1, and 관통 7 synthesized on it.
    // Second piece: the middle main value and the smaller value of sub-option 2.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("lostCount");
    QTest::addColumn<int>("seaSerpentCount");

    const QStringList top7 = sheetWith({{"관통", "7"}, {"명중", "65"}, {"막기", "154"}});
    const QStringList hero4 = sheetWith({{"관통", "7"}, {"방어", "156"}, {"막기", "67"}});
    QTest::newRow("최상급 → 영웅 확인") << 2 << 3 << 7 << Leave::Confirm << top7
                                        << sheetWith({{"방어", "62"}, {"막기", "154"}}) << 0 << 1;
    QTest::newRow("영웅 → 최상급 확인") << 3 << 2 << 4 << Leave::Confirm << hero4
                                        << sheetWith({{"최대생명력", "440"}, {"방어", "111"}}) << 0 << 1;
    QTest::newRow("영린 → 최상급 확인") << 1 << 2 << 5 << Leave::Confirm
                                        << sheetWith({{"관통", "7"}, {"명중", "51"}, {"치명", "122"}})
                                        << sheetWith({{"방어", "48"}, {"회피", "120"}}) << 0 << 1;
    QTest::newRow("최상급 → 영웅 취소") << 2 << 3 << 7 << Leave::Cancel << top7 << top7 << 0 << 1;
    QTest::newRow("최상급 → 영웅 닫기") << 2 << 3 << 7 << Leave::CloseBox << top7 << top7 << 0 << 1;
    QTest::newRow("영웅 → 영린 닫기") << 3 << 1 << 4 << Leave::CloseBox << hero4 << hero4 << 0 << 1;
}

void TestSoulShieldBoard::otherRowAtPosition()
{
    QFETCH(int, firstRow);
    QFETCH(int, secondRow);
    QFETCH(int, piece);
    QFETCH(Leave, leave);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(int, lostCount);
    QFETCH(int, seaSerpentCount);
    MainWindowFixture f;
    CharacterState& state = f.window->state();
    RETURN_IF_FAILED(equip(f, firstRow, piece, 0, 1, 0));
    state.synthesis[1][piece] = 7; // as the synthesis dialog writes it
    recordWritten(f.window);
    QTRY_COMPARE(texts(f.window, kEquipment), before);
    const CharacterState kept = state;

    // The other row's button of an occupied position opens the editor; nothing is taken off yet.
    QPointer<QWidget> editor = openEditor(f, secondRow, piece);
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), caption(secondRow, piece));
    QVERIFY(state.pieceEquipped[firstRow][piece]);
    QCOMPARE(pictureOf(f.window, QStringLiteral("Image%1").arg(piece)), pieceFile(firstRow, piece));
    RETURN_IF_FAILED(pick(editor, 1, 2, 1));

    switch (leave) {
    case Leave::Confirm: QTest::mouseClick(confirmButton(editor), Qt::LeftButton); break;
    case Leave::Cancel: QTest::mouseClick(control(editor, "Command36"), Qt::LeftButton); break;
    case Leave::CloseBox: editor->windowHandle()->close(); break;
    }
    QTRY_VERIFY(editor.isNull());
    waitForSheet(f);
    QCOMPARE(texts(f.window, kEquipment), after);
    QCOMPARE(state.lostSetCount, lostCount);
    QCOMPARE(state.seaSerpentSetCount, seaSerpentCount);
    const int equippedRow = leave == Leave::Confirm ? secondRow : firstRow;
    for (int row = 1; row <= 4; ++row)
        QCOMPARE(state.pieceEquipped[row][piece], row == equippedRow);
    QCOMPARE(pictureOf(f.window, QStringLiteral("Image%1").arg(piece)), pieceFile(equippedRow, piece));
    if (leave == Leave::Confirm) {
        QCOMPARE(state.synthesis[1][piece], std::int16_t(0));
    } else {
        QCOMPARE(state.pieceStats, kept.pieceStats);
        QCOMPARE(state.synthesis, kept.synthesis);
        QCOMPARE(state.synthesisMax, kept.synthesisMax);
    }
}

void TestSoulShieldBoard::setEffectsFromBoard_data()
{
    QTest::addColumn<QList<QPoint>>("pieces"); // (row, piece), equipped one after another
    QTest::addColumn<QStringList>("sheet");
    QTest::addColumn<QStringList>("indicators");

    // Every piece with its smallest main value and the smaller value of sub-option 1.
    QTest::newRow("eight 영린") << QList<QPoint>{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}}
                                << sheetWith({{"관통", "167"},
                                              {"명중", "350"},
                                              {"치명", "271"},
                                              {"최대생명력", "720"},
                                              {"방어", "42"},
                                              {"막기", "259"},
                                              {"회피", "197"}})
                                << QStringList{"image/set30.gif", "image/set50.gif", "image/set80.gif"};
    QTest::newRow("four 영린, four 바다뱀 of both grades")
        << QList<QPoint>{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 5}, {2, 6}, {3, 7}, {3, 8}}
        << sheetWith({{"명중", "353"}, {"치명", "132"}, {"최대생명력", "1750"}, {"막기", "369"}, {"회피", "177"}})
        << QStringList{"image/set30.gif", "image/set5.gif", QString()};
    QTest::newRow("four 최상급, four 영웅")
        << QList<QPoint>{{2, 1}, {2, 2}, {2, 3}, {2, 4}, {3, 5}, {3, 6}, {3, 7}, {3, 8}}
        << sheetWith({{"관통", "213"},
                      {"명중", "340"},
                      {"치명", "132"},
                      {"최대생명력", "1230"},
                      {"방어", "91"},
                      {"막기", "496"},
                      {"회피", "359"}})
        << QStringList{"image/set30.gif", "image/set50.gif", "image/set80.gif"};
}

void TestSoulShieldBoard::setEffectsFromBoard()
{
    QFETCH(QList<QPoint>, pieces);
    QFETCH(QStringList, sheet);
    QFETCH(QStringList, indicators);
    MainWindowFixture f;
    for (const QPoint& at : pieces)
        RETURN_IF_FAILED(equip(f, at.x(), at.y(), 2, 1, 1));
    QTRY_COMPARE(texts(f.window, kEquipment), sheet);
    QCOMPARE(texts(f.window, kTotals), sheet);
    QTRY_COMPARE(texts(f.window, kIndicators, pictureOf), indicators);
}

void TestSoulShieldBoard::removePiece_data()
{
    QTest::addColumn<QList<QPoint>>("pieces"); // (row, piece): largest main value, larger value of sub-option 3
    QTest::addColumn<QPoint>("removed");
    QTest::addColumn<QStringList>("sheet");
    QTest::addColumn<QStringList>("indicators");
    QTest::addColumn<int>("lostCount");
    QTest::addColumn<int>("seaSerpentCount");

    QTest::newRow("영린 8번 with 최대생명력") << QList<QPoint>{{1, 8}} << QPoint(1, 8) << sheetWith({})
                                              << QStringList{"image/set3.gif", QString(), QString()} << 0 << 0;
    QTest::newRow("second of three 영린") << QList<QPoint>{{1, 1}, {1, 2}, {1, 3}} << QPoint(1, 2)
                                          << sheetWith({{"명중", "98"}, {"막기", "108"}, {"회피", "86"}})
                                          << QStringList{"image/set3.gif", "image/set5.gif", QString()} << 2 << 0;
    QTest::newRow("영웅 of three 바다뱀")
        << QList<QPoint>{{2, 1}, {3, 2}, {2, 3}} << QPoint(3, 2)
        << sheetWith({{"명중", "115"}, {"치명", "49"}, {"최대생명력", "540"}, {"회피", "126"}})
        << QStringList{"image/set3.gif", "image/set5.gif", QString()} << 0 << 2;
    QTest::newRow("eight 영린 to seven") << QList<QPoint>{{1, 1}, {1, 2}, {1, 3}, {1, 4},
                                                          {1, 5}, {1, 6}, {1, 7}, {1, 8}}
                                         << QPoint(1, 4)
                                         << sheetWith({{"명중", "263"},
                                                       {"치명", "432"},
                                                       {"최대생명력", "1600"},
                                                       {"방어", "55"},
                                                       {"막기", "108"},
                                                       {"회피", "309"}})
                                         << QStringList{"image/set30.gif", "image/set50.gif", "image/set8.gif"} << 7
                                         << 0;
}

void TestSoulShieldBoard::removePiece()
{
    QFETCH(QList<QPoint>, pieces);
    QFETCH(QPoint, removed);
    QFETCH(QStringList, sheet);
    QFETCH(QStringList, indicators);
    QFETCH(int, lostCount);
    QFETCH(int, seaSerpentCount);
    MainWindowFixture f;
    const CharacterState& state = f.window->state();
    for (const QPoint& at : pieces)
        RETURN_IF_FAILED(equip(f, at.x(), at.y(), 0, 3, 0));
    const int piece = removed.y();
    QTRY_VERIFY(texts(f.window, kEquipment) != sheet); // the pieces show first

    QTest::mouseClick(boardButton(f.window, removed.x(), piece), Qt::LeftButton);
    QCOMPARE(pictureOf(f.window, QStringLiteral("Image%1").arg(piece)), QString());
    QVERIFY(!editorOf(f));
    QCOMPARE(form5Count(), 0);
    QVERIFY(!state.pieceEquipped[removed.x()][piece]);
    QCOMPARE(state.pieceStats[piece], StatBlock{});
    QCOMPARE(state.synthesisMax[piece], std::int16_t(0));
    QCOMPARE(state.lostSetCount, lostCount);
    QCOMPARE(state.seaSerpentSetCount, seaSerpentCount);
    // The engine follows within a tick or two (the stat cycle may still show one tick of the old set effect).
    waitForSheet(f);
    QCOMPARE(texts(f.window, kEquipment), sheet);
    QCOMPARE(texts(f.window, kTotals), sheet);
    QTRY_COMPARE(texts(f.window, kIndicators, pictureOf), indicators);
    QVERIFY(!editorOf(f));
}

void TestSoulShieldBoard::removalLeavesOpenEditor()
{
    MainWindowFixture f;
    const CharacterState& state = f.window->state();
    RETURN_IF_FAILED(equip(f, 2, 4, 0, 1, 0));
    QPointer<QWidget> editor = openEditor(f, 3, 4);
    QVERIFY(editor);
    RETURN_IF_FAILED(pick(editor, 0, 1, 0));

    QTest::mouseClick(boardButton(f.window, 2, 4), Qt::LeftButton); // the 최상급 piece comes off
    QCOMPARE(state.seaSerpentSetCount, 0);
    QCOMPARE(pictureOf(f.window, "Image4"), QString());
    QCOMPARE(editorOf(f), editor.data());
    QCOMPARE(editor->windowTitle(), QStringLiteral("바다뱀 보패(영웅) 4번"));
    QVERIFY(list(editor, 1)->item(0)->isSelected());
    QVERIFY(confirmButton(editor)->isEnabled());

    QTest::mouseClick(confirmButton(editor), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(state.seaSerpentSetCount, 1);
    QVERIFY(state.pieceEquipped[3][4] && !state.pieceEquipped[2][4]);
    QCOMPARE(pictureOf(f.window, "Image4"), QStringLiteral("image/pohwaran-4.gif"));
    QTRY_COMPARE(texts(f.window, kEquipment), sheetWith({{"방어", "156"}, {"막기", "67"}}));
}

void TestSoulShieldBoard::confirmFollowsSelection()
{
    MainWindowFixture f;
    QPointer<QWidget> editor = openEditor(f, 1, 2);
    QVERIFY(editor);
    auto* timer = control<QTimer>(editor, "Timer1");
    QPushButton* ok = confirmButton(editor);
    QVERIFY(!ok->isEnabled());

    RETURN_IF_FAILED(clickItem(list(editor, 1), 1)); // 870
    waitTicks(timer, 3);
    QVERIFY2(!ok->isEnabled(), "a main value alone");

    RETURN_IF_FAILED(chooseSubOption(editor, 1));
    QVERIFY(list(editor, 2)->isEnabled());
    QVERIFY(!list(editor, 3)->isEnabled() && !list(editor, 4)->isEnabled());
    waitTicks(timer, 3);
    QVERIFY2(!ok->isEnabled(), "sub-option 1 without a value");
    RETURN_IF_FAILED(clickItem(list(editor, 2), 0)); // 명중 43
    QTRY_VERIFY(ok->isEnabled());

    RETURN_IF_FAILED(chooseSubOption(editor, 2));
    QVERIFY(!list(editor, 2)->isEnabled() && list(editor, 3)->isEnabled());
    QTRY_VERIFY2(!ok->isEnabled(), "sub-option 2 has no selection yet");
    QVERIFY(list(editor, 2)->item(0)->isSelected()); // kept, but no longer counts
    RETURN_IF_FAILED(clickItem(list(editor, 3), 1)); // 방어 34
    QTRY_VERIFY(ok->isEnabled());

    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
    QTRY_COMPARE(texts(f.window, kEquipment), sheetWith({{"최대생명력", "870"}, {"방어", "34"}}));
}

void TestSoulShieldBoard::synthesisMaximum_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");
    QTest::addColumn<QString>("mainStat");
    QTest::addColumn<QString>("mainValue"); // the largest one
    QTest::addColumn<int>("synthesisMax");

    struct Piece {
        const char* stat;
        const char* value;
        int synthesisMax;
    };
    const Piece table[3][8] = {
        {{"명중", "98", 77},
         {"최대생명력", "1030", 81},
         {"막기", "108", 85},
         {"회피", "122", 88},
         {"치명", "122", 96},
         {"명중", "126", 99},
         {"치명", "131", 103},
         {"치명", "136", 107}},
        {{"명중", "115", 82},
         {"명중", "121", 86},
         {"회피", "126", 90},
         {"방어", "131", 94},
         {"회피", "142", 102},
         {"최대생명력", "1480", 106},
         {"막기", "154", 110},
         {"치명", "159", 114}},
        {{"명중", "137", 98},
         {"명중", "143", 102},
         {"회피", "150", 107},
         {"방어", "156", 112},
         {"회피", "170", 121},
         {"최대생명력", "1760", 126},
         {"막기", "182", 130},
         {"치명", "189", 135}},
    };
    for (int row = 1; row <= 3; ++row) {
        for (int piece = 1; piece <= 8; ++piece) {
            const Piece& p = table[row - 1][piece - 1];
            QTest::addRow("row %d piece %d", row, piece)
                << row << piece << QString::fromUtf8(p.stat) << QString::fromLatin1(p.value) << p.synthesisMax;
        }
    }
}

void TestSoulShieldBoard::synthesisMaximum()
{
    QFETCH(int, row);
    QFETCH(int, piece);
    QFETCH(QString, mainStat);
    QFETCH(QString, mainValue);
    QFETCH(int, synthesisMax);
    MainWindowFixture f;
    RETURN_IF_FAILED(equip(f, row, piece, 0, 1, 0));
    QCOMPARE(f.window->state().synthesisMax[piece], std::int16_t(synthesisMax));
    QCOMPARE(pictureOf(f.window, QStringLiteral("Image%1").arg(piece)), pieceFile(row, piece));
    QTRY_COMPARE(labelText(f.window, kEquipment[kStatNamesInSheetOrder.indexOf(mainStat)]), mainValue);
}

void TestSoulShieldBoard::boardFillsEditor_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<QStringList>>("values"); // List1 .. List4
    QTest::addColumn<QStringList>("names");         // Label33 .. Label36

    QTest::newRow("영린 6번 reads 명증") << 1 << 6 << QStringLiteral("잃어버린 영린족 보패 6번")
                                         << QList<QStringList>{{"126", "107", "88"},
                                                               {"53", "42"},
                                                               {"53", "42"},
                                                               {"53", "42"}}
                                         << QStringList{"명증", "방어", "치명", "회피"};
    QTest::newRow("최상급 3번") << 2 << 3 << QStringLiteral("바다뱀 보패(최상급) 3번")
                                << QList<QStringList>{{"126", "107", "88"}, {"54", "43"}, {"54", "43"}, {"540", "430"}}
                                << QStringList{"회피", "막기", "명중", "최대생명력"};
    QTest::newRow("영웅 7번") << 3 << 7 << QStringLiteral("바다뱀 보패(영웅) 7번")
                              << QList<QStringList>{{"182", "154", "127"}, {"78", "62"}, {"78", "62"}, {"78", "62"}}
                              << QStringList{"막기", "명중", "방어", "치명"};
}

void TestSoulShieldBoard::boardFillsEditor()
{
    QFETCH(int, row);
    QFETCH(int, piece);
    QFETCH(QString, caption);
    QFETCH(QList<QStringList>, values);
    QFETCH(QStringList, names);
    MainWindowFixture f;
    QWidget* editor = openEditor(f, row, piece);
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), caption);
    QCOMPARE(form5Count(), 1);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(items(list(editor, i + 1)), values[i]);
        QCOMPARE(list(editor, i + 1)->isEnabled(), i == 0);
        QCOMPARE(labelText(editor, QStringLiteral("Label%1").arg(33 + i)), names[i]);
    }
    QVERIFY(list(editor, 1)->selectedItems().isEmpty());
    QVERIFY(!confirmButton(editor)->isEnabled());
    QCOMPARE(f.window->state().pieceEquipped[row][piece], false);
}

void TestSoulShieldBoard::retargetKeepsOneEditor()
{
    MainWindowFixture f;
    QTest::mouseClick(boardButton(f.window, 4, 8), Qt::LeftButton); // row 4 belongs to the free-entry editor
    QVERIFY(!editorOf(f));
    QPointer<QWidget> editor = openEditor(f, 1, 1);
    QVERIFY(editor);
    RETURN_IF_FAILED(pick(editor, 0, 2, 0));
    QTest::mouseClick(boardButton(f.window, 4, 1), Qt::LeftButton); // nor does it re-target this one
    QCOMPARE(editor->windowTitle(), QStringLiteral("잃어버린 영린족 보패 1번"));
    QVERIFY(list(editor, 1)->item(0)->isSelected());

    QTest::mouseClick(boardButton(f.window, 3, 7), Qt::LeftButton);
    QCOMPARE(editorOf(f), editor.data());
    QVERIFY(editor->isVisible());
    QCOMPARE(form5Count(), 1);
    QCOMPARE(editor->windowTitle(), QStringLiteral("바다뱀 보패(영웅) 7번"));
    QCOMPARE(items(list(editor, 1)), (QStringList{"182", "154", "127"}));
    QCOMPARE(items(list(editor, 3)), (QStringList{"78", "62"}));
    QVERIFY(list(editor, 1)->selectedItems().isEmpty());
    QVERIFY(!confirmButton(editor)->isEnabled());
    for (int i = 2; i <= 4; ++i)
        QVERIFY(!list(editor, i)->isEnabled());
    QVERIFY(control<QRadioButton>(editor, "Option2")->isChecked());

    // The option stays on, but its list is disabled until it is chosen again: a main value alone is not enough.
    RETURN_IF_FAILED(clickItem(list(editor, 1), 0));
    waitTicks(control<QTimer>(editor, "Timer1"), 3);
    QVERIFY(!confirmButton(editor)->isEnabled());
    RETURN_IF_FAILED(chooseSubOption(editor, 2));
    RETURN_IF_FAILED(clickItem(list(editor, 3), 1));
    QTRY_VERIFY(confirmButton(editor)->isEnabled());
    QTest::mouseClick(confirmButton(editor), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());

    const CharacterState& state = f.window->state();
    QVERIFY(state.pieceEquipped[3][7]);
    QVERIFY(!state.pieceEquipped[1][1]);
    QCOMPARE(state.lostSetCount, 0);
    QCOMPARE(state.seaSerpentSetCount, 1);
    QCOMPARE(state.freeSetCount, std::int16_t(0));
    QCOMPARE(pictureOf(f.window, "Image7"), QStringLiteral("image/pohwaran-7.gif"));
    QCOMPARE(pictureOf(f.window, "Image1"), QString());
    QTRY_COMPARE(texts(f.window, kEquipment), sheetWith({{"방어", "62"}, {"막기", "182"}}));
}

void TestSoulShieldBoard::boardClickRightAfterConfirm()
{
    MainWindowFixture f;
    QPointer<QWidget> editor = openEditor(f, 1, 1);
    QVERIFY(editor);
    RETURN_IF_FAILED(pick(editor, 0, 1, 0));
    // Both clicks are handled before the event loop turns, as when they queue up behind a busy moment.
    QTest::mouseClick(confirmButton(editor), Qt::LeftButton);
    QTest::mouseClick(boardButton(f.window, 1, 2), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.window->state().pieceEquipped[1][1]);
    QVERIFY(editorOf(f) && editorOf(f)->isVisible());
    QCOMPARE(editorOf(f)->windowTitle(), QStringLiteral("잃어버린 영린족 보패 2번"));
}

QTEST_MAIN(TestSoulShieldBoard)
#include "tst_soulshield_board.moc"
