#include "weapon_ui_helpers.h"

#include "engine/numbers.h"
#include "ui/common/messages.h"
#include "ui/common/twips.h"

#include <QInputMethodEvent>
#include <QWheelEvent>

using namespace tessarin;
using namespace tessarin::testing;
using namespace tessarin::testing::weapons;

Q_DECLARE_METATYPE(tessarin::testing::weapons::Leave)

namespace {

const QStringList kClasses = {"검사", "권사", "역사", "암살자", "기공사", "소환사"};
const QStringList kStems = {"blade", "globe", "axe", "knife", "tablet", "stick"};
const QStringList kDungeons = {"영린족 유적지", "낙원 사원", "홍돈족 소굴", "거미 둥지"};
const QStringList kGemStats = {"공격력", "방어력", "회피율", "추가 피해", "막기 확률"};

// Equips a free-entry weapon with base attack 1 and the given gem, all through the windows.
void equipFreeWeapon(MainWindowFixture& f, const QString& attack, const char* statOption, const char* size,
                     bool shining)
{
    QWidget* editor = openEditor(f, "Command3", "Form6");
    QVERIFY(editor);
    RETURN_IF_FAILED(typeInto(editor, "Text1", attack));
    if (statOption)
        click(editor, statOption);
    if (shining)
        click(editor, "Check1");
    if (size)
        RETURN_IF_FAILED(clickItem(editor, "List1", QString::fromUtf8(size)));
    RETURN_IF_FAILED(leave(editor, Leave::Confirm));
}

// A weapon from a dungeon: base attack 185, the given dungeon option, no gem.
void equipDungeonWeapon(MainWindowFixture& f, const char* dungeonOption)
{
    QWidget* editor = openEditor(f, "Command1", "Form3");
    QVERIFY(editor);
    RETURN_IF_FAILED(clickItem(editor, "List2", QStringLiteral("185")));
    click(editor, dungeonOption);
    RETURN_IF_FAILED(leave(editor, Leave::Confirm));
}

struct WeaponFields {
    double attack;
    WeaponSlot weapon;
    bool equipped;
    std::array<bool, 8> flags;
    std::int16_t statKind;
    QString weaponPicture;
    QString gemPicture;
    bool operator==(const WeaponFields&) const = default;
};

WeaponFields fieldsOf(MainWindowFixture& f)
{
    const CharacterState& s = f.window->state();
    return {s.weaponAttack,
            s.weapon,
            s.weaponEquipped,
            s.gemFlags,
            s.gemStatKind,
            pictureOf(f.window, "Image9"),
            pictureOf(f.window, "Image18")};
}

} // namespace

class TestWeaponEditors : public QObject {
    Q_OBJECT

private slots:
    void init() { setMessageHandler({}); }

    void dungeonWeapon_data();
    void dungeonWeapon();
    void dungeonConfirmNeedsBoth();
    void seaSerpentWeapon_data();
    void seaSerpentWeapon();
    void seaSerpentSwitchBoss();
    void seaSerpentSameBossRefills_data();
    void seaSerpentSameBossRefills();
    void freeEntryAttack_data();
    void freeEntryAttack();
    void freeEntrySubOptions();
    void gem_data();
    void gem();
    void typedClassText();
    void removal();
    void noClassMessage();
    void leaveWithoutConfirm_data();
    void leaveWithoutConfirm();
    void seaSerpentPreviewGoesBack_data();
    void seaSerpentPreviewGoesBack();
    void seaSerpentPreviewAfterRemoval();
    void secondEditorReplacesWeapon();
    void chooserRaisedNotDoubled();
    void windowPlaces_data();
    void windowPlaces();
    void classChangeRemovesWeapon();
    void wheelOverClassBox();
};

