#include "ui_helpers.h"

#include "ui/common/twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

const QStringList kSlotNames = {"귀걸이1", "귀걸이2", "반지1", "반지2", "목걸이"};
const QStringList kSlotPictures = {"image/earing.jpg", "image/earing.jpg", "image/ring.jpg", "image/ring.jpg",
                                   "image/necklace.jpg"};
// What Text1 .. Text10 feed on the sheet: the equipment labels of 공격력, 관통, 명중, 치명, 방어, 막기, 회피,
// 최대생명력, the rate 치명타피해량 (Label16) and 추가 피해 (Label35); then every total.
const QStringList kSheet = {"Label25", "Label16", "Label37", "Label38", "Label39", "Label3",
                            "Label13", "Label43", "Label35", "Label50", "Label44", "Label45",
                            "Label46", "Label14", "Label51", "Label47", "Label48", "Label49"};
const QStringList kTen = {"10", "4", "30", "40", "50", "60", "70", "80", "9", "5000"};

enum class Leave { Cancel, CloseBox };

QWidget* slotPicture(MainWindowFixture& f, int slot)
{
    return control(f.window, QStringLiteral("Image%1").arg(12 + slot));
}

QLineEdit* box(QWidget* editor, int number)
{
    return control<QLineEdit>(editor, QStringLiteral("Text%1").arg(number));
}

QStringList sheet(MainWindowFixture& f, const QStringList& names = kSheet)
{
    QStringList result;
    for (const QString& name : names)
        result << labelText(f.window, name);
    return result;
}

// Clicks a slot; returns the open editor, if any.
QWidget* clickSlot(MainWindowFixture& f, int slot)
{
    QTest::mouseClick(slotPicture(f, slot), Qt::LeftButton);
    QWidget* editor = f.window->windows().find(QStringLiteral("Form10"));
    return editor && QTest::qWaitForWindowExposed(editor) ? editor : nullptr;
}

// Types the values into Text1 .. and confirms; waits until the editor is gone.
void equip(MainWindowFixture& f, int slot, const QStringList& values)
{
    QPointer<QWidget> editor = clickSlot(f, slot);
    QVERIFY(editor);
    for (int i = 0; i < values.size(); ++i)
        QTest::keyClicks(box(editor, i + 1), values[i]);
    QTest::mouseClick(control<QPushButton>(editor, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
}

} // namespace

Q_DECLARE_METATYPE(Leave)
Q_DECLARE_METATYPE(tessarin::AccessorySlot)

class TestAccessoryEditor : public QObject {
    Q_OBJECT

private slots:
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

void TestAccessoryEditor::layout()
{
    MainWindowFixture f;
    QCOMPARE(slotPicture(f, 4)->geometry(), twipsRect(6060, 6240, 735, 735));
    QWidget* editor = clickSlot(f, 1);
    QVERIFY(editor);
    QCOMPARE(editor->size(), QSize(twipsToPixels(2595), twipsToPixels(4560)));
    QCOMPARE(editor->pos(), twipsPoint(7410, 5820));
    QWidget* frame = control(editor, "Frame1");
    QCOMPARE(frame->geometry(), twipsRect(0, 120, 2535, 4455));
    const QStringList captions = {"공격력", "치명타피해량", "관통", "명중",      "치명",
                                  "방어",   "막기",         "회피", "추가 피해", "최대생명력"};
    QStringList shown;
    for (int i = 1; i <= 10; ++i) {
        QLineEdit* text = box(editor, i);
        QCOMPARE(text->geometry(), twipsRect(1440, 120 + 360 * (i - 1), 615, 285));
        for (QLabel* label : frame->findChildren<QLabel*>())
            if (label->buddy() == text && label->pos() == twipsPoint(i >= 9 ? 240 : 120, 120 + 360 * (i - 1)))
                shown << label->text();
    }
    QCOMPARE(shown, captions);
    QCOMPARE(control<QPushButton>(editor, "Command1")->geometry(), twipsRect(240, 3720, 855, 495));
    QCOMPARE(control<QPushButton>(editor, "Command2")->geometry(), twipsRect(1440, 3720, 855, 495));
}

void TestAccessoryEditor::emptyBoxesEquipTenZeros_data()
{
    QTest::addColumn<int>("slot");
    for (int slot = 1; slot <= kAccessoryCount; ++slot)
        QTest::newRow(qPrintable(kSlotNames[slot - 1])) << slot;
}

void TestAccessoryEditor::emptyBoxesEquipTenZeros()
{
    QFETCH(int, slot);
    MainWindowFixture f;
    QTRY_COMPARE(labelText(f.window, "Label16"), QStringLiteral("125.01"));
    const QStringList before = sheet(f);
    QPointer<QWidget> editor = clickSlot(f, slot);
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), kSlotNames[slot - 1]);
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(box(editor, i)->text(), QString());
    // No check guards "확인".
    QVERIFY(control<QPushButton>(editor, "Command1")->isEnabled());
    equip(f, slot, {});

    QVERIFY(f.window->state().accessoryEquipped[slot]);
    QCOMPARE(f.window->state().accessories[slot], AccessorySlot{});
    QCOMPARE(pictureOf(f.window, QStringLiteral("Image%1").arg(12 + slot)), kSlotPictures[slot - 1]);
    // Shown at its own size, not stretched: the whole picture fits the slot.
    auto* picture = qobject_cast<QLabel*>(slotPicture(f, slot));
    QVERIFY(!picture->hasScaledContents());
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(49, 49));
    QTest::qWait(30);
    QCOMPARE(sheet(f), before);
}

