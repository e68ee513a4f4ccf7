#include "ui_helpers.h"

#include "file_size_limit.h"

#include "storage/set_file.h"
#include "ui/common/messages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

#include <cstdint>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

// The sheet's equipment column: 관통, 명중, 치명, 최대생명력, 방어, 막기, 회피.
const QStringList kEquipment = {"Label37", "Label38", "Label39", "Label50", "Label3", "Label13", "Label43"};
const QStringList kIndicators = {"Image10", "Image11", "Image12"};
const QString kSaved = QStringLiteral("저장되었습니다.");
const QString kLoaded = QStringLiteral("보패를 불러왔습니다.");
const QString kDeleted = QStringLiteral("삭제되었습니다.");
const QString kNothingSaved = QStringLiteral("저장된 보패가 없습니다.");

QString setFilePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath("data.dat");
}

QByteArray fileBytes()
{
    QFile file(setFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void click(QWidget* window, const QString& name)
{
    QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
}

void clickBoard(MainWindowFixture& f, int row, int piece)
{
    QTest::mouseClick(f.window->boardButton(row, piece), Qt::LeftButton);
}

QLineEdit* box(QWidget* editor, int number)
{
    return control<QLineEdit>(editor, QStringLiteral("Text%1").arg(number));
}

// Replaces the text of a box by typing, as a person does; Korean and emoji arrive through the input method.
void type(QWidget* editor, int number, const QString& text)
{
    QLineEdit* edit = box(editor, number);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        QTest::keyClicks(edit, text);
        return;
    }
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

QStringList boxTexts(QWidget* editor, int first, int last)
{
    QStringList result;
    for (int number = first; number <= last; ++number)
        result << box(editor, number)->text();
    return result;
}

QStringList read(QWidget* window, const QStringList& names, QString (*reader)(QWidget*, const QString&))
{
    QStringList result;
    for (const QString& name : names)
        result << reader(window, name);
    return result;
}

QWidget* freeEditor(MainWindowFixture& f)
{
    return f.window->windows().find(QStringLiteral("Form12"));
}

// Opens the free-entry editor through the board's row-4 button of a piece.
QWidget* openFree(MainWindowFixture& f, int piece)
{
    clickBoard(f, 4, piece);
    QWidget* editor = freeEditor(f);
    return editor && editor->isVisible() ? editor : nullptr;
}

// Equips a free piece with the boxes as they stand (plus the given piece stats).
bool equipFree(MainWindowFixture& f, int piece, const QStringList& stats = {})
{
    QWidget* editor = openFree(f, piece);
    if (!editor)
        return false;
    for (int i = 0; i < stats.size(); ++i)
        type(editor, i + 1, stats[i]);
    click(editor, "Command1");
    return !editor->isVisible() && f.window->state().pieceEquipped[4][piece];
}

// Equips a catalogue piece through Form5: the first main value and the first value of sub-option 1.
bool equipCatalogue(MainWindowFixture& f, int row, int piece)
{
    clickBoard(f, row, piece);
    QPointer<QWidget> editor = f.window->windows().find(QStringLiteral("Form5"));
    if (!editor)
        return false;
    for (const char* listName : {"List1", "List2"}) {
        auto* list = control<QListWidget>(editor, QString::fromLatin1(listName));
        if (QByteArrayView(listName) == "List2")
            QTest::mouseClick(control<QRadioButton>(editor, "Option1"), Qt::LeftButton);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    }
    auto* ok = control<QPushButton>(editor, "Command35");
    if (!QTest::qWaitFor([&] { return ok->isEnabled(); }, 1000))
        return false;
    QTest::mouseClick(ok, Qt::LeftButton);
    return QTest::qWaitFor([&] { return editor.isNull(); }, 1000) && f.window->state().pieceEquipped[row][piece];
}

QStringList zeros()
{
    return QStringList(kEquipment.size(), QStringLiteral("0"));
}

} // namespace

class TestFreePieceEditor : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void allEmptyConfirm();
    void replacesARowOnePiece();
    void wholeNumbersInSetBoxes();
    void indicatorsRightAfterConfirm_data();
    void indicatorsRightAfterConfirm();
    void laterIndicatorChangesStillShow();
    void freeSetEffectsReachTheSheet_data();
    void freeSetEffectsReachTheSheet();
    void cancelAndCloseKeepTypedText_data();
    void cancelAndCloseKeepTypedText();
    void retargets();
    void outOfRangeIsRefused_data();
    void outOfRangeIsRefused();

    void saveChangeLoad();
    void emptySetIs58Bytes();
    void handMadeFileLoads();
    void deleteThenLoadAndDelete();
    void loadReachesTheSheetOnlyOnConfirm();
    void faultsChangeNothing_data();
    void faultsChangeNothing();

private:
    QStringList messages_;
};