void TestWeaponEditors::dungeonWeapon_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("dungeon"); // Option1 .. Option4
    QTest::addColumn<QStringList>("sheet");
    QTest::addColumn<QString>("picture");
    // Sub-options by class group: 검사, 권사/암살자/기공사, 역사, 소환사.
    const QList<QStringList> byDungeon = {
        {"0 94 0 0 39 0 0", "0 94 0 0 0 39 0", "0 94 0 39 0 0 0", "0 94 0 0 0 0 390"},
        {"39 0 94 0 0 0 0", "39 0 94 0 0 0 0", "39 0 94 0 0 0 0", "39 0 94 0 0 0 0"},
        {"0 0 94 0 39 0 0", "0 0 94 0 0 39 0", "0 0 94 39 0 0 0", "0 0 94 0 0 0 390"},
        {"0 0 0 0 94 0 390", "0 0 0 0 0 94 390", "0 0 0 94 0 0 390", "0 0 0 0 0 94 390"},
    };
    const QList<int> group = {0, 1, 2, 1, 1, 3};
    const QStringList suffixes = {"41", "42", "43", "44"};
    for (int d = 0; d < 4; ++d)
        for (int c = 0; c < 6; ++c)
            QTest::addRow("%s %s", qPrintable(kDungeons[d]), qPrintable(kClasses[c]))
                << kClasses[c] << d + 1 << byDungeon[d][group[c]].split(QLatin1Char(' '))
                << QStringLiteral("image/%1-%2.jpg").arg(kStems[c], suffixes[d]);
}

void TestWeaponEditors::dungeonWeapon()
{
    QFETCH(QString, className);
    QFETCH(int, dungeon);
    QFETCH(QStringList, sheet);
    QFETCH(QString, picture);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, className));
    const QByteArray option = QStringLiteral("Option%1").arg(dungeon).toLatin1();
    RETURN_IF_FAILED(equipDungeonWeapon(f, option.constData()));
    QTRY_COMPARE(equipmentFigures(f.window), sheet);
    QCOMPARE(labelText(f.window, "Label25"), QStringLiteral("185"));
    QCOMPARE(pictureOf(f.window, "Image9"), picture);
    QCOMPARE(pictureOf(f.window, "Image18"), QString());
    QVERIFY(f.window->state().weaponEquipped);
    QCOMPARE(openCount(QStringLiteral("Form3")), 0);
}

void TestWeaponEditors::dungeonConfirmNeedsBoth()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사")));
    QWidget* editor = openEditor(f, "Command1", "Form3");
    QVERIFY(editor);
    QCOMPARE(control<QListWidget>(editor, "List2")->count(), 5);
    QVERIFY(control<QRadioButton>(editor, "Option10")->isChecked());
    QVERIFY(waitForTick(editor));
    QVERIFY(!confirmEnabled(editor));
    click(editor, "Option4");
    QVERIFY(waitForTick(editor));
    QVERIFY(!confirmEnabled(editor)); // a dungeon without a base attack
    RETURN_IF_FAILED(clickItem(editor, "List2", QStringLiteral("157")));
    QTRY_VERIFY(confirmEnabled(editor));
    // Base attack 157 with a 빛나는 육각 공격력 gem: two separate fields, one sum on the sheet.
    click(editor, "Option5");
    click(editor, "Check1");
    RETURN_IF_FAILED(clickItem(editor, "List1", QStringLiteral("육각 금강석")));
    RETURN_IF_FAILED(leave(editor, Leave::Confirm));
    QCOMPARE(f.window->state().weaponAttack, 157.0);
    QCOMPARE(f.window->state().weapon.attackBonus, 28.0);
    QTRY_COMPARE(labelText(f.window, "Label25"), QStringLiteral("185"));
    QCOMPARE(pictureOf(f.window, "Image18"), QStringLiteral("image/육금.gif"));
}

void TestWeaponEditors::seaSerpentWeapon_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("boss"); // Option1, Option2
    QTest::addColumn<QString>("attack");
    QTest::addColumn<QStringList>("sheet");
    QTest::addColumn<QString>("picture");
    const QStringList pohwaran = {"0 0 131 0 55 0 0", "0 0 131 0 0 55 0", "0 0 131 55 0 0 0",
                                  "0 0 131 0 0 55 0", "0 0 131 0 0 55 0", "0 0 131 0 0 0 550"};
    for (int c = 0; c < 6; ++c) {
        QTest::addRow("발라라, 태장금, 막소보 %s", qPrintable(kClasses[c]))
            << kClasses[c] << 1 << QStringLiteral("186") << figures("46 0 111 0 0 0 0")
            << QStringLiteral("image/%1-P123.jpg").arg(kStems[c]);
        QTest::addRow("포화란 %s", qPrintable(kClasses[c]))
            << kClasses[c] << 2 << QStringLiteral("242") << pohwaran[c].split(QLatin1Char(' '))
            << QStringLiteral("image/%1-P.jpg").arg(kStems[c]);
    }
}

