#include "engine/class_rules.h"
#include "engine/numbers.h"
#include "engine/set_effects.h"
#include "engine/stances.h"
#include "engine/stat_sheet.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

using namespace tessarin;

Q_DECLARE_METATYPE(std::function<void(CharacterState&)>)

namespace {

using Setup = std::function<void(CharacterState&)>;

// Picks a class the way the class box does.
Setup withClass(const char* name, std::initializer_list<Stance> list = {})
{
    return [name, stances = std::vector<Stance>(list)](CharacterState& state) {
        changeClass(state, QString::fromUtf8(name));
        for (Stance stance : stances)
            toggleStance(state, stance);
    };
}

QString text(const StatSheet& sheet, SheetLabel label)
{
    return sheetText(sheet, label);
}

} // namespace

class TestStatSheet : public QObject {
    Q_OBJECT

private slots:
    void rates_data();
    void rates();
    void rows_data();
    void rows();
    void blockStanceRow();
    void weaponBlockRateBonusSurvivesBaldo();
    void accessoryCritDamageLeavesExpectedAttack();
    void stanceSequences_data();
    void stanceSequences();
    void classChangeClearsStancesAndWeapon();
    void unknownClassKeepsBaseValues();
    void zeroDenominatorShowsZero();
    void hugeValuesNeverShowInfinity();
    void totalsUseTheShownFigures();
};

void TestStatSheet::rates_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>(
        "expected"); // 기대공격력, 피해감소율, 명중률, 치명률, 치명타피해량, 방어율, 막기율, 회피율

    QTest::newRow("nothing chosen") << Setup([](CharacterState&) {})
                                    << QStringList{"51", "0", "85", "0", "125.01", "-0.01", "0", "0"};
    QTest::newRow("검사") << withClass("검사")
                          << QStringList{"52.22", "0", "85.48", "6.61", "127.25", "9.18", "15.15", "0"};
    QTest::newRow("암살자") << withClass("암살자")
                            << QStringList{"54.11", "0", "85.48", "17.45", "131.45", "9.18", "0", "4.99"};
    QTest::newRow("암살자 은신") << withClass("암살자", {Stance::Eunsin})
                                 << QStringList{"58.58", "0", "85.48", "17.45", "181.45", "9.18", "0", "54.99"};
    QTest::newRow("검사 발도") << withClass("검사", {Stance::Baldo})
                               << QStringList{"52.91", "0", "85.48", "11.61", "127.25", "9.18", "0", "20"};
    QTest::newRow("검사 발도 번개베기") << withClass("검사", {Stance::Baldo, Stance::Beongaebegi})
                                        << QStringList{"54.31", "0", "85.48", "21.61", "127.25", "9.18", "0", "20"};
    QTest::newRow("역사 광풍") << withClass("역사", {Stance::Gwangpung})
                               << QStringList{"51.29", "0", "85.48", "0", "125.01", "50.18", "0", "0"};
    QTest::newRow("권사 반격") << withClass("권사", {Stance::Bangyeok})
                               << QStringList{"52.22", "0", "85.48", "6.61", "127.25", "16.75", "0", "11.58"};
}

void TestStatSheet::rates()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, expected);
    CharacterState state;
    setup(state);
    const StatSheet sheet = computeSheet(state);
    const QStringList shown = {text(sheet, SheetLabel::ExpectedAttack), text(sheet, SheetLabel::PenetrationRate),
                               text(sheet, SheetLabel::AccuracyRate),   text(sheet, SheetLabel::CritRate),
                               text(sheet, SheetLabel::CritDamage),     text(sheet, SheetLabel::DefenceRate),
                               text(sheet, SheetLabel::BlockRate),      text(sheet, SheetLabel::EvasionRate)};
    QCOMPARE(shown, expected);
}