void TestFreePieceEditor::init()
{
    messages_.clear();
    setMessageHandler([this](const QString& text) { messages_ << text; });
    QFile::remove(setFilePath());
}

void TestFreePieceEditor::cleanup()
{
    setMessageHandler({});
    QDir(setFilePath()).removeRecursively();
    QFile::remove(setFilePath());
}

void TestFreePieceEditor::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips"); // left, top, width, height, relative to the parent
    QTest::addColumn<QString>("caption");

    QTest::newRow("Frame1") << "Frame1" << QRect(120, 120, 2295, 3375) << "3번 보패 옵션";
    QTest::newRow("Frame2") << "Frame2" << QRect(2520, 120, 7335, 3375) << "세트 효과";
    QTest::newRow("Frame3") << "Frame3" << QRect(120, 3600, 5175, 1215) << "합성 최대치";
    QTest::newRow("Frame4") << "Frame4" << QRect(120, 240, 2295, 3015) << "3세트 효과";
    QTest::newRow("Frame5") << "Frame5" << QRect(2520, 240, 2295, 3015) << "5세트 효과";
    QTest::newRow("Frame6") << "Frame6" << QRect(4920, 240, 2295, 3015) << "8세트 효과";
    QTest::newRow("Command1") << "Command1" << QRect(5520, 4200, 1455, 495) << "확인";
    QTest::newRow("Command2") << "Command2" << QRect(7200, 4200, 1455, 495) << "취소";
    QTest::newRow("Command3") << "Command3" << QRect(5520, 3600, 1455, 495) << "보패 세트 저장";
    QTest::newRow("Command4") << "Command4" << QRect(7200, 3600, 1455, 495) << "불러오기";
    QTest::newRow("Command5") << "Command5" << QRect(8880, 3600, 975, 1095) << "data 삭제";
    QTest::newRow("Text1") << "Text1" << QRect(1440, 480, 615, 285) << "";
    QTest::newRow("Text7") << "Text7" << QRect(1440, 2640, 615, 285) << "";
    QTest::newRow("Text8") << "Text8" << QRect(1440, 360, 615, 285) << "";
    QTest::newRow("Text21") << "Text21" << QRect(1440, 2520, 615, 285) << "";
    QTest::newRow("Text29") << "Text29" << QRect(840, 360, 495, 285) << "";
    QTest::newRow("Text30") << "Text30" << QRect(840, 720, 495, 285) << "";
    QTest::newRow("Text36") << "Text36" << QRect(4440, 720, 495, 285) << "";
}

void TestFreePieceEditor::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    MainWindowFixture f;
    QWidget* editor = openFree(f, 3);
    QVERIFY(editor);
    QCOMPARE(editor->size(), QSize(663, 327)); // 9945 x 4905 twips
    QCOMPARE(editor->windowTitle(), QStringLiteral("기타 보패 3번"));
    QWidget* widget = control(editor, name);
    const auto px = [](int t) { return qRound(t / 15.0); };
    QCOMPARE(widget->geometry(), QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(frame->title(), caption);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);
    QCOMPARE(editor->findChildren<QLineEdit*>().size(), 36);
}