void TestWeaponEditors::seaSerpentWeapon()
{
    QFETCH(QString, className);
    QFETCH(int, boss);
    QFETCH(QString, attack);
    QFETCH(QStringList, sheet);
    QFETCH(QString, picture);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, className));
    QWidget* editor = openEditor(f, "Command2", "Form4");
    QVERIFY(editor);
    QVERIFY(!control<QListWidget>(editor, "List2")->isEnabled());
    QVERIFY(control<QRadioButton>(editor, "Option3")->isChecked()); // "없음"
    click(editor, boss == 1 ? "Option1" : "Option2");
    QVERIFY(control<QListWidget>(editor, "List2")->isEnabled());
    QVERIFY(waitForTick(editor));
    QVERIFY(!confirmEnabled(editor)); // a boss without a base attack
    RETURN_IF_FAILED(clickItem(editor, "List2", attack));
    // The sheet previews the sub-options before "확인".
    QTRY_COMPARE(equipmentFigures(f.window), sheet);
    QVERIFY(!f.window->state().weaponEquipped);
    QCOMPARE(pictureOf(f.window, "Image9"), QString());
    RETURN_IF_FAILED(leave(editor, Leave::Confirm));
    QCOMPARE(pictureOf(f.window, "Image9"), picture);
    QCOMPARE(f.window->state().weaponAttack, attack.toDouble());
    waitForSheet(f);
    QCOMPARE(equipmentFigures(f.window), sheet);
}

void TestWeaponEditors::seaSerpentSwitchBoss()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("소환사")));
    QWidget* editor = openEditor(f, "Command2", "Form4");
    QVERIFY(editor);
    click(editor, "Option2");
    RETURN_IF_FAILED(clickItem(editor, "List2", QStringLiteral("242")));
    QTRY_COMPARE(equipmentFigures(f.window), figures("0 0 131 0 0 0 550"));
    click(editor, "Option1");
    QCOMPARE(control<QListWidget>(editor, "List2")->count(), 3);
    QTRY_VERIFY(!confirmEnabled(editor));
    waitForSheet(f);
    QCOMPARE(equipmentFigures(f.window), figures("0 0 131 0 0 0 550")); // kept until a base attack
    RETURN_IF_FAILED(clickItem(editor, "List2", QStringLiteral("204")));
    QTRY_COMPARE(equipmentFigures(f.window), figures("46 0 111 0 0 0 0"));
}

void TestWeaponEditors::seaSerpentSameBossRefills_data()
{
    QTest::addColumn<QString>("boss");
    QTest::addColumn<QString>("attack");
    QTest::addColumn<int>("items");
    QTest::addColumn<Qt::Key>("key"); // Qt::Key_unknown: a mouse click

    QTest::newRow("발라라, 태장금, 막소보 by mouse") << "Option1"
                                                     << "195" << 3 << Qt::Key_unknown;
    QTest::newRow("포화란 by mouse") << "Option2"
                                     << "231" << 5 << Qt::Key_unknown;
    QTest::newRow("포화란 by Space") << "Option2"
                                     << "220" << 5 << Qt::Key_Space;
}

