#include "ui_helpers.h"

#include "ui/common/twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

const QStringList kSlotNames = {"귀걸이1", "귀걸이2", "반지1", "반지2", "목걸이"};
const QStringList kSlotPictures = {"image/earing.jpg", "image/earing.jpg", "image/ring.jpg", "image/ring.jpg",
                                   "image/necklace.jpg"};
// What each box feeds on the sheet, Text1 .. Text10: 공격력, 치명타피해량, 관통, 명중, 치명, 방어, 막기, 회피,
// 추가 피해, 최대생명력 (equipment labels, the rate label for 치명타피해량, Label35 for 추가 피해).
const QStringList kSheetLabels = {"Label25", "Label16", "Label37", "Label38", "Label39",
                                  "Label3",  "Label13", "Label43", "Label35", "Label50"};
const QStringList kTotals = {"Label44", "Label45", "Label46", "Label14", "Label51", "Label47", "Label48", "Label49"};

enum class Leave { Cancel, CloseBox };

QWidget* slotPicture(MainWindowFixture& f, int slot)
{
    return control(f.window, QStringLiteral("Image%1").arg(12 + slot));
}

QWidget* editorOf(MainWindowFixture& f)
{
    return f.window->windows().find(QStringLiteral("Form10"));
}

QLineEdit* box(QWidget* editor, int number)
{
    return control<QLineEdit>(editor, QStringLiteral("Text%1").arg(number));
}

int form10Count()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QStringLiteral("Form10") && widget->isVisible();
    return count;
}

QStringList texts(QWidget* window, const QStringList& names)
{
    QStringList result;
    for (const QString& name : names)
        result << labelText(window, name);
    return result;
}

// Clicks an empty slot and returns the editor it opened.
QWidget* openFrom(MainWindowFixture& f, int slot)
{
    QTest::mouseClick(slotPicture(f, slot), Qt::LeftButton);
    QWidget* editor = editorOf(f);
    if (editor && !QTest::qWaitForWindowExposed(editor))
        return nullptr;
    return editor;
}

void type(QWidget* editor, const QStringList& values)
{
    for (int i = 0; i < values.size(); ++i) {
        QLineEdit* text = box(editor, i + 1);
        text->clear();
        QTest::keyClicks(text, values[i]);
    }
}

void confirm(QWidget* editor)
{
    QTest::mouseClick(control<QPushButton>(editor, "Command1"), Qt::LeftButton);
}

} // namespace

Q_DECLARE_METATYPE(Leave)
Q_DECLARE_METATYPE(tessarin::AccessorySlot)

class TestAccessoryEditor : public QObject {
    Q_OBJECT

private slots:
    void opensCaptionedWithTheSlot_data();
    void opensCaptionedWithTheSlot();
    void layout();
    void emptyBoxesEquipTenZeros_data();
    void emptyBoxesEquipTenZeros();
    void typedValuesReadByTheNumberRule_data();
    void typedValuesReadByTheNumberRule();
    void removalTakesEveryStatOff();
    void secondSlotRecaptionsTheOpenEditor();
    void leavingWritesNothing_data();
    void leavingWritesNothing();
};

void TestAccessoryEditor::opensCaptionedWithTheSlot_data()
{
    QTest::addColumn<int>("slot");
    for (int slot = 1; slot <= kAccessoryCount; ++slot)
        QTest::newRow(qPrintable(kSlotNames[slot - 1])) << slot;
}

void TestAccessoryEditor::opensCaptionedWithTheSlot()
{
    QFETCH(int, slot);
    MainWindowFixture f;
    QWidget* editor = openFrom(f, slot);
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->windowTitle(), kSlotNames[slot - 1]);
    QCOMPARE(form10Count(), 1);
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(box(editor, i)->text(), QString());
    // No check guards "확인": it is enabled from the start and stays so.
    QVERIFY(control<QPushButton>(editor, "Command1")->isEnabled());
    QTest::qWait(30);
    QVERIFY(control<QPushButton>(editor, "Command1")->isEnabled());
}

