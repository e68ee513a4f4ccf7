#include "engine/accessory_rules.h"
#include "engine/stat_sheet.h"

#include <QObject>
#include <QTest>

using namespace tessarin;

class TestAccessoryRules : public QObject {
    Q_OBJECT

private slots:
    void slotTable_data();
    void slotTable();
    void captionsThatNameNoSlot();
    void hugeValuesNeverShowInfinity();
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

// Names, pictures, the order the boxes fill the fields in, and removal, slot by slot.
void TestAccessoryRules::slotTable()
{
    QFETCH(int, slot);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QCOMPARE(accessoryName(slot), name);
    QCOMPARE(accessorySlotByName(name), slot);

    CharacterState state;
    // Text1 .. Text10: 공격력, 치명타피해량, 관통, 명중, 치명, 방어, 막기, 회피, 추가 피해, 최대생명력.
    QCOMPARE(equipAccessory(state, slot, {11, 12.5, 13, 14, 15, 16, 17, -18, 19, 2000}), picture);
    QCOMPARE(state.accessories[slot], (AccessorySlot{11, 12.5, 13, 14, 15, 16, 17, -18, 19, 2000}));
    QVERIFY(state.accessoryEquipped[slot]);
    for (int other = 1; other <= kAccessoryCount; ++other)
        QVERIFY(other == slot || (!state.accessoryEquipped[other] && state.accessories[other] == AccessorySlot{}));

    QVERIFY(removeAccessory(state, slot));
    QVERIFY(!state.accessoryEquipped[slot]);
    QCOMPARE(state.accessories[slot], AccessorySlot{});
    QVERIFY(!removeAccessory(state, slot)); // empty: the editor opens instead
}

void TestAccessoryRules::captionsThatNameNoSlot()
{
    for (const QString& caption : {QString(), QStringLiteral("Form10"), QStringLiteral("반지"),
                                   QStringLiteral("목걸이 "), QStringLiteral("반지3")})
        QCOMPARE(accessorySlotByName(caption), 0);
    CharacterState state;
    QCOMPARE(equipAccessory(state, 0, {1}), QString());
    QCOMPARE(equipAccessory(state, 6, {1}), QString());
    QVERIFY(!removeAccessory(state, 0));
    QCOMPARE(state.accessories, CharacterState{}.accessories);
}

// The largest numbers the boxes read, worn twice, add up beyond a double: the sheet still shows figures.
void TestAccessoryRules::hugeValuesNeverShowInfinity()
{
    CharacterState state;
    AccessoryValues huge;
    huge.fill(1.7e308);
    equipAccessory(state, 1, huge);
    equipAccessory(state, 2, huge);
    const StatSheet sheet = computeSheet(state);
    for (int label = 0; label < kSheetLabelCount; ++label) {
        const QString text = sheetText(sheet, static_cast<SheetLabel>(label));
        QVERIFY2(!text.contains(QStringLiteral("inf"), Qt::CaseInsensitive) && !text.contains(QStringLiteral("nan")),
                 qPrintable(text));
    }
    QCOMPARE(sheetText(sheet, SheetLabel::LifeTotal), QStringLiteral("1.79769313486232E+308"));
}

QTEST_APPLESS_MAIN(TestAccessoryRules)
#include "tst_accessory_rules.moc"