// A click on the boss that is already chosen empties and fills the list again: the base attack is gone
// and "확인" waits for a new one.
void TestWeaponEditors::seaSerpentSameBossRefills()
{
    QFETCH(QString, boss);
    QFETCH(QString, attack);
    QFETCH(int, items);
    QFETCH(Qt::Key, key);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사")));
    QWidget* editor = openEditor(f, "Command2", "Form4");
    QVERIFY(editor);
    click(editor, qPrintable(boss));
    RETURN_IF_FAILED(clickItem(editor, "List2", attack));
    QTRY_VERIFY(confirmEnabled(editor));

    auto* option = control<QRadioButton>(editor, boss);
    if (key == Qt::Key_unknown) {
        click(editor, qPrintable(boss));
    } else {
        option->setFocus();
        QTest::keyClick(option, key);
    }
    QVERIFY(option->isChecked());
    auto* list = control<QListWidget>(editor, "List2");
    QCOMPARE(list->count(), items);
    QCOMPARE(list->selectedItems().size(), 0);
    QTRY_VERIFY(!confirmEnabled(editor));
}

void TestWeaponEditors::freeEntryAttack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("12abc") << "12abc" << true;
    QTest::newRow("0.5") << "0.5" << true;
    QTest::newRow(" 7") << " 7" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("-5") << "-5" << false;
    QTest::newRow("abc") << "abc" << false;
}

void TestWeaponEditors::freeEntryAttack()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("역사")));
    QWidget* editor = openEditor(f, "Command3", "Form6");
    QVERIFY(editor);
    QVERIFY(waitForTick(editor));
    QVERIFY(!confirmEnabled(editor));
    if (!typed.isEmpty())
        RETURN_IF_FAILED(typeInto(editor, "Text1", typed));
    QVERIFY(waitForTick(editor));
    QCOMPARE(confirmEnabled(editor), enabled);
    if (!enabled)
        return;
    RETURN_IF_FAILED(leave(editor, Leave::Confirm));
    QCOMPARE(f.window->state().weaponAttack, textToNumber(typed));
    QCOMPARE(pictureOf(f.window, "Image9"), QStringLiteral("image/axe-g.jpg"));
}

void TestWeaponEditors::freeEntrySubOptions()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("기공사")));
    QWidget* editor = openEditor(f, "Command3", "Form6");
    QVERIFY(editor);
    RETURN_IF_FAILED(typeInto(editor, "Text1", QStringLiteral("12abc")));
    const QStringList typed = {"-5", "2.75", "1e2", "", "x", " 8 "};
    for (int i = 0; i < 6; ++i)
        if (!typed[i].isEmpty())
            RETURN_IF_FAILED(typeInto(editor, QStringLiteral("Text%1").arg(i + 2), typed[i]));
    RETURN_IF_FAILED(leave(editor, Leave::Confirm));
    QTRY_COMPARE(equipmentFigures(f.window), figures("-5 2.75 100 0 0 8 0"));
    QCOMPARE(labelText(f.window, "Label25"), QStringLiteral("12"));
    QCOMPARE(pictureOf(f.window, "Image9"), QStringLiteral("image/tablet-g.jpg"));
}

void TestWeaponEditors::gem_data()
{
    QTest::addColumn<int>("stat");     // 1..5, 0 for "없음"
    QTest::addColumn<QString>("size"); // list text, empty for none
    QTest::addColumn<bool>("shining");
    QTest::addColumn<double>("value"); // the bonus field of the stat
    QTest::addColumn<int>("flag");     // 1..8, 0 for none
    QTest::addColumn<QString>("picture");
    // Values by size (삼각 .. 육각), plain then shining, for 공격력, 방어력, 회피율, 추가 피해, 막기 확률.
    const QList<QList<double>> values = {{4, 40, 3, 4, 5},     {7, 80, 4, 7, 6},     {8, 90, 5, 8, 7},
                                         {14, 180, 6, 14, 8},  {15, 200, 7, 15, 9},  {19, 280, 8, 19, 10},
                                         {21, 300, 9, 21, 11}, {28, 470, 10, 28, 12}};
    const QStringList sizes = {"삼각", "사각", "오각", "육각"};
    const QStringList pictures = {"삼금", "사금", "오금", "육금"};
    for (int size = 0; size < 4; ++size)
        for (int shining = 0; shining < 2; ++shining)
            for (int stat = 1; stat <= 5; ++stat)
                QTest::addRow("%s%s %s", shining ? "빛나는 " : "", qPrintable(sizes[size]),
                              qPrintable(kGemStats[stat - 1]))
                    << stat << sizes[size] + QStringLiteral(" 금강석") << bool(shining)
                    << values[size * 2 + shining][stat - 1] << size + 1 + 4 * shining
                    << QStringLiteral("image/%1.gif").arg(pictures[size]);
    QTest::newRow("없음 with a size") << 0 << "육각 금강석" << true << 0.0 << 0 << QString();
    QTest::newRow("a stat without a size") << 2 << "" << true << 0.0 << 0 << QString();
}