void TestAccessoryEditor::layout()
{
    MainWindowFixture f;
    for (int slot = 1; slot <= kAccessoryCount; ++slot) {
        auto* picture = qobject_cast<QLabel*>(slotPicture(f, slot));
        QVERIFY(!picture->hasScaledContents());
    }
    QCOMPARE(slotPicture(f, 1)->geometry(), twipsRect(3600, 6240, 735, 735));
    QCOMPARE(slotPicture(f, 2)->geometry(), twipsRect(4400, 6240, 735, 735));
    QCOMPARE(slotPicture(f, 3)->geometry(), twipsRect(5200, 6240, 735, 735));
    QCOMPARE(slotPicture(f, 4)->geometry(), twipsRect(6060, 6240, 735, 735));
    QCOMPARE(slotPicture(f, 5)->geometry(), twipsRect(5200, 5400, 735, 735));

    QWidget* editor = openFrom(f, 1);
    QCOMPARE(editor->size(), QSize(twipsToPixels(2595), twipsToPixels(4560)));
    QCOMPARE(editor->pos(), twipsPoint(7410, 5820));
    auto* frame = control<QGroupBox>(editor, "Frame1");
    QCOMPARE(frame->geometry(), twipsRect(0, 120, 2535, 4455));
    QCOMPARE(frame->title(), QString());

    const QStringList captions = {"공격력", "치명타피해량", "관통", "명중",      "치명",
                                  "방어",   "막기",         "회피", "추가 피해", "최대생명력"};
    for (int i = 1; i <= 10; ++i) {
        QLineEdit* text = box(editor, i);
        const int top = 120 + 360 * (i - 1);
        QCOMPARE(text->parentWidget(), frame);
        QCOMPARE(text->geometry(), twipsRect(1440, top, 615, 285));
        // The label beside the box: its text whole, at the designed left edge.
        QLabel* caption = nullptr;
        for (QLabel* label : frame->findChildren<QLabel*>())
            if (label->buddy() == text)
                caption = label;
        QVERIFY2(caption, qPrintable(text->objectName()));
        QCOMPARE(caption->text(), captions[i - 1]);
        QCOMPARE(caption->x(), twipsToPixels(i >= 9 ? 240 : 120));
        QCOMPARE(caption->y(), twipsToPixels(top));
        QVERIFY(caption->geometry().right() < text->x());
    }
    QLabel* percent = nullptr;
    for (QLabel* label : frame->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("%"))
            percent = label;
    QVERIFY(percent);
    QCOMPARE(percent->pos(), twipsPoint(2160, 510));

    auto* ok = control<QPushButton>(editor, "Command1");
    auto* cancel = control<QPushButton>(editor, "Command2");
    QCOMPARE(ok->text(), QStringLiteral("확인"));
    QCOMPARE(cancel->text(), QStringLiteral("취소"));
    QCOMPARE(ok->geometry(), twipsRect(240, 3720, 855, 495));
    QCOMPARE(cancel->geometry(), twipsRect(1440, 3720, 855, 495));
}

void TestAccessoryEditor::emptyBoxesEquipTenZeros_data()
{
    opensCaptionedWithTheSlot_data();
}

void TestAccessoryEditor::emptyBoxesEquipTenZeros()
{
    QFETCH(int, slot);
    MainWindowFixture f;
    QTRY_COMPARE(labelText(f.window, "Label16"), QStringLiteral("125.01"));
    const QStringList sheetBefore = texts(f.window, kSheetLabels + kTotals);
    QPointer<QWidget> editor = openFrom(f, slot);
    confirm(editor);
    QTRY_VERIFY(editor.isNull());

    const CharacterState& state = f.window->state();
    QVERIFY(state.accessoryEquipped[slot]);
    QCOMPARE(state.accessories[slot], AccessorySlot{});
    QCOMPARE(pictureOf(f.window, QStringLiteral("Image%1").arg(12 + slot)), kSlotPictures[slot - 1]);
    // The picture is shown at its own size: the whole accessory fits its slot.
    const QPixmap shown = qobject_cast<QLabel*>(slotPicture(f, slot))->pixmap();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.deviceIndependentSize().toSize(), QSize(49, 49));
    QTest::qWait(30);
    QCOMPARE(texts(f.window, kSheetLabels + kTotals), sheetBefore);
}

