#include "data/classes.h"
#include "data/gems.h"
#include "data/weapons.h"

#include "weapon_test_support.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

using namespace tessarin;

namespace {

const QStringList kClasses = {"검사", "권사", "역사", "암살자", "기공사", "소환사"};

// The gem values typed a second time, rows in the order players list them (plain, then shining, per
// size); columns 공격력, 방어력, 회피율, 추가 피해, 막기 확률.
struct GemRow {
    int size;
    bool shining;
    std::array<double, 5> values;
};
constexpr std::array<GemRow, 8> kGemRows = {{
    {1, false, {4, 40, 3, 4, 5}},
    {1, true, {7, 80, 4, 7, 6}},
    {2, false, {8, 90, 5, 8, 7}},
    {2, true, {14, 180, 6, 14, 8}},
    {3, false, {15, 200, 7, 15, 9}},
    {3, true, {19, 280, 8, 19, 10}},
    {4, false, {21, 300, 9, 21, 11}},
    {4, true, {28, 470, 10, 28, 12}},
}};

// Sub-options of a dropped weapon as the weapon lists show them: "명중 94, 막기 39". Stats not named are 0.
StatBlock stats(const QString& text)
{
    StatBlock block;
    if (text.isEmpty())
        return block;
    for (const QString& part : text.split(QStringLiteral(", "))) {
        const qsizetype blank = part.lastIndexOf(QLatin1Char(' '));
        const QString name = part.left(blank);
        bool found = false;
        for (std::size_t i = 0; i < kStatNames.size(); ++i) {
            if (name == QString::fromUtf8(kStatNames[i])) {
                block[kAllStats[i]] = part.mid(blank + 1).toDouble();
                found = true;
            }
        }
        if (!found)
            qFatal("unknown stat in %s", qPrintable(text));
    }
    return block;
}

} // namespace

class TestWeaponTables : public QObject {
    Q_OBJECT

private slots:
    void gemValue_data();
    void gemValue();
    void gemKind_data();
    void gemKind();
    void gemStats();
    void gemListTexts();
    void subOptions_data();
    void subOptions();
    void everyRowIsReachable();
    void pictureName_data();
    void pictureName();
    void baseAttacks_data();
    void baseAttacks();
};

void TestWeaponTables::gemValue_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("stat");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("tooltip");
    const QStringList words = {"공격력 %1 증가", "방어력 %1 증가", "회피율 %1% 증가", "추가피해 %1 증가",
                               "막기 확률 %1% 증가"};
    for (const GemRow& row : kGemRows) {
        const int kind = row.size + (row.shining ? 4 : 0);
        for (int stat = 1; stat <= 5; ++stat) {
            const double value = row.values[static_cast<std::size_t>(stat - 1)];
            QTest::addRow("kind %d stat %d", kind, stat) << kind << stat << value << words[stat - 1].arg(value);
        }
    }
}

void TestWeaponTables::gemValue()
{
    QFETCH(int, kind);
    QFETCH(int, stat);
    QFETCH(double, value);
    QFETCH(QString, tooltip);
    QCOMPARE(tessarin::gemValue(kind, stat), value);
    QCOMPARE(gemTooltipText(kind, stat), tooltip);
}

void TestWeaponTables::gemKind_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("shining");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    QTest::newRow("삼각") << 1 << false << 1 << "삼각금강석"
                          << "image/삼금.gif";
    QTest::newRow("사각") << 2 << false << 2 << "사각금강석"
                          << "image/사금.gif";
    QTest::newRow("오각") << 3 << false << 3 << "오각금강석"
                          << "image/오금.gif";
    QTest::newRow("육각") << 4 << false << 4 << "육각금강석"
                          << "image/육금.gif";
    QTest::newRow("빛나는 삼각") << 1 << true << 5 << "빛나는 삼각금강석"
                                 << "image/삼금.gif";
    QTest::newRow("빛나는 사각") << 2 << true << 6 << "빛나는 사각금강석"
                                 << "image/사금.gif";
    QTest::newRow("빛나는 오각") << 3 << true << 7 << "빛나는 오각금강석"
                                 << "image/오금.gif";
    QTest::newRow("빛나는 육각") << 4 << true << 8 << "빛나는 육각금강석"
                                 << "image/육금.gif";
}