void TestFreePieceEditor::allEmptyConfirm()
{
    MainWindowFixture f;
    CharacterState& state = f.window->state();
    QVERIFY(equipCatalogue(f, 1, 2)); // maximum 81
    QCOMPARE(state.synthesisMax[2], std::int16_t(81));
    state.synthesis[3][2] = 50; // 치명 already synthesized on piece 2 stays, above the new maximum

    QVERIFY(equipFree(f, 5));
    QCOMPARE(state.pieceStats[5], StatBlock{});
    QCOMPARE(state.freeSetCount, std::int16_t(1));
    QCOMPARE(state.freeSetEffect3, (std::array<std::int16_t, 7>{}));
    QCOMPARE(state.freeSetEffect8, (std::array<std::int16_t, 7>{}));
    QCOMPARE(state.synthesisMax, (OneBased<std::int16_t, 8>{}));
    QCOMPARE(state.synthesis[3][2], std::int16_t(50));
    QCOMPARE(pictureOf(f.window, "Image5"), QStringLiteral("image/general-5.gif"));
    QVERIFY(freeEditor(f) && freeEditor(f)->isHidden()); // hidden, not closed
}

void TestFreePieceEditor::replacesARowOnePiece()
{
    MainWindowFixture f;
    CharacterState& state = f.window->state();
    QVERIFY(equipCatalogue(f, 1, 3));
    QVERIFY(equipCatalogue(f, 1, 4));
    state.synthesis[2][3] = 40;
    QCOMPARE(state.lostSetCount, 2);

    QVERIFY(equipFree(f, 3, {"1", "2", "3", "4", "5", "6", "700"}));
    QVERIFY(!state.pieceEquipped[1][3]);
    QVERIFY(state.pieceEquipped[1][4]);
    QCOMPARE(state.lostSetCount, 1);
    QCOMPARE(state.freeSetCount, std::int16_t(1));
    QCOMPARE(state.synthesis[2][3], std::int16_t(0));
    QCOMPARE(pictureOf(f.window, "Image3"), QStringLiteral("image/general-3.gif"));
    QCOMPARE(pictureOf(f.window, "Image4"), QStringLiteral("image/lost-4.gif"));
    StatBlock typed{1, 2, 3, 4, 5, 6, 700};
    QCOMPARE(state.pieceStats[3], typed);
    QTRY_COMPARE(labelText(f.window, "Label50"), QString::number(700 + state.pieceStats[4].maxLife));
}

void TestFreePieceEditor::wholeNumbersInSetBoxes()
{
    MainWindowFixture f;
    QWidget* editor = openFree(f, 1);
    QVERIFY(editor);
    type(editor, 1, "12.5");
    type(editor, 8, "12.5");
    type(editor, 9, "13.5");
    type(editor, 29, "80.5");
    click(editor, "Command1");
    const CharacterState& state = f.window->state();
    QCOMPARE(state.pieceStats[1].penetration, 12.5);
    QCOMPARE(state.freeSetEffect3[0], std::int16_t(12));
    QCOMPARE(state.freeSetEffect3[1], std::int16_t(14));
    QCOMPARE(state.synthesisMax[1], std::int16_t(80));
    QTRY_COMPARE(labelText(f.window, "Label37"), QStringLiteral("12.5"));
    QCOMPARE(box(editor, 8)->text(), QStringLiteral("12.5")); // the box keeps what was typed
}

void TestFreePieceEditor::indicatorsRightAfterConfirm_data()
{
    QTest::addColumn<int>("lost");
    QTest::addColumn<int>("seaSerpent");
    QTest::addColumn<int>("free");
    QTest::addColumn<QStringList>("pictures");
    const QStringList three = {"image/set30.gif", "image/set5.gif", "image/set8.gif"};
    QTest::newRow("(2, 0, 3) only Image10") << 2 << 0 << 3 << three;
    QTest::newRow("(0, 0, 5) Image10 and Image11")
        << 0 << 0 << 5 << QStringList{"image/set30.gif", "image/set50.gif", "image/set8.gif"};
    QTest::newRow("(0, 0, 8) all three") << 0 << 0 << 8
                                         << QStringList{"image/set30.gif", "image/set50.gif", "image/set80.gif"};
    QTest::newRow("(2, 3, 3) only Image10") << 2 << 3 << 3 << three;
    QTest::newRow("(3, 3, 2) only Image10") << 3 << 3 << 2 << three;
    QTest::newRow("(2, 2, 2) none") << 2 << 2 << 2 << QStringList{"image/set3.gif", "image/set5.gif", "image/set8.gif"};
}