void TestAccessoryEditor::typedValuesReadByTheNumberRule_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown"); // the first ten of kSheet
    QTest::addColumn<AccessorySlot>("stored");

    // 치명타피해량 shows the rate from 치명 plus the accessory's points (125.01 with no 치명).
    QTest::newRow("fractions stay as typed")
        << QStringList{"0.5", "12.5", "1.25", "", "", "", "", "", "2.75", "10978"}
        << QStringList{"0.5", "137.51", "1.25", "0", "0", "0", "0", "0", "2.75", "10978"}
        << AccessorySlot{0.5, 12.5, 1.25, 0, 0, 0, 0, 0, 2.75, 10978};
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
    QFETCH(QStringList, shown);
    QFETCH(AccessorySlot, stored);
    MainWindowFixture f;
    equip(f, 3, typed);
    QCOMPARE(f.window->state().accessories[3], stored);
    QTRY_COMPARE(sheet(f, kSheet.mid(0, 10)), shown);
    QCOMPARE(labelText(f.window, "Label51"), shown.last());
    QCOMPARE(labelText(f.window, "Label44"), QString::number(60 + stored.attack));
}

void TestAccessoryEditor::removalTakesEveryStatOff()
{
    MainWindowFixture f;
    QTRY_COMPARE(labelText(f.window, "Label16"), QStringLiteral("125.01"));
    const QStringList before = sheet(f);
    equip(f, 1, kTen);
    equip(f, 5, kTen);
    QTRY_COMPARE(labelText(f.window, "Label51"), QStringLiteral("10000"));

    QCOMPARE(clickSlot(f, 5), nullptr); // a worn accessory is taken off; no editor opens
    QVERIFY(!f.window->state().accessoryEquipped[5]);
    QCOMPARE(f.window->state().accessories[5], AccessorySlot{});
    QCOMPARE(pictureOf(f.window, "Image17"), QString());
    QVERIFY(qobject_cast<QLabel*>(slotPicture(f, 5))->pixmap().isNull());
    QTRY_COMPARE(labelText(f.window, "Label51"), QStringLiteral("5000"));
    QCOMPARE(labelText(f.window, "Label35"), QStringLiteral("9"));

    QCOMPARE(clickSlot(f, 1), nullptr);
    QTRY_COMPARE(sheet(f), before);
    QVERIFY(clickSlot(f, 1)); // empty again: the editor opens
}

void TestAccessoryEditor::secondSlotRecaptionsTheOpenEditor()
{
    MainWindowFixture f;
    QPointer<QWidget> editor = clickSlot(f, 3);
    QVERIFY(editor);
    QTest::keyClicks(box(editor, 10), QStringLiteral("777"));
    QCOMPARE(clickSlot(f, 5), editor.data());
    QCOMPARE(editor->windowTitle(), QStringLiteral("목걸이"));
    QCOMPARE(box(editor, 10)->text(), QStringLiteral("777"));
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        open += widget->objectName() == QStringLiteral("Form10") && widget->isVisible();
    QCOMPARE(open, 1);

    QTest::mouseClick(control<QPushButton>(editor, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(editor.isNull());
    const CharacterState& state = f.window->state();
    QVERIFY(state.accessoryEquipped[5] && !state.accessoryEquipped[3]);
    QCOMPARE(state.accessories[5].maxLife, 777.0);
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
    const QStringList before = sheet(f);
    QPointer<QWidget> editor = clickSlot(f, 2);
    QVERIFY(editor);
    for (int i = 0; i < kTen.size(); ++i)
        QTest::keyClicks(box(editor, i + 1), kTen[i]);
    if (leave == Leave::Cancel)
        QTest::mouseClick(control<QPushButton>(editor, "Command2"), Qt::LeftButton);
    else
        editor->close(); // what the window's close box does
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(f.window->state().accessories, CharacterState{}.accessories);
    QVERIFY(!f.window->state().accessoryEquipped[2]);
    QCOMPARE(pictureOf(f.window, "Image14"), QString());
    QTest::qWait(30);
    QCOMPARE(sheet(f), before);
    editor = clickSlot(f, 2); // the next editor opens empty
    QCOMPARE(box(editor, 10)->text(), QString());
}

QTEST_MAIN(TestAccessoryEditor)
#include "tst_accessory_editor.moc"