void TestWeaponTables::gemKind()
{
    QFETCH(int, size);
    QFETCH(bool, shining);
    QFETCH(int, flag);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QCOMPARE(tessarin::gemKind(size, shining), flag);
    QCOMPARE(gemKindSize(flag), size);
    QCOMPARE(gemKindShining(flag), shining);
    QCOMPARE(gemTooltipName(flag), name);
    QCOMPARE(gemPicture(flag), picture);
}

void TestWeaponTables::gemStats()
{
    const QStringList captions = {"공격력", "방어력", "회피율", "추가 피해", "막기 확률"};
    const std::array<double WeaponSlot::*, 5> fields = {&WeaponSlot::attackBonus, &WeaponSlot::defenceBonus,
                                                        &WeaponSlot::evasionRateBonus, &WeaponSlot::additionalDamage,
                                                        &WeaponSlot::blockRateBonus};
    for (std::size_t i = 0; i < 5; ++i) {
        const GemStatInfo& info = tessarin::gemStats()[i];
        QCOMPARE(info.code, static_cast<std::int16_t>(i + 1));
        QCOMPARE(QString::fromUtf8(info.caption), captions[static_cast<qsizetype>(i)]);
        QVERIFY(info.field == fields[i]);
    }
}

void TestWeaponTables::gemListTexts()
{
    const QStringList texts = {"삼각 금강석", "사각 금강석", "오각 금강석", "육각 금강석"};
    for (int size = 1; size <= 4; ++size)
        QCOMPARE(gemSizeOfListText(texts[size - 1]), size);
    for (const QString& other :
         {QString(), QStringLiteral("오각금강석"), QStringLiteral("오각 금강석 "), QStringLiteral("칠각 금강석")})
        QCOMPARE(gemSizeOfListText(other), 0);
}

void TestWeaponTables::subOptions_data()
{
    QTest::addColumn<WeaponSource>("source");
    QTest::addColumn<QString>("classText");
    QTest::addColumn<bool>("found");
    QTest::addColumn<StatBlock>("expected");

    // The dungeon weapons, one row per class, as the drop lists give them.
    struct Typed {
        WeaponSource source;
        const char* classes;
        const char* stats;
    };
    const std::array<Typed, 17> typed = {{
        {WeaponSource::Ruins, "검사", "명중 94, 막기 39"},
        {WeaponSource::Ruins, "권사 암살자 기공사", "명중 94, 회피 39"},
        {WeaponSource::Ruins, "역사", "명중 94, 방어 39"},
        {WeaponSource::Ruins, "소환사", "명중 94, 최대생명력 390"},
        {WeaponSource::Lair, "검사", "치명 94, 막기 39"},
        {WeaponSource::Lair, "권사 암살자 기공사", "치명 94, 회피 39"},
        {WeaponSource::Lair, "역사", "치명 94, 방어 39"},
        {WeaponSource::Lair, "소환사", "치명 94, 최대생명력 390"},
        {WeaponSource::Paradise, "검사 권사 역사 암살자 기공사 소환사 직업 마법사", "관통 39, 치명 94"},
        {WeaponSource::Nest, "검사", "막기 94, 최대생명력 390"},
        {WeaponSource::Nest, "권사 암살자 기공사 소환사", "회피 94, 최대생명력 390"},
        {WeaponSource::Nest, "역사", "방어 94, 최대생명력 390"},
        {WeaponSource::SeaSerpentTrio, "검사 권사 역사 암살자 기공사 소환사 직업 마법사", "관통 46, 치명 111"},
        {WeaponSource::Pohwaran, "검사", "치명 131, 막기 55"},
        {WeaponSource::Pohwaran, "권사 암살자 기공사", "치명 131, 회피 55"},
        {WeaponSource::Pohwaran, "역사", "치명 131, 방어 55"},
        {WeaponSource::Pohwaran, "소환사", "치명 131, 최대생명력 550"},
    }};
    for (const Typed& row : typed)
        for (const QString& name : QString::fromUtf8(row.classes).split(QLatin1Char(' ')))
            QTest::addRow("%s %s", weaponSourceInfo(row.source).caption, qPrintable(name))
                << row.source << name << true << stats(QString::fromUtf8(row.stats));
    // Texts that are no class: the class-dependent rows have nothing for them.
    for (WeaponSource source : {WeaponSource::Ruins, WeaponSource::Lair, WeaponSource::Nest, WeaponSource::Pohwaran})
        for (const QString& text : {QStringLiteral("직업"), QStringLiteral(""), QStringLiteral("검사 ")})
            QTest::addRow("%s '%s'", weaponSourceInfo(source).caption, qPrintable(text))
                << source << text << false << StatBlock{};
    QTest::newRow("기타 무기 has no row") << WeaponSource::Free << QStringLiteral("검사") << false << StatBlock{};
}