void TestStatSheet::rows_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("totals"); // rows 1..8 and additional damage
    QTest::addColumn<QStringList>("equipment");

    QTest::newRow("start") << Setup([](CharacterState&) {}) << QStringList{"60", "0", "0", "0", "0", "0", "0", "0", "0"}
                           << QStringList{"0", "0", "0", "0", "0", "0", "0", "0"};
    QTest::newRow("역사 광풍: five times the defence")
        << withClass("역사", {Stance::Gwangpung}) << QStringList{"60", "0", "16", "0", "14153", "3495", "0", "0", "0"}
        << QStringList{"0", "0", "0", "0", "0", "2796", "0", "0"};
    QTest::newRow("권사 반격: base doubled")
        << withClass("권사", {Stance::Bangyeok}) << QStringList{"60", "0", "16", "173", "12520", "668", "0", "433", "0"}
        << QStringList{"0", "0", "0", "0", "0", "334", "0", "0"};
    QTest::newRow("every source adds into its row") << Setup([](CharacterState& s) {
        s.weaponAttack = 100;
        s.weapon.attackBonus = 15;
        s.weapon.penetration = 39;
        s.weapon.maxLife = 390;
        s.weapon.additionalDamage = 21;
        s.accessories[1].attack = 5;
        s.accessories[5].attack = 7;
        s.accessories[2].accuracy = 11;
        s.accessories[3].additionalDamage = 4;
        s.pieceStats[2].maxLife = 870;
        s.pieceStats[2].defence = 34;
        s.pieceStats[8].critical = 136;
        s.synthesis[1][3] = 20; // 관통 on piece 3
        s.synthesis[6][4] = 30; // 회피 on piece 4
        s.setEffect[SetGroup::Lost].accuracy = 39;
        s.setEffect[SetGroup::SeaSerpent].accuracy = 50;
        s.setEffect[SetGroup::Free].block = -3;
    }) << QStringList{"187", "59", "100", "136", "1260", "34", "-3", "30", "25"}
                                                    << QStringList{"127", "59", "100", "136", "1260", "34", "-3", "30"};
    QTest::newRow("반격 leaves accessories, gem and set effects single")
        << Setup([](CharacterState& s) {
               changeClass(s, QStringLiteral("권사"));
               toggleStance(s, Stance::Bangyeok);
               s.weapon.defence = 10;                   // doubled
               s.pieceStats[4].defence = 100;           // doubled
               s.synthesis[4][4] = 5;                   // doubled
               s.accessories[2].defence = 7;            // single
               s.weapon.defenceBonus = 40;              // single
               s.setEffect[SetGroup::Free].defence = 3; // single
           })
        << QStringList{"60", "0", "16", "173", "12520", "948", "0", "433", "0"}
        << QStringList{"0", "0", "0", "0", "0", "614", "0", "0"};
}

void TestStatSheet::rows()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, totals);
    QFETCH(QStringList, equipment);
    CharacterState state;
    setup(state);
    const StatSheet sheet = computeSheet(state);
    const QStringList shownTotals = {
        text(sheet, SheetLabel::AttackTotal),     text(sheet, SheetLabel::PenetrationTotal),
        text(sheet, SheetLabel::AccuracyTotal),   text(sheet, SheetLabel::CriticalTotal),
        text(sheet, SheetLabel::LifeTotal),       text(sheet, SheetLabel::DefenceTotal),
        text(sheet, SheetLabel::BlockTotal),      text(sheet, SheetLabel::EvasionTotal),
        text(sheet, SheetLabel::AdditionalDamage)};
    const QStringList shownEquipment = {
        text(sheet, SheetLabel::AttackEquipment),   text(sheet, SheetLabel::PenetrationEquipment),
        text(sheet, SheetLabel::AccuracyEquipment), text(sheet, SheetLabel::CriticalEquipment),
        text(sheet, SheetLabel::LifeEquipment),     text(sheet, SheetLabel::DefenceEquipment),
        text(sheet, SheetLabel::BlockEquipment),    text(sheet, SheetLabel::EvasionEquipment)};
    QCOMPARE(shownTotals, totals);
    QCOMPARE(shownEquipment, equipment);
}

void TestStatSheet::blockStanceRow()
{
    CharacterState state;
    changeClass(state, QStringLiteral("검사"));
    state.pieceStats[3].block = 108;
    StatSheet sheet = computeSheet(state);
    QVERIFY(!sheet.blockStanceRow);
    QCOMPARE(text(sheet, SheetLabel::BlockEquipment), QStringLiteral("108"));
    QCOMPARE(text(sheet, SheetLabel::BlockTotal), QStringLiteral("397"));

    toggleStance(state, Stance::Baldo);
    sheet = computeSheet(state);
    QVERIFY(sheet.blockStanceRow);
    QCOMPARE(text(sheet, SheetLabel::BlockEquipment), QStringLiteral("108 - 397)"));
    QCOMPARE(text(sheet, SheetLabel::BlockTotal), QStringLiteral("0"));
    QCOMPARE(text(sheet, SheetLabel::BlockRate), QStringLiteral("0"));
}