void TestAccessoryEditor::typedValuesReadByTheNumberRule_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("sheet"); // kSheetLabels
    QTest::addColumn<AccessorySlot>("stored");

    // 치명타피해량 shows the rate from 치명 plus the accessory's points (125.01 with no 치명).

    QTest::newRow("whole numbers") << QStringList{"10", "4", "30", "40", "50", "60", "70", "80", "9", "10978"}
                                   << QStringList{"10", "129.67", "30", "40", "50", "60", "70", "80", "9", "10978"}
                                   << AccessorySlot{10, 4, 30, 40, 50, 60, 70, 80, 9, 10978};
    QTest::newRow("fractions stay as typed")
        << QStringList{"0.5", "12.5", "1.25", "", "", "", "", "", "2.75", "100.5"}
        << QStringList{"0.5", "137.51", "1.25", "0", "0", "0", "0", "0", "2.75", "100.5"}
        << AccessorySlot{0.5, 12.5, 1.25, 0, 0, 0, 0, 0, 2.75, 100.5};
    QTest::newRow("negatives") << QStringList{"-5", "-1.5", "", "-20", "", "-3", "", "-7", "-1", "-250"}
                               << QStringList{"-5", "123.51", "0", "-20", "0", "-3", "0", "-7", "-1", "-250"}
                               << AccessorySlot{-5, -1.5, 0, -20, 0, -3, 0, -7, -1, -250};
    QTest::newRow("text around numbers") << QStringList{" 12abc", "abc", "7 8", "&H10", "1e2",
                                                        "+3",     ".5",  "--4", "",     "  300hp"}
                                         << QStringList{"12", "126.32", "78", "16", "100", "3", "0.5", "0", "0", "300"}
                                         << AccessorySlot{12, 0,   78, 16, 100,
                                                          3,  0.5, 0,  0,  300}; // blanks between digits are skipped
}

void TestAccessoryEditor::typedValuesReadByTheNumberRule()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, sheet);
    QFETCH(AccessorySlot, stored);
    MainWindowFixture f;
    QPointer<QWidget> editor = openFrom(f, 3);
    type(editor, typed);
    confirm(editor);
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(f.window->state().accessories[3], stored);
    QTRY_COMPARE(texts(f.window, kSheetLabels), sheet);
    // The totals add the base (공격력 60) to what the accessory brings.
    QCOMPARE(labelText(f.window, "Label51"), sheet.last());
    QCOMPARE(labelText(f.window, "Label44"), QString::number(60 + stored.attack));
}