void TestFreePieceEditor::indicatorsRightAfterConfirm()
{
    QFETCH(int, lost);
    QFETCH(int, seaSerpent);
    QFETCH(int, free);
    QFETCH(QStringList, pictures);
    MainWindowFixture f;
    int piece = 1;
    for (int i = 0; i < lost; ++i, ++piece)
        QVERIFY(equipCatalogue(f, 1, piece));
    for (int i = 0; i < seaSerpent; ++i, ++piece)
        QVERIFY(equipCatalogue(f, 2 + i % 2, piece));
    for (int i = 0; i < free; ++i, ++piece)
        QVERIFY(equipFree(f, piece));
    // Read at once, before the 50 ms refresh has had a turn: these are the editor's own pictures.
    QCOMPARE(read(f.window, kIndicators, pictureOf), pictures);
}

void TestFreePieceEditor::laterIndicatorChangesStillShow()
{
    // Three 바다뱀 and five 영린: the 5-piece picture is on. A free piece takes position 5 and the editor
    // turns it off; once 영린 has five pieces again the picture must come back on.
    MainWindowFixture f;
    for (int piece = 6; piece <= 8; ++piece)
        QVERIFY(equipCatalogue(f, 2, piece));
    for (int piece = 1; piece <= 5; ++piece)
        QVERIFY(equipCatalogue(f, 1, piece));
    QTRY_COMPARE(pictureOf(f.window, "Image11"), QStringLiteral("image/set50.gif"));
    QVERIFY(equipFree(f, 5));
    QCOMPARE(pictureOf(f.window, "Image11"), QStringLiteral("image/set5.gif"));
    clickBoard(f, 4, 5); // the free piece comes off
    QVERIFY(!f.window->state().pieceEquipped[4][5]);
    QVERIFY(equipCatalogue(f, 1, 5));
    QTRY_COMPARE(pictureOf(f.window, "Image11"), QStringLiteral("image/set50.gif"));
}

void TestFreePieceEditor::freeSetEffectsReachTheSheet_data()
{
    QTest::addColumn<int>("pieces");
    QTest::addColumn<QStringList>("sheet"); // 관통, 명중, 치명, 최대생명력, 방어, 막기, 회피
    QTest::newRow("two pieces: none") << 2 << zeros();
    QTest::newRow("three pieces: 3-piece effect") << 3 << QStringList{"10", "0", "0", "100", "0", "0", "-1"};
    QTest::newRow("five pieces: 3 and 5") << 5 << QStringList{"10", "20", "0", "300", "0", "0", "-1"};
    QTest::newRow("eight pieces: all three") << 8 << QStringList{"10", "20", "30", "600", "0", "0", "-1"};
}

void TestFreePieceEditor::freeSetEffectsReachTheSheet()
{
    QFETCH(int, pieces);
    QFETCH(QStringList, sheet);
    MainWindowFixture f;
    QWidget* editor = openFree(f, 1);
    QVERIFY(editor);
    type(editor, 8, "10");   // 3세트 관통
    type(editor, 14, "100"); // 3세트 최대생명력
    type(editor, 13, "-1");  // 3세트 회피
    type(editor, 16, "20");  // 5세트 명중
    type(editor, 21, "200"); // 5세트 최대생명력
    type(editor, 24, "30");  // 8세트 치명
    type(editor, 28, "300"); // 8세트 최대생명력
    for (int piece = 1; piece <= pieces; ++piece)
        QVERIFY(equipFree(f, piece));
    QTRY_COMPARE(read(f.window, kEquipment, labelText), sheet);
}

void TestFreePieceEditor::cancelAndCloseKeepTypedText_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("취소") << false;
    QTest::newRow("close box") << true;
}

