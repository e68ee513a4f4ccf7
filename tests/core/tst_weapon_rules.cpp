#include "engine/class_rules.h"
#include "engine/weapon_rules.h"

#include "weapon_test_support.h"

#include <QObject>
#include <QTest>

using namespace tessarin;

namespace {

using Flags = std::array<bool, 8>;

Flags flag(int kind)
{
    Flags flags{};
    if (kind)
        flags[static_cast<std::size_t>(kind - 1)] = true;
    return flags;
}

// A state with a class and a weapon as a previous editor left it.
CharacterState withClass(const char* classText)
{
    CharacterState state;
    state.classText = QString::fromUtf8(classText);
    return state;
}

} // namespace

class TestWeaponRules : public QObject {
    Q_OBJECT

private slots:
    void fitGem_data();
    void fitGem();
    void dungeonWeapon_data();
    void dungeonWeapon();
    void seaSerpentTimer_data();
    void seaSerpentTimer();
    void seaSerpentWeapon();
    void freeWeapon();
    void secondEditorReplacesWeapon_data();
    void secondEditorReplacesWeapon();
};

void TestWeaponRules::fitGem_data()
{
    QTest::addColumn<GemChoice>("choice");
    QTest::addColumn<int>("statKind");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<WeaponSlot>("weapon");

    QTest::newRow("없음 with a size") << GemChoice{0, true, 4} << 0 << 0 << QString() << WeaponSlot{};
    QTest::newRow("stat without a size") << GemChoice{2, true, 0} << 2 << 0 << QString() << WeaponSlot{};
    WeaponSlot defence;
    defence.defenceBonus = 280;
    QTest::newRow("빛나는 오각 방어력") << GemChoice{2, true, 3} << 2 << 7 << "image/오금.gif" << defence;
    WeaponSlot additional;
    additional.additionalDamage = 21;
    QTest::newRow("육각 추가 피해") << GemChoice{4, false, 4} << 4 << 4 << "image/육금.gif" << additional;
    WeaponSlot block;
    block.blockRateBonus = 8;
    QTest::newRow("빛나는 사각 막기 확률") << GemChoice{5, true, 2} << 5 << 6 << "image/사금.gif" << block;
    WeaponSlot evasion;
    evasion.evasionRateBonus = 3;
    QTest::newRow("삼각 회피율") << GemChoice{3, false, 1} << 3 << 1 << "image/삼금.gif" << evasion;
    WeaponSlot attack;
    attack.attackBonus = 28;
    QTest::newRow("빛나는 육각 공격력") << GemChoice{1, true, 4} << 1 << 8 << "image/육금.gif" << attack;
}

void TestWeaponRules::fitGem()
{
    QFETCH(GemChoice, choice);
    QFETCH(int, statKind);
    QFETCH(int, kind);
    QFETCH(QString, picture);
    QFETCH(WeaponSlot, weapon);
    CharacterState state;
    QCOMPARE(tessarin::fitGem(state, choice), picture);
    QCOMPARE(state.gemStatKind, static_cast<std::int16_t>(statKind));
    QCOMPARE(state.gemFlags, flag(kind));
    QVERIFY(state.weapon == weapon);
    QVERIFY(!state.weaponEquipped); // the gem alone equips nothing
}

void TestWeaponRules::dungeonWeapon_data()
{
    QTest::addColumn<QString>("classText");
    QTest::addColumn<WeaponSource>("dungeon");
    QTest::addColumn<StatBlock>("subOptions");
    QTest::addColumn<QString>("picture");
    QTest::newRow("거미 둥지 소환사") << "소환사" << WeaponSource::Nest << StatBlock{0, 0, 0, 0, 0, 94, 390}
                                      << "image/stick-44.jpg";
    QTest::newRow("낙원 사원 암살자") << "암살자" << WeaponSource::Paradise << StatBlock{39, 0, 94, 0, 0, 0, 0}
                                      << "image/knife-42.jpg";
    QTest::newRow("홍돈족 소굴 기공사") << "기공사" << WeaponSource::Lair << StatBlock{0, 0, 94, 0, 0, 39, 0}
                                        << "image/tablet-43.jpg";
    // A typed text that is no class: only 낙원 사원's sub-options, and no picture.
    QTest::newRow("낙원 사원 typed") << "검" << WeaponSource::Paradise << StatBlock{39, 0, 94, 0, 0, 0, 0} << QString();
    QTest::newRow("영린족 유적지 typed") << "검" << WeaponSource::Ruins << StatBlock{7, 7, 7, 7, 7, 7, 7} << QString();
}

void TestWeaponRules::dungeonWeapon()
{
    QFETCH(QString, classText);
    QFETCH(WeaponSource, dungeon);
    QFETCH(StatBlock, subOptions);
    QFETCH(QString, picture);
    CharacterState state;
    state.classText = classText;
    // What a cancelled sea-serpent preview of an older version could have left: kept where nothing is written.
    static_cast<StatBlock&>(state.weapon) = StatBlock{7, 7, 7, 7, 7, 7, 7};
    const EquippedWeapon shown = equipDungeonWeapon(state, dungeon, 157, GemChoice{1, true, 4});
    QCOMPARE(static_cast<const StatBlock&>(state.weapon), subOptions);
    QCOMPARE(shown.weaponPicture, picture);
    QCOMPARE(shown.gemPicture, QStringLiteral("image/육금.gif"));
    QVERIFY(!shown.replaced);
    QCOMPARE(state.weaponAttack, 157.0);
    QCOMPARE(state.weapon.attackBonus, 28.0);
    QVERIFY(state.weaponEquipped);
}