void TestWeaponEditors::gem()
{
    QFETCH(int, stat);
    QFETCH(QString, size);
    QFETCH(bool, shining);
    QFETCH(double, value);
    QFETCH(int, flag);
    QFETCH(QString, picture);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사")));
    const QByteArray option = QStringLiteral("Option%1").arg(stat ? 4 + stat : 10).toLatin1();
    const QByteArray sizeText = size.toUtf8();
    RETURN_IF_FAILED(equipFreeWeapon(f, QStringLiteral("1"), option.constData(),
                                     size.isEmpty() ? nullptr : sizeText.constData(), shining));
    const CharacterState& state = f.window->state();
    const std::array<double, 5> fields = {state.weapon.attackBonus, state.weapon.defenceBonus,
                                          state.weapon.evasionRateBonus, state.weapon.additionalDamage,
                                          state.weapon.blockRateBonus};
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(fields[static_cast<std::size_t>(i - 1)], i == stat ? value : 0.0);
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(state.gemFlags[static_cast<std::size_t>(k - 1)], k == flag);
    QCOMPARE(state.gemStatKind, static_cast<std::int16_t>(stat));
    QCOMPARE(pictureOf(f.window, "Image18"), picture);
    QCOMPARE(pictureOf(f.window, "Image9"), QStringLiteral("image/blade-g.jpg"));
}

void TestWeaponEditors::typedClassText()
{
    MainWindowFixture f;
    auto* box = control<QComboBox>(f.window, "Combo1");
    box->lineEdit()->selectAll();
    // Korean arrives through the input method, as a committed string.
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("마법사"));
    QApplication::sendEvent(box->lineEdit(), &typed);
    QCOMPARE(box->currentText(), QStringLiteral("마법사"));
    QCOMPARE(f.window->state().classText, QStringLiteral("마법사"));
    // 낙원 사원 writes its sub-options for any text; no picture for a text that is no class.
    RETURN_IF_FAILED(equipDungeonWeapon(f, "Option2"));
    QTRY_COMPARE(equipmentFigures(f.window), figures("39 0 94 0 0 0 0"));
    QCOMPARE(pictureOf(f.window, "Image9"), QString());
    QVERIFY(f.window->state().weaponEquipped);
    click(f.window, "Image9");
    QVERIFY(!f.window->state().weaponEquipped);
    RETURN_IF_FAILED(equipDungeonWeapon(f, "Option1"));
    waitForSheet(f);
    QCOMPARE(equipmentFigures(f.window), figures("0 0 0 0 0 0 0"));
}

void TestWeaponEditors::removal()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("소환사")));
    QWidget* editor = openEditor(f, "Command1", "Form3");
    QVERIFY(editor);
    RETURN_IF_FAILED(clickItem(editor, "List2", QStringLiteral("173")));
    click(editor, "Option1");
    click(editor, "Option8");
    RETURN_IF_FAILED(clickItem(editor, "List1", QStringLiteral("오각 금강석")));
    RETURN_IF_FAILED(leave(editor, Leave::Confirm));
    QTRY_COMPARE(equipmentFigures(f.window), figures("0 94 0 0 0 0 390"));
    QCOMPARE(labelText(f.window, "Label35"), QStringLiteral("15"));
    QCOMPARE(pictureOf(f.window, "Image18"), QStringLiteral("image/오금.gif"));

    click(f.window, "Image9");
    const WeaponFields empty{0, {}, false, {}, 0, QString(), QString()};
    QVERIFY(fieldsOf(f) == empty);
    QCOMPARE(openCount(QStringLiteral("Form2")), 0); // removal opens nothing
    QTRY_COMPARE(equipmentFigures(f.window), figures("0 0 0 0 0 0 0"));
    QCOMPARE(labelText(f.window, "Label35"), QStringLiteral("0"));
    QCOMPARE(labelText(f.window, "Label25"), QStringLiteral("0"));
    click(f.window, "Image9");
    QTRY_COMPARE(openCount(QStringLiteral("Form2")), 1);
}