void TestFreePieceEditor::cancelAndCloseKeepTypedText()
{
    QFETCH(bool, closeBox);
    MainWindowFixture f;
    const CharacterState before = f.window->state();
    QPointer<QWidget> editor = openFree(f, 2);
    QVERIFY(editor);
    type(editor, 1, "55");
    type(editor, 8, "39");
    type(editor, 36, "120");
    if (closeBox)
        editor->close();
    else
        click(editor, "Command2");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(editor && editor->isHidden());
    QCOMPARE(f.window->state().freeSetCount, before.freeSetCount);
    QCOMPARE(f.window->state().freeSetEffect3, before.freeSetEffect3);
    QCOMPARE(f.window->state().pieceStats[2], StatBlock{});
    QCOMPARE(pictureOf(f.window, "Image2"), QString());

    QCOMPARE(openFree(f, 4), editor.data());
    QCOMPARE(box(editor, 1)->text(), QString());
    QCOMPARE(box(editor, 8)->text(), QStringLiteral("39"));
    QCOMPARE(box(editor, 36)->text(), QStringLiteral("120"));
}

void TestFreePieceEditor::retargets()
{
    MainWindowFixture f;
    QPointer<QWidget> editor = openFree(f, 2);
    QVERIFY(editor);
    type(editor, 1, "5");
    type(editor, 7, "900");
    type(editor, 15, "7");
    clickBoard(f, 4, 6);
    QCOMPARE(freeEditor(f), editor.data());
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->windowTitle(), QStringLiteral("기타 보패 6번"));
    QCOMPARE(control<QGroupBox>(editor, "Frame1")->title(), QStringLiteral("6번 보패 옵션"));
    QCOMPARE(boxTexts(editor, 1, 7), QStringList(7, QString()));
    QCOMPARE(box(editor, 15)->text(), QStringLiteral("7"));
    int editors = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        editors += widget->objectName() == QStringLiteral("Form12");
    QCOMPARE(editors, 1);

    click(editor, "Command1");
    QVERIFY(f.window->state().pieceEquipped[4][6]);
    QVERIFY(!f.window->state().pieceEquipped[4][2]);
    QCOMPARE(pictureOf(f.window, "Image6"), QStringLiteral("image/general-6.gif"));
}

void TestFreePieceEditor::outOfRangeIsRefused_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("5세트 치명") << 17 << "40000"
                                << "5세트 효과 치명 칸에는 -32768부터 32767까지의 값만 넣을 수 있습니다.";
    QTest::newRow("합성 최대치 3번 rounds up out")
        << 31 << "32767.5"
        << "합성 최대치 3번 칸에는 -32768부터 32767까지의 값만 넣을 수 있습니다.";
    QTest::newRow("3세트 관통 in hex") << 8 << "&H8000"
                                       << "3세트 효과 관통 칸에는 -32768부터 32767까지의 값만 넣을 수 있습니다.";
    QTest::newRow("8세트 최대생명력 negative")
        << 28 << "-32769"
        << "8세트 효과 최대생명력 칸에는 -32768부터 32767까지의 값만 넣을 수 있습니다.";
}

void TestFreePieceEditor::outOfRangeIsRefused()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(QString, message);
    MainWindowFixture f;
    CharacterState& state = f.window->state();
    QVERIFY(equipCatalogue(f, 1, 1));
    const int lostBefore = state.lostSetCount;
    QWidget* editor = openFree(f, 1);
    QVERIFY(editor);
    type(editor, 3, "99");
    type(editor, 30, "60");
    type(editor, number, text);
    click(editor, "Command1");
    QCOMPARE(messages_, QStringList{message});
    QVERIFY(editor->isVisible());
    QVERIFY(state.pieceEquipped[1][1] && !state.pieceEquipped[4][1]);
    QCOMPARE(state.lostSetCount, lostBefore);
    QCOMPARE(state.freeSetCount, std::int16_t(0));
    QCOMPARE(state.synthesisMax[2], std::int16_t(0));
    QCOMPARE(box(editor, number)->text(), text);
    QCOMPARE(pictureOf(f.window, "Image1"), QStringLiteral("image/lost-1.gif"));

    type(editor, number, "1"); // corrected, the same window confirms
    click(editor, "Command1");
    QVERIFY(state.pieceEquipped[4][1]);
    QCOMPARE(state.synthesisMax[2], std::int16_t(60));
}