void TestWeaponRules::seaSerpentTimer_data()
{
    QTest::addColumn<QString>("classText");
    QTest::addColumn<WeaponSource>("boss");
    QTest::addColumn<StatBlock>("subOptions");
    QTest::newRow("포화란 소환사") << "소환사" << WeaponSource::Pohwaran << StatBlock{0, 0, 131, 0, 0, 0, 550};
    QTest::newRow("포화란 역사") << "역사" << WeaponSource::Pohwaran << StatBlock{0, 0, 131, 55, 0, 0, 0};
    QTest::newRow("포화란 typed") << "마법사" << WeaponSource::Pohwaran << StatBlock{0, 0, 131, 4, 5, 6, 7};
    QTest::newRow("발라라 typed") << "마법사" << WeaponSource::SeaSerpentTrio << StatBlock{46, 0, 111, 0, 0, 0, 0};
    QTest::newRow("발라라 검사") << "검사" << WeaponSource::SeaSerpentTrio << StatBlock{46, 0, 111, 0, 0, 0, 0};
}

void TestWeaponRules::seaSerpentTimer()
{
    QFETCH(QString, classText);
    QFETCH(WeaponSource, boss);
    QFETCH(StatBlock, subOptions);
    CharacterState state;
    state.classText = classText;
    static_cast<StatBlock&>(state.weapon) = StatBlock{1, 2, 3, 4, 5, 6, 7};
    writeSeaSerpentSubOptions(state, boss);
    QCOMPARE(static_cast<const StatBlock&>(state.weapon), subOptions);
    QVERIFY(!state.weaponEquipped);
}

void TestWeaponRules::seaSerpentWeapon()
{
    CharacterState state = withClass("역사");
    writeSeaSerpentSubOptions(state, WeaponSource::Pohwaran);
    const EquippedWeapon shown = equipSeaSerpentWeapon(state, WeaponSource::Pohwaran, 242, GemChoice{2, false, 0});
    QCOMPARE(shown.weaponPicture, QStringLiteral("image/axe-P.jpg"));
    QCOMPARE(shown.gemPicture, QString());
    QCOMPARE(static_cast<const StatBlock&>(state.weapon), (StatBlock{0, 0, 131, 55, 0, 0, 0}));
    QCOMPARE(state.weaponAttack, 242.0);
    QCOMPARE(state.gemStatKind, std::int16_t(2));
    QCOMPARE(state.gemFlags, Flags{});
    QVERIFY(state.weaponEquipped);
}

void TestWeaponRules::freeWeapon()
{
    CharacterState state = withClass("역사");
    state.weapon.maxLife = 550; // left by a cancelled preview: the free weapon has no box for it
    const EquippedWeapon shown = equipFreeWeapon(state, 12.5, {-3.5, 0, 1e-3, 4, 5, 6}, GemChoice{5, true, 2});
    QCOMPARE(shown.weaponPicture, QStringLiteral("image/axe-g.jpg"));
    QCOMPARE(shown.gemPicture, QStringLiteral("image/사금.gif"));
    QCOMPARE(static_cast<const StatBlock&>(state.weapon), (StatBlock{-3.5, 0, 1e-3, 4, 5, 6, 550}));
    QCOMPARE(state.weapon.blockRateBonus, 8.0);
    QCOMPARE(state.weaponAttack, 12.5);
    QCOMPARE(state.gemFlags, flag(6));
}

void TestWeaponRules::secondEditorReplacesWeapon_data()
{
    QTest::addColumn<int>("second"); // 0 dungeon, 1 sea serpent, 2 free
    QTest::addColumn<StatBlock>("subOptions");
    QTest::addColumn<WeaponSlot>("bonuses");
    QTest::addColumn<int>("kind");
    WeaponSlot none;
    QTest::newRow("dungeon") << 0 << StatBlock{0, 0, 0, 0, 94, 0, 390} << none << 0;
    WeaponSlot evasion;
    evasion.evasionRateBonus = 9;
    QTest::newRow("sea serpent") << 1 << StatBlock{0, 0, 131, 0, 55, 0, 0} << evasion << 4;
    QTest::newRow("free") << 2 << StatBlock{1, 2, 3, 4, 5, 6, 0} << none << 0;
}

void TestWeaponRules::secondEditorReplacesWeapon()
{
    QFETCH(int, second);
    QFETCH(StatBlock, subOptions);
    QFETCH(WeaponSlot, bonuses);
    QFETCH(int, kind);
    // The first weapon: a 소환사's 영린족 유적지 weapon with a 빛나는 육각 방어력 gem.
    CharacterState state = withClass("소환사");
    equipDungeonWeapon(state, WeaponSource::Ruins, 185, GemChoice{2, true, 4});
    state.classText = QStringLiteral("검사");
    EquippedWeapon shown;
    switch (second) {
    case 0: shown = equipDungeonWeapon(state, WeaponSource::Nest, 165, GemChoice{}); break;
    case 1:
        writeSeaSerpentSubOptions(state, WeaponSource::Pohwaran); // the preview, while the first is worn
        shown = equipSeaSerpentWeapon(state, WeaponSource::Pohwaran, 165, GemChoice{3, false, 4});
        break;
    default: shown = equipFreeWeapon(state, 165, {1, 2, 3, 4, 5, 6}, GemChoice{}); break;
    }
    QVERIFY(shown.replaced);
    WeaponSlot expected = bonuses;
    static_cast<StatBlock&>(expected) = subOptions;
    QVERIFY(state.weapon == expected);
    QCOMPARE(state.gemFlags, flag(kind));
    QCOMPARE(state.gemStatKind, static_cast<std::int16_t>(kind ? 3 : 0));
    QCOMPARE(state.weaponAttack, 165.0);
    QVERIFY(state.weaponEquipped);
}

QTEST_APPLESS_MAIN(TestWeaponRules)
#include "tst_weapon_rules.moc"