void TestWeaponEditors::noClassMessage()
{
    MainWindowFixture f;
    QStringList messages;
    setMessageHandler([&messages](const QString& text) { messages << text; });
    click(f.window, "Image9");
    setMessageHandler({});
    QCOMPARE(messages, QStringList{QStringLiteral("직업을 선택해주세요.")});
    QTest::qWait(20);
    for (const char* name : {"Form2", "Form3", "Form4", "Form6"})
        QCOMPARE(openCount(QString::fromLatin1(name)), 0);
}

void TestWeaponEditors::leaveWithoutConfirm_data()
{
    QTest::addColumn<QString>("chooserButton");
    QTest::addColumn<QString>("editorName");
    QTest::addColumn<Leave>("how");
    QTest::newRow("chooser 취소") << "Command4"
                                  << "" << Leave::Cancel;
    for (const auto& [button, name] : {std::pair{"Command1", "Form3"}, {"Command2", "Form4"}, {"Command3", "Form6"}}) {
        QTest::addRow("%s 취소", name) << button << name << Leave::Cancel;
        QTest::addRow("%s close box", name) << button << name << Leave::CloseBox;
    }
}

void TestWeaponEditors::leaveWithoutConfirm()
{
    QFETCH(QString, chooserButton);
    QFETCH(QString, editorName);
    QFETCH(Leave, how);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("소환사")));
    const WeaponFields before = fieldsOf(f);
    const QByteArray button = chooserButton.toLatin1();
    QWidget* editor = openEditor(f, button.constData(), editorName.toLatin1().constData());
    if (editorName.isEmpty()) {
        QVERIFY(!editor);
        QCOMPARE(openCount(QStringLiteral("Form2")), 0);
    } else {
        QVERIFY(editor);
        // Everything chosen, then left.
        if (editorName == QStringLiteral("Form6")) {
            RETURN_IF_FAILED(typeInto(editor, "Text1", QStringLiteral("200")));
            RETURN_IF_FAILED(typeInto(editor, "Text3", QStringLiteral("50")));
        } else {
            click(editor, "Option2");
            RETURN_IF_FAILED(clickItem(editor, "List2", control<QListWidget>(editor, "List2")->item(0)->text()));
        }
        click(editor, "Option6");
        RETURN_IF_FAILED(clickItem(editor, "List1", QStringLiteral("육각 금강석")));
        QTRY_VERIFY(confirmEnabled(editor));
        RETURN_IF_FAILED(leave(editor, how));
    }
    waitForSheet(f);
    QVERIFY(fieldsOf(f) == before);
    QCOMPARE(equipmentFigures(f.window), figures("0 0 0 0 0 0 0"));
}

void TestWeaponEditors::seaSerpentPreviewGoesBack_data()
{
    QTest::addColumn<Leave>("how");
    QTest::newRow("취소") << Leave::Cancel;
    QTest::newRow("close box") << Leave::CloseBox;
}