void TestAccessoryEditor::removalTakesEveryStatOff()
{
    MainWindowFixture f;
    QTRY_COMPARE(labelText(f.window, "Label16"), QStringLiteral("125.01"));
    const QStringList sheetBefore = texts(f.window, kSheetLabels + kTotals);
    for (int slot : {1, 5}) {
        QPointer<QWidget> editor = openFrom(f, slot);
        type(editor, {"10", "4", "30", "40", "50", "60", "70", "80", "9", "5000"});
        confirm(editor);
        QTRY_VERIFY(editor.isNull());
    }
    QTRY_COMPARE(labelText(f.window, "Label51"), QStringLiteral("10000"));
    QCOMPARE(labelText(f.window, "Label35"), QStringLiteral("18"));

    QTest::mouseClick(slotPicture(f, 5), Qt::LeftButton);
    QCOMPARE(editorOf(f), nullptr);
    QVERIFY(!f.window->state().accessoryEquipped[5]);
    QCOMPARE(f.window->state().accessories[5], AccessorySlot{});
    QCOMPARE(pictureOf(f.window, "Image17"), QString());
    QVERIFY(qobject_cast<QLabel*>(slotPicture(f, 5))->pixmap().isNull());
    QCOMPARE(pictureOf(f.window, "Image13"), QStringLiteral("image/earing.jpg"));
    QTRY_COMPARE(labelText(f.window, "Label51"), QStringLiteral("5000"));
    QCOMPARE(labelText(f.window, "Label50"), QStringLiteral("5000"));
    QCOMPARE(labelText(f.window, "Label35"), QStringLiteral("9"));

    QTest::mouseClick(slotPicture(f, 1), Qt::LeftButton);
    QTRY_COMPARE(texts(f.window, kSheetLabels + kTotals), sheetBefore);
    QCOMPARE(editorOf(f), nullptr);
    // The emptied slot opens the editor again.
    QVERIFY(openFrom(f, 1));
}

void TestAccessoryEditor::secondSlotRecaptionsTheOpenEditor()
{
    MainWindowFixture f;
    QPointer<QWidget> editor = openFrom(f, 3);
    type(editor, {"", "", "", "", "", "", "", "", "", "777"});
    QTest::mouseClick(slotPicture(f, 5), Qt::LeftButton);
    QCOMPARE(editorOf(f), editor.data());
    QCOMPARE(form10Count(), 1);
    QCOMPARE(editor->windowTitle(), QStringLiteral("목걸이"));
    QCOMPARE(box(editor, 10)->text(), QStringLiteral("777"));

    confirm(editor);
    QTRY_VERIFY(editor.isNull());
    const CharacterState& state = f.window->state();
    QVERIFY(state.accessoryEquipped[5]);
    QCOMPARE(state.accessories[5].maxLife, 777.0);
    QVERIFY(!state.accessoryEquipped[3]);
    QCOMPARE(state.accessories[3], AccessorySlot{});
    QCOMPARE(pictureOf(f.window, "Image17"), QStringLiteral("image/necklace.jpg"));
    QCOMPARE(pictureOf(f.window, "Image15"), QString());
    QTRY_COMPARE(labelText(f.window, "Label51"), QStringLiteral("777"));
}

void TestAccessoryEditor::leavingWritesNothing_data()
{
    QTest::addColumn<Leave>("leave");
    QTest::newRow("취소") << Leave::Cancel;
    QTest::newRow("close box") << Leave::CloseBox;
}

void TestAccessoryEditor::leavingWritesNothing()
{
    QFETCH(Leave, leave);
    MainWindowFixture f;
    QTRY_COMPARE(labelText(f.window, "Label16"), QStringLiteral("125.01"));
    const QStringList sheetBefore = texts(f.window, kSheetLabels + kTotals);
    QPointer<QWidget> editor = openFrom(f, 2);
    type(editor, {"10", "4", "30", "40", "50", "60", "70", "80", "9", "5000"});
    if (leave == Leave::Cancel)
        QTest::mouseClick(control<QPushButton>(editor, "Command2"), Qt::LeftButton);
    else
        editor->close(); // what the window manager's close box does
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(f.window->state().accessories, CharacterState{}.accessories);
    QCOMPARE(f.window->state().accessoryEquipped, CharacterState{}.accessoryEquipped);
    QCOMPARE(pictureOf(f.window, "Image14"), QString());
    QTest::qWait(30);
    QCOMPARE(texts(f.window, kSheetLabels + kTotals), sheetBefore);

    // The next editor opens empty.
    editor = openFrom(f, 2);
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(box(editor, i)->text(), QString());
}

QTEST_MAIN(TestAccessoryEditor)
#include "tst_accessory_editor.moc"