void TestStatSheet::weaponBlockRateBonusSurvivesBaldo()
{
    CharacterState state;
    changeClass(state, QStringLiteral("검사"));
    toggleStance(state, Stance::Baldo);
    state.weapon.blockRateBonus = 5;
    QCOMPARE(text(computeSheet(state), SheetLabel::BlockRate), QStringLiteral("5"));
}

void TestStatSheet::accessoryCritDamageLeavesExpectedAttack()
{
    CharacterState state;
    changeClass(state, QStringLiteral("암살자"));
    const StatSheet before = computeSheet(state);
    state.accessories[1].critDamageBonus = 4;
    state.accessories[4].critDamageBonus = 2.5;
    const StatSheet after = computeSheet(state);
    QCOMPARE(text(after, SheetLabel::CritDamage), QStringLiteral("137.95"));
    QCOMPARE(text(after, SheetLabel::ExpectedAttack), text(before, SheetLabel::ExpectedAttack));
}

void TestStatSheet::stanceSequences_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QList<int>>("clicks");          // stance buttons 1..4, in order
    QTest::addColumn<QList<double>>("evasionBonus"); // after each click
    QTest::addColumn<QList<double>>("critBonus");

    QTest::newRow("검사 발도, 번개베기, 발도 off")
        << QStringLiteral("검사") << QList<int>{1, 2, 1} << QList<double>{20, 20, 0} << QList<double>{5, 15, 10};
    QTest::newRow("암살자 잠입, 척추, 척추 off, 나무, 나무 off")
        << QStringLiteral("암살자") << QList<int>{2, 3, 3, 4, 4} << QList<double>{25, 30, 25, 99, 25}
        << QList<double>{0, 0, 0, 0, 0};
    QTest::newRow("암살자 나무 off while 척추 on")
        << QStringLiteral("암살자") << QList<int>{3, 4, 4} << QList<double>{30, 99, 30} << QList<double>{0, 0, 0};
    QTest::newRow("암살자 척추 stays through 잠입")
        << QStringLiteral("암살자") << QList<int>{3, 2, 2} << QList<double>{30, 30, 30} << QList<double>{0, 0, 0};
    QTest::newRow("권사 이문정주 sets, not adds")
        << QStringLiteral("권사") << QList<int>{2, 2, 2} << QList<double>{0, 0, 0} << QList<double>{30, 0, 30};
    QTest::newRow("기공사 has no stance")
        << QStringLiteral("기공사") << QList<int>{1, 2, 3, 4} << QList<double>{0, 0, 0, 0} << QList<double>{0, 0, 0, 0};
    QTest::newRow("역사 second button has none")
        << QStringLiteral("역사") << QList<int>{2} << QList<double>{0} << QList<double>{0};
}

void TestStatSheet::stanceSequences()
{
    QFETCH(QString, className);
    QFETCH(QList<int>, clicks);
    QFETCH(QList<double>, evasionBonus);
    QFETCH(QList<double>, critBonus);
    CharacterState state;
    changeClass(state, className);
    for (qsizetype i = 0; i < clicks.size(); ++i) {
        clickStanceButton(state, clicks[i]);
        QCOMPARE(state.stanceEvasionBonus, evasionBonus[i]);
        QCOMPARE(state.critRateBonus, critBonus[i]);
    }
}

