#include "engine/accessory_rules.h"
#include "engine/stat_sheet.h"

#include <QObject>
#include <QTest>

using namespace tessarin;

namespace {

// Ten different values, so a field written into its neighbour shows.
const AccessoryValues kTyped = {11, 12.5, 13, 14, 15, 16, 17, 18, 19, 2000};

double sheetFigure(const CharacterState& state, SheetLabel label)
{
    return computeSheet(state).figure(label);
}

} // namespace

class TestAccessoryRules : public QObject {
    Q_OBJECT

private slots:
    void slotTable_data();
    void slotTable();
    void captionsThatNameNoSlot_data();
    void captionsThatNameNoSlot();
    void equipWritesTheBoxesInFieldOrder();
    void removal_data();
    void removal();
    void sheetFollowsEquipAndRemoval();
};

void TestAccessoryRules::slotTable_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");

    QTest::newRow("1") << 1 << QStringLiteral("귀걸이1") << QStringLiteral("image/earing.jpg");
    QTest::newRow("2") << 2 << QStringLiteral("귀걸이2") << QStringLiteral("image/earing.jpg");
    QTest::newRow("3") << 3 << QStringLiteral("반지1") << QStringLiteral("image/ring.jpg");
    QTest::newRow("4") << 4 << QStringLiteral("반지2") << QStringLiteral("image/ring.jpg");
    QTest::newRow("5") << 5 << QStringLiteral("목걸이") << QStringLiteral("image/necklace.jpg");
}

void TestAccessoryRules::slotTable()
{
    QFETCH(int, slot);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QCOMPARE(accessoryName(slot), name);
    QCOMPARE(accessorySlotByName(name), slot);
    QCOMPARE(accessoryPicture(slot), picture);

    CharacterState state;
    QCOMPARE(equipAccessory(state, slot, kTyped), picture);
    QVERIFY(state.accessoryEquipped[slot]);
    for (int other = 1; other <= kAccessoryCount; ++other) {
        if (other == slot)
            continue;
        QVERIFY(!state.accessoryEquipped[other]);
        QCOMPARE(state.accessories[other], AccessorySlot{});
    }
}

void TestAccessoryRules::captionsThatNameNoSlot_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("empty") << QString();
    QTest::newRow("window title before a slot captions it") << QStringLiteral("Form10");
    QTest::newRow("without number") << QStringLiteral("반지");
    QTest::newRow("trailing blank") << QStringLiteral("목걸이 ");
    QTest::newRow("slot 6") << QStringLiteral("반지3");
}

void TestAccessoryRules::captionsThatNameNoSlot()
{
    QFETCH(QString, caption);
    QCOMPARE(accessorySlotByName(caption), 0);
    QCOMPARE(accessoryName(0), QString());
    QCOMPARE(accessoryName(6), QString());
    CharacterState state;
    QCOMPARE(equipAccessory(state, 0, kTyped), QString());
    QCOMPARE(equipAccessory(state, 6, kTyped), QString());
    QCOMPARE(state.accessories, CharacterState{}.accessories);
}

void TestAccessoryRules::equipWritesTheBoxesInFieldOrder()
{
    CharacterState state;
    equipAccessory(state, 3, kTyped);
    const AccessorySlot& ring = state.accessories[3];
    // Text1 .. Text10: 공격력, 치명타피해량, 관통, 명중, 치명, 방어, 막기, 회피, 추가 피해, 최대생명력.
    const AccessorySlot expected{11, 12.5, 13, 14, 15, 16, 17, 18, 19, 2000};
    QCOMPARE(ring, expected);

    // A second confirmation of the same slot replaces every value, fractions and signs as given.
    equipAccessory(state, 3, {-1.25, 0, 0, 0, 0, 0, 0, 0, 0, 0.5});
    QCOMPARE(state.accessories[3], (AccessorySlot{-1.25, 0, 0, 0, 0, 0, 0, 0, 0, 0.5}));
    QVERIFY(state.accessoryEquipped[3]);
}

void TestAccessoryRules::removal_data()
{
    QTest::addColumn<bool>("worn");
    QTest::newRow("worn: taken off") << true;
    QTest::newRow("empty: the editor opens instead") << false;
}

void TestAccessoryRules::removal()
{
    QFETCH(bool, worn);
    CharacterState state;
    equipAccessory(state, 5, kTyped);
    equipAccessory(state, 2, kTyped);
    if (!worn)
        state.accessoryEquipped[5] = false;
    const AccessorySlot before = state.accessories[5];

    QCOMPARE(removeAccessory(state, 5), worn);
    QVERIFY(!state.accessoryEquipped[5]);
    QCOMPARE(state.accessories[5], worn ? AccessorySlot{} : before);
    // The other slot keeps its accessory.
    QVERIFY(state.accessoryEquipped[2]);
    QCOMPARE(state.accessories[2].maxLife, 2000.0);
    QVERIFY(!removeAccessory(state, 0));
    QVERIFY(!removeAccessory(state, 6));
}

void TestAccessoryRules::sheetFollowsEquipAndRemoval()
{
    CharacterState state;
    equipAccessory(state, 1, kTyped);
    equipAccessory(state, 4, {0, 0, 0, 0, 0, 0, 0, 0, 0, 978});
    QCOMPARE(sheetFigure(state, SheetLabel::LifeEquipment), 2978.0);
    QCOMPARE(sheetFigure(state, SheetLabel::AttackEquipment), 11.0);
    QCOMPARE(sheetFigure(state, SheetLabel::AdditionalDamage), 19.0);

    removeAccessory(state, 1);
    QCOMPARE(sheetFigure(state, SheetLabel::LifeEquipment), 978.0);
    QCOMPARE(sheetFigure(state, SheetLabel::LifeTotal), 978.0);
    QCOMPARE(sheetFigure(state, SheetLabel::AttackEquipment), 0.0);
    QCOMPARE(sheetFigure(state, SheetLabel::PenetrationEquipment), 0.0);
    removeAccessory(state, 4);
    QCOMPARE(sheetFigure(state, SheetLabel::LifeTotal), 0.0);
}

QTEST_APPLESS_MAIN(TestAccessoryRules)
#include "tst_accessory_rules.moc"