void TestWeaponEditors::seaSerpentPreviewGoesBack()
{
    QFETCH(Leave, how);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("소환사")));
    QWidget* editor = openEditor(f, "Command2", "Form4");
    QVERIFY(editor);
    click(editor, "Option2");
    RETURN_IF_FAILED(clickItem(editor, "List2", QStringLiteral("242")));
    QTRY_COMPARE(equipmentFigures(f.window), figures("0 0 131 0 0 0 550"));
    RETURN_IF_FAILED(leave(editor, how));
    waitForSheet(f);
    // No weapon is worn, so none of its stats count.
    QCOMPARE(equipmentFigures(f.window), figures("0 0 0 0 0 0 0"));
    QVERIFY(!f.window->state().weaponEquipped);

    // A free weapon equipped afterwards keeps 최대생명력 0: nothing of the preview is left.
    RETURN_IF_FAILED(equipFreeWeapon(f, QStringLiteral("100"), nullptr, nullptr, false));
    QTRY_COMPARE(equipmentFigures(f.window), figures("0 0 0 0 0 0 0"));

    // With a weapon equipped in the meantime, leaving takes nothing away from it.
    click(f.window, "Image9");
    editor = openEditor(f, "Command2", "Form4");
    QVERIFY(editor);
    click(editor, "Option2");
    RETURN_IF_FAILED(clickItem(editor, "List2", QStringLiteral("198")));
    QTRY_COMPARE(equipmentFigures(f.window), figures("0 0 131 0 0 0 550"));
    QWidget* free = openEditor(f, "Command3", "Form6");
    QVERIFY(free);
    RETURN_IF_FAILED(typeInto(free, "Text1", QStringLiteral("100")));
    RETURN_IF_FAILED(typeInto(free, "Text2", QStringLiteral("3")));
    RETURN_IF_FAILED(leave(free, Leave::Confirm));
    RETURN_IF_FAILED(leave(editor, how));
    QVERIFY(f.window->state().weaponEquipped);
    QCOMPARE(f.window->state().weaponAttack, 100.0);
    QCOMPARE(pictureOf(f.window, "Image9"), QStringLiteral("image/stick-g.jpg"));
}

void TestWeaponEditors::seaSerpentPreviewAfterRemoval()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사")));
    QWidget* editor = openEditor(f, "Command2", "Form4");
    QVERIFY(editor);
    click(editor, "Option2");
    RETURN_IF_FAILED(clickItem(editor, "List2", QStringLiteral("220")));
    // Another weapon is equipped and taken off again while the preview goes on.
    RETURN_IF_FAILED(equipDungeonWeapon(f, "Option4"));
    click(f.window, "Image9");
    QVERIFY(!f.window->state().weaponEquipped);
    QTRY_COMPARE(equipmentFigures(f.window), figures("0 0 131 0 55 0 0"));
    RETURN_IF_FAILED(leave(editor, Leave::Cancel));
    waitForSheet(f);
    QCOMPARE(equipmentFigures(f.window), figures("0 0 0 0 0 0 0"));
    QCOMPARE(pictureOf(f.window, "Image9"), QString());
}

void TestWeaponEditors::secondEditorReplacesWeapon()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("검사")));
    // Two editors open at once: the chooser opens again while the slot is still empty.
    QWidget* dungeon = openEditor(f, "Command1", "Form3");
    QVERIFY(dungeon);
    QWidget* free = openEditor(f, "Command3", "Form6");
    QVERIFY(free);
    RETURN_IF_FAILED(typeInto(free, "Text1", QStringLiteral("300")));
    RETURN_IF_FAILED(typeInto(free, "Text2", QStringLiteral("77")));
    click(free, "Option6");
    RETURN_IF_FAILED(clickItem(free, "List1", QStringLiteral("삼각 금강석")));
    RETURN_IF_FAILED(leave(free, Leave::Confirm));
    QCOMPARE(f.window->state().gemFlags[0], true);

    RETURN_IF_FAILED(clickItem(dungeon, "List2", QStringLiteral("181")));
    click(dungeon, "Option4");
    click(dungeon, "Option5");
    click(dungeon, "Check1");
    RETURN_IF_FAILED(clickItem(dungeon, "List1", QStringLiteral("오각 금강석")));
    RETURN_IF_FAILED(leave(dungeon, Leave::Confirm));

    // One whole weapon: the dungeon's, with its gem only.
    const CharacterState& state = f.window->state();
    QCOMPARE(state.weaponAttack, 181.0);
    QCOMPARE(state.weapon.defenceBonus, 0.0);
    QCOMPARE(state.weapon.attackBonus, 19.0);
    QCOMPARE(state.gemFlags, (std::array<bool, 8>{false, false, false, false, false, false, true, false}));
    QCOMPARE(state.gemStatKind, std::int16_t(1));
    QTRY_COMPARE(equipmentFigures(f.window), figures("0 0 0 0 94 0 390"));
    QCOMPARE(pictureOf(f.window, "Image9"), QStringLiteral("image/blade-44.jpg"));
    QCOMPARE(pictureOf(f.window, "Image18"), QStringLiteral("image/오금.gif"));
}