void TestFreePieceEditor::saveChangeLoad()
{
    MainWindowFixture f;
    QWidget* editor = openFree(f, 1);
    QVERIFY(editor);
    QStringList typed;
    for (int number = 8; number <= 36; ++number)
        typed << QString::number(number * 3);
    typed[0] = "12.5";
    typed[4] = "보패 막기";
    typed[9] = "not a number";
    typed[20] = "";
    typed[28] = "  -7 ";
    for (int number = 8; number <= 36; ++number)
        type(editor, number, typed[number - 8]);
    type(editor, 1, "piece");
    click(editor, "Command3");
    QCOMPARE(messages_, QStringList{kSaved});

    for (int number = 1; number <= 36; ++number)
        type(editor, number, "x");
    click(editor, "Command4");
    QCOMPARE(messages_, (QStringList{kSaved, kLoaded}));
    QCOMPARE(boxTexts(editor, 8, 36), typed);
    QCOMPARE(boxTexts(editor, 1, 7), QStringList(7, "x")); // the piece is not part of the set

    // Saving again keeps only the second set.
    type(editor, 8, "1");
    click(editor, "Command3");
    type(editor, 8, "2");
    click(editor, "Command4");
    QCOMPARE(box(editor, 8)->text(), QStringLiteral("1"));
}

void TestFreePieceEditor::emptySetIs58Bytes()
{
    MainWindowFixture f;
    QWidget* editor = openFree(f, 1);
    QVERIFY(editor);
    click(editor, "Command3");
    QCOMPARE(messages_, QStringList{kSaved});
    QCOMPARE(fileBytes(), QByteArray("\r\n").repeated(29));
}

void TestFreePieceEditor::handMadeFileLoads()
{
    QByteArray bytes;
    for (int line = 1; line <= 29; ++line)
        bytes += (line == 2 ? QByteArray::fromHex("bab8c6d0") : QByteArray::number(line)) + "\r\n"; // 보패
    QFile file(setFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    MainWindowFixture f;
    QWidget* editor = openFree(f, 1);
    QVERIFY(editor);
    click(editor, "Command4");
    QCOMPARE(messages_, QStringList{kLoaded});
    QCOMPARE(box(editor, 8)->text(), QStringLiteral("1"));
    QCOMPARE(box(editor, 9)->text(), QStringLiteral("보패"));
    QCOMPARE(box(editor, 36)->text(), QStringLiteral("29"));
}

void TestFreePieceEditor::deleteThenLoadAndDelete()
{
    MainWindowFixture f;
    QWidget* editor = openFree(f, 1);
    QVERIFY(editor);
    type(editor, 8, "5");
    click(editor, "Command3");
    click(editor, "Command5");
    QVERIFY(!QFile::exists(setFilePath()));
    click(editor, "Command4");
    click(editor, "Command5");
    QCOMPARE(messages_, (QStringList{kSaved, kDeleted, kNothingSaved, kNothingSaved}));
    QCOMPARE(box(editor, 8)->text(), QStringLiteral("5"));
}

void TestFreePieceEditor::loadReachesTheSheetOnlyOnConfirm()
{
    MainWindowFixture f;
    QWidget* editor = openFree(f, 1);
    QVERIFY(editor);
    type(editor, 8, "50"); // 3세트 관통
    click(editor, "Command3");
    type(editor, 8, "");
    QVERIFY(equipFree(f, 1));
    QVERIFY(equipFree(f, 2));

    QVERIFY(openFree(f, 3));
    click(editor, "Command4");
    QCOMPARE(box(editor, 8)->text(), QStringLiteral("50"));
    waitForSheet(f);
    QCOMPARE(read(f.window, kEquipment, labelText), zeros());
    click(editor, "Command2");
    waitForSheet(f);
    QCOMPARE(f.window->state().freeSetEffect3[0], std::int16_t(0));
    QCOMPARE(read(f.window, kEquipment, labelText), zeros());

    QVERIFY(equipFree(f, 3));
    QTRY_COMPARE(labelText(f.window, "Label37"), QStringLiteral("50"));
}

void TestFreePieceEditor::faultsChangeNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("28 lines") << "28 lines"
                              << "저장된 보패 파일이 29줄보다 짧습니다. 보패를 불러오지 않았습니다.";
    QTest::newRow("not code page 949")
        << "bytes"
        << "저장된 보패 파일의 3번째 줄이 한국어 Windows 문자(코드 페이지 949)가 아닙니다. 보패를 불러오지 "
           "않았습니다.";
    QTest::newRow("directory named data.dat") << "directory"
                                              << "";
    QTest::newRow("emoji in a box")
        << "emoji"
        << "5세트 효과 방어 칸에 파일에 저장할 수 없는 문자가 있습니다. 보패 세트를 저장하지 않았습니다.";
    QTest::newRow("save fails midway")
        << "midway"
        << "파일을 쓸 수 없어 보패 세트를 저장하지 못했습니다. 전에 저장한 보패는 그대로 남아 있습니다.\n" +
               QDir::toNativeSeparators(setFilePath());
}