void TestWeaponTables::subOptions()
{
    QFETCH(WeaponSource, source);
    QFETCH(QString, classText);
    QFETCH(bool, found);
    QFETCH(StatBlock, expected);
    const WeaponSubOptionRow* row = weaponSubOptions(source, classText);
    QCOMPARE(row != nullptr, found);
    if (row)
        QCOMPARE(row->stats, expected);
}

void TestWeaponTables::everyRowIsReachable()
{
    // A row that no class reaches (a class name misspelt in the table) would never be written.
    for (const WeaponSubOptionRow& row : weaponSubOptionRows()) {
        bool reached = false;
        for (const QString& name : kClasses)
            reached = reached || weaponSubOptions(row.source, name) == &row;
        QVERIFY2(reached, weaponSourceInfo(row.source).caption);
    }
}

void TestWeaponTables::pictureName_data()
{
    QTest::addColumn<QString>("classText");
    QTest::addColumn<WeaponSource>("source");
    QTest::addColumn<QString>("picture");
    const QStringList stems = {"blade", "globe", "axe", "knife", "tablet", "stick"};
    const QStringList suffixes = {"41", "42", "43", "44", "P123", "P", "g"};
    for (int c = 0; c < 6; ++c)
        for (int s = 0; s < kWeaponSourceCount; ++s)
            QTest::addRow("%s-%s", qPrintable(stems[c]), qPrintable(suffixes[s]))
                << kClasses[c] << static_cast<WeaponSource>(s)
                << QStringLiteral("image/%1-%2.jpg").arg(stems[c], suffixes[s]);
    QTest::newRow("직업") << QStringLiteral("직업") << WeaponSource::Ruins << QString();
    QTest::newRow("typed text") << QStringLiteral("blade") << WeaponSource::Free << QString();
}

void TestWeaponTables::pictureName()
{
    QFETCH(QString, classText);
    QFETCH(WeaponSource, source);
    QFETCH(QString, picture);
    QCOMPARE(weaponPictureName(classText, source), picture);
}

void TestWeaponTables::baseAttacks_data()
{
    QTest::addColumn<WeaponSource>("source");
    QTest::addColumn<QStringList>("items");
    const QStringList dungeon = {"185", "181", "173", "165", "157"};
    QTest::newRow("영린족 유적지") << WeaponSource::Ruins << dungeon;
    QTest::newRow("거미 둥지") << WeaponSource::Nest << dungeon;
    QTest::newRow("발라라, 태장금, 막소보") << WeaponSource::SeaSerpentTrio << QStringList{"204", "195", "186"};
    QTest::newRow("포화란") << WeaponSource::Pohwaran << QStringList{"242", "231", "220", "209", "198"};
}

void TestWeaponTables::baseAttacks()
{
    QFETCH(WeaponSource, source);
    QFETCH(QStringList, items);
    QCOMPARE(weaponBaseAttacks(source), items);
}

QTEST_APPLESS_MAIN(TestWeaponTables)
#include "tst_weapon_tables.moc"