void TestWeaponEditors::chooserRaisedNotDoubled()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("권사")));
    click(f.window, "Image9");
    QWidget* chooser = f.window->windows().find(QStringLiteral("Form2"));
    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), QStringLiteral("무기 종류"));
    click(f.window, "Image9");
    QCOMPARE(f.window->windows().find(QStringLiteral("Form2")), chooser);
    QCOMPARE(openCount(QStringLiteral("Form2")), 1);
}

void TestWeaponEditors::windowPlaces_data()
{
    QTest::addColumn<QString>("chooserButton"); // empty: the chooser itself
    QTest::addColumn<QString>("window");
    QTest::addColumn<QPoint>("at"); // twips on the screen
    QTest::addColumn<bool>("byClientArea");

    QTest::newRow("Form2 by its client area") << ""
                                              << "Form2" << QPoint(7050, 6255) << true;
    QTest::newRow("Form3 by its frame") << "Command1"
                                        << "Form3" << QPoint(6330, 5460) << false;
    QTest::newRow("Form4 by its frame") << "Command2"
                                        << "Form4" << QPoint(6330, 5460) << false;
    QTest::newRow("Form6 by its frame") << "Command3"
                                        << "Form6" << QPoint(6255, 5460) << false;
}

// The chooser is placed by its client area, the editors by their outer frame, as the other editors are.
void TestWeaponEditors::windowPlaces()
{
    QFETCH(QString, chooserButton);
    QFETCH(QString, window);
    QFETCH(QPoint, at);
    QFETCH(bool, byClientArea);
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("기공사")));
    QWidget* opened = nullptr;
    if (chooserButton.isEmpty()) {
        click(f.window, "Image9");
        opened = f.window->windows().find(window);
    } else {
        opened = openEditor(f, qPrintable(chooserButton), qPrintable(window));
    }
    QVERIFY(opened);
    QVERIFY(QTest::qWaitForWindowExposed(opened));
    // Offscreen windows have a frame too, so the two ways differ.
    QVERIFY(opened->frameGeometry().topLeft() != opened->geometry().topLeft());
    const QPoint placed = byClientArea ? opened->geometry().topLeft() : opened->frameGeometry().topLeft();
    QCOMPARE(placed, twipsPoint(at.x(), at.y()));
}

void TestWeaponEditors::classChangeRemovesWeapon()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("역사")));
    RETURN_IF_FAILED(equipFreeWeapon(f, QStringLiteral("50"), "Option6", "사각 금강석", false));
    QCOMPARE(pictureOf(f.window, "Image18"), QStringLiteral("image/사금.gif"));
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("암살자")));
    const WeaponFields empty{0, {}, false, {}, 0, QString(), QString()};
    QVERIFY(fieldsOf(f) == empty);
    QTRY_COMPARE(labelText(f.window, "Label25"), QStringLiteral("0"));
}

void TestWeaponEditors::wheelOverClassBox()
{
    MainWindowFixture f;
    RETURN_IF_FAILED(chooseClass(f, QStringLiteral("역사")));
    RETURN_IF_FAILED(equipDungeonWeapon(f, "Option3"));
    auto* box = control<QComboBox>(f.window, "Combo1");
    QSignalSpy activated(box, &QComboBox::activated);
    const QPointF centre = QRectF(box->rect()).center();
    for (int delta : {-120, 120, -120}) {
        QWheelEvent wheel(centre, box->mapToGlobal(centre), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
    }
    QCOMPARE(activated.count(), 0);
    QCOMPARE(box->currentText(), QStringLiteral("역사"));
    QVERIFY(f.window->state().weaponEquipped);
    QCOMPARE(pictureOf(f.window, "Image9"), QStringLiteral("image/axe-43.jpg"));
    // The arrow keys on the focused box still choose.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(f.window->state().classText, QStringLiteral("암살자"));
    QVERIFY(!f.window->state().weaponEquipped);
}

QTEST_MAIN(TestWeaponEditors)
#include "tst_weapon_editors.moc"