void TestStatSheet::classChangeClearsStancesAndWeapon()
{
    CharacterState state;
    changeClass(state, QStringLiteral("암살자"));
    toggleStance(state, Stance::Eunsin);
    toggleStance(state, Stance::Namutomak);
    state.weaponAttack = 120;
    state.weapon.maxLife = 550;
    state.weapon.additionalDamage = 21;
    state.weaponEquipped = true;
    state.gemFlags[3] = true;
    state.gemStatKind = 4;
    state.pieceStats[1].accuracy = 98;
    state.accessories[2].attack = 9;
    state.synthesis[2][1] = 40;

    const ClassChange change = changeClass(state, QStringLiteral("검사"));
    QVERIFY(change.knownClass);
    QVERIFY(change.buttons[0].visible && change.buttons[1].visible);
    QVERIFY(!change.buttons[2].visible && !change.buttons[3].visible);
    QCOMPARE(change.buttons[0].picture, QStringLiteral("image/발도.jpg"));
    QCOMPARE(change.buttons[1].tooltip, QStringLiteral("[번개베기 2심화] 치명률 10% 증가"));
    for (bool on : state.stanceOn)
        QVERIFY(!on);
    QCOMPARE(state.stealthEvasionBonus, 0.0);
    QCOMPARE(state.stanceCritDamageBonus, 0.0);
    QCOMPARE(state.stanceEvasionBonus, 0.0);
    QCOMPARE(state.weaponAttack, 0.0);
    QVERIFY(state.weapon == WeaponSlot{});
    QVERIFY(!state.weaponEquipped);
    QCOMPARE(state.gemFlags, (std::array<bool, 8>{}));
    QCOMPARE(state.gemStatKind, std::int16_t(0));
    // Pieces, synthesis and accessories stay.
    QCOMPARE(state.pieceStats[1].accuracy, 98.0);
    QCOMPARE(state.accessories[2].attack, 9.0);
    QCOMPARE(state.synthesis[2][1], std::int16_t(40));
    QCOMPARE(text(computeSheet(state), SheetLabel::LifeTotal), QStringLiteral("13336"));
}

void TestStatSheet::unknownClassKeepsBaseValues()
{
    CharacterState state;
    changeClass(state, QStringLiteral("권사"));
    toggleStance(state, Stance::Imunjeongju);
    state.weaponEquipped = true;
    const ClassChange change = changeClass(state, QStringLiteral("궁사"));
    QVERIFY(!change.knownClass);
    QCOMPARE(state.classBase.evasion, 433.0); // step 2 skipped
    QCOMPARE(state.critRateBonus, 0.0);       // step 1 done
    QVERIFY(!state.weaponEquipped);           // step 3 done
}

void TestStatSheet::zeroDenominatorShowsZero()
{
    CharacterState state;
    state.pieceStats[1].penetration = -3420.063717;
    state.pieceStats[1].critical = -2367.805229;
    state.pieceStats[1].evasion = -3121.923;
    const StatSheet sheet = computeSheet(state);
    QCOMPARE(text(sheet, SheetLabel::PenetrationRate), QStringLiteral("0"));
    QCOMPARE(text(sheet, SheetLabel::CritRate), QStringLiteral("0"));
    QCOMPARE(text(sheet, SheetLabel::EvasionRate), QStringLiteral("0"));
    QCOMPARE(text(sheet, SheetLabel::ExpectedAttack).contains(u"n"), false);
}

void TestStatSheet::hugeValuesNeverShowInfinity()
{
    const double max = std::numeric_limits<double>::max();
    CharacterState state;
    for (int k = 1; k <= kPieceCount; ++k)
        for (Stat stat : kAllStats)
            state.pieceStats[k][stat] = max;
    state.weaponAttack = max;
    state.accessories[1].attack = max;
    state.accessories[2].critDamageBonus = -max;
    state.accessories[3].critDamageBonus = -max;
    state.weapon.additionalDamage = max;
    const StatSheet sheet = computeSheet(state);
    for (int i = 0; i < kSheetLabelCount; ++i) {
        const QString shown = sheetText(sheet, static_cast<SheetLabel>(i));
        QVERIFY2(!shown.contains(u"inf", Qt::CaseInsensitive) && !shown.contains(u"nan", Qt::CaseInsensitive),
                 qPrintable(QStringLiteral("%1 shows %2").arg(QString::fromLatin1(kSheetLabelNames[i]), shown)));
        QVERIFY(std::isfinite(sheet.figures[static_cast<std::size_t>(i)]));
    }
    QCOMPARE(text(sheet, SheetLabel::AttackTotal), QStringLiteral("1.79769313486232E+308"));
}

void TestStatSheet::totalsUseTheShownFigures()
{
    // A fractional typed-in value beyond 15 significant digits: the total adds the figure as shown.
    CharacterState state;
    state.pieceStats[1].accuracy = 0.1;
    state.pieceStats[2].accuracy = 0.2;
    const StatSheet sheet = computeSheet(state);
    QCOMPARE(text(sheet, SheetLabel::AccuracyEquipment), QStringLiteral("0.3"));
    QCOMPARE(sheet.totalAccuracy, 0.3); // 0.1 + 0.2 is 0.30000000000000004 before it is shown
}

QTEST_APPLESS_MAIN(TestStatSheet)
#include "tst_stat_sheet.moc"