void TestFreePieceEditor::faultsChangeNothing()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    MainWindowFixture f;
    QWidget* editor = openFree(f, 1);
    QVERIFY(editor);
    for (int number = 8; number <= 36; ++number)
        type(editor, number, QString::number(number));
    click(editor, "Command3"); // the previous set
    QCOMPARE(messages_, QStringList{kSaved});
    messages_.clear();
    const QByteArray previous = fileBytes();
    const QStringList boxes = boxTexts(editor, 1, 36);

    QByteArray replaced; // what the file holds when the fault is in it
    if (fault == "28 lines" || fault == "bytes") {
        replaced = fault == "bytes" ? QByteArray("1\r\n2\r\n\xc7\x41\r\n") + QByteArray("4\r\n").repeated(26)
                                    : QByteArray("1\r\n").repeated(28);
        QFile file(setFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(replaced);
        file.close();
        click(editor, "Command4");
    } else if (fault == "directory") {
        QVERIFY(QFile::remove(setFilePath()));
        QVERIFY(QDir().mkdir(setFilePath()));
        for (const char* button : {"Command3", "Command4", "Command5"})
            click(editor, QString::fromLatin1(button));
        QCOMPARE(messages_.size(), 3);
        QVERIFY(messages_[0].startsWith("파일을 쓸 수 없어 보패 세트를 저장하지 못했습니다."));
        QCOMPARE(messages_[1], QStringLiteral("저장된 보패 파일을 읽을 수 없습니다. 보패를 불러오지 않았습니다."));
        QCOMPARE(messages_[2], QStringLiteral("저장된 보패 파일을 삭제하지 못했습니다."));
        QVERIFY(QFileInfo(setFilePath()).isDir());
    } else if (fault == "emoji") {
        type(editor, 18, "12😀");
        QCOMPARE(box(editor, 18)->text(), QStringLiteral("12😀"));
        click(editor, "Command3");
        type(editor, 18, "18"); // as it was, for the comparison below
    } else {
        // The write stops partway through the new set.
        type(editor, 8, QString(60, u'9'));
        {
            const FileSizeLimit limit(40);
            QVERIFY(limit.active());
            click(editor, "Command3");
        }
        type(editor, 8, "8");
    }
    if (fault != "directory")
        QCOMPARE(messages_, QStringList{message});
    for (const QString& text : std::as_const(messages_)) {
        QVERIFY(text != kSaved && text != kLoaded && text != kDeleted);
    }
    QCOMPARE(boxTexts(editor, 1, 36), boxes);
    if (fault == "directory")
        return;
    QCOMPARE(fileBytes(), replaced.isEmpty() ? previous : replaced);
    QCOMPARE(
        QDir(QCoreApplication::applicationDirPath()).entryList({"data.dat*", ".data.dat*"}, QDir::Files | QDir::Hidden),
        QStringList{"data.dat"}); // no temporary file left behind
}

QTEST_MAIN(TestFreePieceEditor)
#include "tst_free_piece_editor.moc"
