#include "engine/soulshield_rules.h"

#include "data/catalogue.h"
#include "state/character_state.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

#include <array>

using namespace tessarin;

Q_DECLARE_METATYPE(tessarin::StatBlock)

namespace {

QString statText(const StatBlock& s)
{
    return QStringLiteral("관통 %1, 명중 %2, 치명 %3, 방어 %4, 막기 %5, 회피 %6, 최대생명력 %7")
        .arg(s.penetration)
        .arg(s.accuracy)
        .arg(s.critical)
        .arg(s.defence)
        .arg(s.block)
        .arg(s.evasion)
        .arg(s.maxLife);
}

} // namespace

namespace tessarin {

char* toString(const StatBlock& s)
{
    return qstrdup(statText(s).toUtf8().constData());
}

} // namespace tessarin

namespace {

struct Counts {
    int lost = 0;
    int seaSerpent = 0;
    int free = 0;
};

// The counts as the flags say they should be: row 1, rows 2 and 3 together, row 4.
Counts countsFromFlags(const CharacterState& s)
{
    Counts c;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        c.lost += s.pieceEquipped[1][piece] ? 1 : 0;
        c.seaSerpent += (s.pieceEquipped[2][piece] ? 1 : 0) + (s.pieceEquipped[3][piece] ? 1 : 0);
        c.free += s.pieceEquipped[4][piece] ? 1 : 0;
    }
    return c;
}

// Everything the record holds about one position, as text, so that a failed comparison shows what moved.
QString positionText(const CharacterState& s, int piece)
{
    QStringList parts;
    for (int row = 1; row <= kBoardRows; ++row)
        parts << QStringLiteral("row%1=%2").arg(row).arg(s.pieceEquipped[row][piece]);
    parts << statText(s.pieceStats[piece]);
    parts << QStringLiteral("max=%1").arg(s.synthesisMax[piece]);
    for (int stat = 1; stat <= static_cast<int>(kSynthStatCount); ++stat)
        parts << QStringLiteral("syn%1=%2").arg(stat).arg(s.synthesis[stat][piece]);
    return parts.join(QLatin1Char(' '));
}

// Writes a piece straight into the record, the way a consistent record holds it, without the rules
// under test: flag, count, stats, synthesis maximum and one synthesized stat.
void placePiece(CharacterState& s, int row, int piece)
{
    s.pieceEquipped[row][piece] = true;
    switch (row) {
    case 1: ++s.lostSetCount; break;
    case 2:
    case 3: ++s.seaSerpentSetCount; break;
    default: ++s.freeSetCount; break;
    }
    s.pieceStats[piece] = StatBlock{.penetration = 3.0 * piece,
                                    .accuracy = 10.0 * row,
                                    .critical = 7,
                                    .defence = 11,
                                    .block = 13,
                                    .evasion = 17,
                                    .maxLife = 100.0 * piece};
    s.synthesisMax[piece] = static_cast<std::int16_t>(60 + piece);
    s.synthesis[(piece % 6) + 1][piece] = static_cast<std::int16_t>(20 + row);
}

// A board with a piece at every position except `free`, drawn from all four rows, and `prior` (0 for
// none) at `free` itself.
CharacterState boardAround(int free, int prior)
{
    static constexpr std::array<int, kPieceCount> rows = {1, 2, 3, 4, 1, 3, 4, 2};
    CharacterState s;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (piece != free)
            placePiece(s, rows[static_cast<std::size_t>(piece - 1)], piece);
    }
    if (prior != 0)
        placePiece(s, prior, free);
    return s;
}

void addCountColumns()
{
    QTest::addColumn<int>("lostChange");
    QTest::addColumn<int>("seaSerpentChange");
    QTest::addColumn<int>("freeChange");
}

} // namespace

class TestSoulshieldRules : public QObject {
    Q_OBJECT

private:
    static void verifyOtherPositionsKept(const CharacterState& before, const CharacterState& after, int piece);
    static void verifyCounts(const CharacterState& before, const CharacterState& after);

private slots:
    void equip_data();
    void equip();
    void equipEveryPiece_data();
    void equipEveryPiece();
    void remove_data();
    void remove();
    void removeOutOfRange_data();
    void removeOutOfRange();
    void removeNeverCountsBelowZero_data();
    void removeNeverCountsBelowZero();
    void setCountOfRow_data();
    void setCountOfRow();
    void fillSwapAndEmptyTheShield();
};

void TestSoulshieldRules::verifyOtherPositionsKept(const CharacterState& before, const CharacterState& after, int piece)
{
    for (int other = 1; other <= kPieceCount; ++other) {
        if (other != piece)
            QCOMPARE(positionText(after, other), positionText(before, other));
    }
}

// Compares the change of every count with the test's expected change, and every count with the flags.
void TestSoulshieldRules::verifyCounts(const CharacterState& before, const CharacterState& after)
{
    QFETCH(int, lostChange);
    QFETCH(int, seaSerpentChange);
    QFETCH(int, freeChange);

    QCOMPARE(after.lostSetCount - before.lostSetCount, lostChange);
    QCOMPARE(after.seaSerpentSetCount - before.seaSerpentSetCount, seaSerpentChange);
    QCOMPARE(after.freeSetCount - before.freeSetCount, freeChange);
    const Counts fromFlags = countsFromFlags(after);
    QCOMPARE(after.lostSetCount, fromFlags.lost);
    QCOMPARE(after.seaSerpentSetCount, fromFlags.seaSerpent);
    QCOMPARE(static_cast<int>(after.freeSetCount), fromFlags.free);
}

void TestSoulshieldRules::equip_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("prior");
    QTest::addColumn<double>("mainValue");
    QTest::addColumn<int>("subOption");
    QTest::addColumn<double>("subValue");
    QTest::addColumn<StatBlock>("stats");
    QTest::addColumn<int>("synthesisMax");
    QTest::addColumn<QString>("picture");
    addCountColumns();

    QTest::newRow("영린족 2번, 방어 34") << 1 << 2 << 0 << 870.0 << 2 << 34.0
                                         << StatBlock{.defence = 34, .maxLife = 870} << 81
                                         << QStringLiteral("image/lost-2.gif") << 1 << 0 << 0;
    QTest::newRow("최상급 7번, 방어") << 2 << 7 << 0 << 130.0 << 2 << 52.0 << StatBlock{.defence = 52, .block = 130}
                                      << 110 << QStringLiteral("image/pohwaran-7.gif") << 0 << 1 << 0;
    QTest::newRow("영린족 8번, 최대생명력 570")
        << 1 << 8 << 0 << 115.0 << 3 << 570.0 << StatBlock{.critical = 115, .maxLife = 570} << 107
        << QStringLiteral("image/lost-8.gif") << 1 << 0 << 0;
    QTest::newRow("최상급 4번, 최대생명력 sub-option 2")
        << 2 << 4 << 0 << 111.0 << 2 << 560.0 << StatBlock{.defence = 111, .maxLife = 560} << 94
        << QStringLiteral("image/pohwaran-4.gif") << 0 << 1 << 0;
    QTest::newRow("영린족 6번, label 명증, stat 명중")
        << 1 << 6 << 0 << 126.0 << 1 << 53.0 << StatBlock{.accuracy = 126, .defence = 53} << 99
        << QStringLiteral("image/lost-6.gif") << 1 << 0 << 0;
    QTest::newRow("no sub-option chosen") << 2 << 4 << 0 << 131.0 << 0 << 56.0 << StatBlock{.defence = 131} << 94
                                          << QStringLiteral("image/pohwaran-4.gif") << 0 << 1 << 0;
    QTest::newRow("최상급 over 영웅 of the same number")
        << 2 << 3 << 3 << 107.0 << 1 << 54.0 << StatBlock{.block = 54, .evasion = 107} << 90
        << QStringLiteral("image/pohwaran-3.gif") << 0 << 0 << 0;
    QTest::newRow("영웅 over 최상급") << 3 << 5 << 2 << 170.0 << 3 << 72.0 << StatBlock{.critical = 72, .evasion = 170}
                                      << 121 << QStringLiteral("image/pohwaran-5.gif") << 0 << 0 << 0;
    QTest::newRow("영린족 over 기타") << 1 << 4 << 4 << 95.0 << 1 << 47.0 << StatBlock{.block = 47, .evasion = 95} << 88
                                      << QStringLiteral("image/lost-4.gif") << 1 << 0 << -1;
    QTest::newRow("영웅 over 기타") << 3 << 6 << 4 << 1760.0 << 1 << 75.0 << StatBlock{.block = 75, .maxLife = 1760}
                                    << 126 << QStringLiteral("image/pohwaran-6.gif") << 0 << 1 << -1;
    QTest::newRow("최상급 over 영린족") << 2 << 1 << 1 << 97.0 << 2 << 49.0 << StatBlock{.accuracy = 97, .defence = 49}
                                        << 82 << QStringLiteral("image/pohwaran-1.gif") << -1 << 1 << 0;
    QTest::newRow("영린족 over 영웅") << 1 << 7 << 3 << 91.0 << 3 << 44.0 << StatBlock{.critical = 91, .defence = 44}
                                      << 103 << QStringLiteral("image/lost-7.gif") << 1 << -1 << 0;
    // The board never reopens the editor of an equipped piece, but a second confirm must not count it twice.
    QTest::newRow("same piece confirmed again")
        << 1 << 3 << 1 << 91.0 << 2 << 36.0 << StatBlock{.critical = 36, .block = 91} << 85
        << QStringLiteral("image/lost-3.gif") << 0 << 0 << 0;
    QTest::newRow("same 영웅 piece confirmed again")
        << 3 << 8 << 3 << 160.0 << 3 << 640.0 << StatBlock{.critical = 160, .maxLife = 640} << 135
        << QStringLiteral("image/pohwaran-8.gif") << 0 << 0 << 0;
}

void TestSoulshieldRules::equip()
{
    QFETCH(int, row);
    QFETCH(int, piece);
    QFETCH(int, prior);
    QFETCH(double, mainValue);
    QFETCH(int, subOption);
    QFETCH(double, subValue);
    QFETCH(StatBlock, stats);
    QFETCH(int, synthesisMax);
    QFETCH(QString, picture);

    const CharacterState before = boardAround(piece, prior);
    CharacterState after = before;
    const CatalogueEntry* entry = catalogueEntry(row, piece);
    QVERIFY(entry != nullptr);

    QCOMPARE(equipCataloguePiece(after, *entry, mainValue, subOption, subValue), picture);

    QCOMPARE(after.pieceStats[piece], stats);
    QCOMPARE(static_cast<int>(after.synthesisMax[piece]), synthesisMax);
    for (int stat = 1; stat <= static_cast<int>(kSynthStatCount); ++stat)
        QCOMPARE(static_cast<int>(after.synthesis[stat][piece]), 0);
    for (int r = 1; r <= kBoardRows; ++r)
        QCOMPARE(after.pieceEquipped[r][piece], r == row);
    verifyCounts(before, after);
    if (QTest::currentTestFailed())
        return;
    verifyOtherPositionsKept(before, after, piece);
}

void TestSoulshieldRules::equipEveryPiece_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("synthesisMax");

    static constexpr int maxima[3][kPieceCount] = {{77, 81, 85, 88, 96, 99, 103, 107},
                                                   {82, 86, 90, 94, 102, 106, 110, 114},
                                                   {98, 102, 107, 112, 121, 126, 130, 135}};
    for (int row = 1; row <= 3; ++row) {
        for (int piece = 1; piece <= kPieceCount; ++piece)
            QTest::addRow("row %d piece %d", row, piece) << row << piece << maxima[row - 1][piece - 1];
    }
}

// Every piece lands at its own position with its own synthesis maximum, over a synthesized free-entry
// piece whose maximum must not survive.
void TestSoulshieldRules::equipEveryPiece()
{
    QFETCH(int, row);
    QFETCH(int, piece);
    QFETCH(int, synthesisMax);

    const CharacterState before = boardAround(piece, 4);
    CharacterState after = before;
    const CatalogueEntry* entry = catalogueEntry(row, piece);
    QVERIFY(entry != nullptr);
    equipCataloguePiece(after, *entry, entry->mainValues[1], 1, entry->subOptions[0].values[1]);

    QCOMPARE(static_cast<int>(after.synthesisMax[piece]), synthesisMax);
    QVERIFY(after.pieceEquipped[row][piece]);
    QVERIFY(!after.pieceEquipped[4][piece]);
    QCOMPARE(after.freeSetCount - before.freeSetCount, -1);
    QCOMPARE(tessarin::setCountOfRow(after, row), tessarin::setCountOfRow(before, row) + 1);
    StatBlock expected;
    expected[entry->mainStat] = entry->mainValues[1];
    expected[entry->subOptions[0].stat] = entry->subOptions[0].values[1];
    QCOMPARE(after.pieceStats[piece], expected);
    verifyOtherPositionsKept(before, after, piece);
}

void TestSoulshieldRules::remove_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("prior");
    QTest::addColumn<bool>("removed");
    addCountColumns();

    QTest::newRow("영린족 3번") << 1 << 3 << 1 << true << -1 << 0 << 0;
    QTest::newRow("최상급 5번") << 2 << 5 << 2 << true << 0 << -1 << 0;
    QTest::newRow("영웅 5번 lowers the same count") << 3 << 5 << 3 << true << 0 << -1 << 0;
    QTest::newRow("영웅 1번") << 3 << 1 << 3 << true << 0 << -1 << 0;
    QTest::newRow("기타 8번") << 4 << 8 << 4 << true << 0 << 0 << -1;
    QTest::newRow("empty position") << 1 << 2 << 0 << false << 0 << 0 << 0;
    QTest::newRow("empty position, row 4") << 4 << 6 << 0 << false << 0 << 0 << 0;
    QTest::newRow("최상급 button over an 영웅 piece") << 2 << 7 << 3 << false << 0 << 0 << 0;
    QTest::newRow("영린족 button over a 기타 piece") << 1 << 4 << 4 << false << 0 << 0 << 0;
    QTest::newRow("기타 button over an 영린족 piece") << 4 << 2 << 1 << false << 0 << 0 << 0;
}

void TestSoulshieldRules::remove()
{
    QFETCH(int, row);
    QFETCH(int, piece);
    QFETCH(int, prior);
    QFETCH(bool, removed);

    const CharacterState before = boardAround(piece, prior);
    CharacterState after = before;

    QCOMPARE(removePiece(after, row, piece), removed);

    if (removed) {
        for (int r = 1; r <= kBoardRows; ++r)
            QVERIFY(!after.pieceEquipped[r][piece]);
        QCOMPARE(after.pieceStats[piece], StatBlock{});
        QCOMPARE(static_cast<int>(after.synthesisMax[piece]), 0);
        for (int stat = 1; stat <= static_cast<int>(kSynthStatCount); ++stat)
            QCOMPARE(static_cast<int>(after.synthesis[stat][piece]), 0);
    } else {
        QCOMPARE(positionText(after, piece), positionText(before, piece));
    }
    verifyCounts(before, after);
    if (QTest::currentTestFailed())
        return;
    verifyOtherPositionsKept(before, after, piece);
}

void TestSoulshieldRules::removeOutOfRange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");

    QTest::newRow("row 0") << 0 << 1;
    QTest::newRow("row 5") << 5 << 1;
    QTest::newRow("piece 0") << 1 << 0;
    QTest::newRow("piece 9") << 2 << 9;
}

void TestSoulshieldRules::removeOutOfRange()
{
    QFETCH(int, row);
    QFETCH(int, piece);

    const CharacterState before = boardAround(0, 0);
    CharacterState after = before;
    QVERIFY(!removePiece(after, row, piece));
    verifyOtherPositionsKept(before, after, 0);
    QCOMPARE(after.lostSetCount, before.lostSetCount);
    QCOMPARE(after.seaSerpentSetCount, before.seaSerpentSetCount);
    QCOMPARE(after.freeSetCount, before.freeSetCount);
}

void TestSoulshieldRules::removeNeverCountsBelowZero_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("lost");
    QTest::addColumn<int>("seaSerpent");
    QTest::addColumn<int>("free");

    // The flag says equipped while the row's count is already 0; the other counts must not move.
    QTest::newRow("row 1") << 1 << 0 << 5 << 5;
    QTest::newRow("row 2") << 2 << 5 << 0 << 5;
    QTest::newRow("row 3") << 3 << 5 << 0 << 5;
    QTest::newRow("row 4") << 4 << 5 << 5 << 0;
}

void TestSoulshieldRules::removeNeverCountsBelowZero()
{
    QFETCH(int, row);
    QFETCH(int, lost);
    QFETCH(int, seaSerpent);
    QFETCH(int, free);

    CharacterState s;
    s.pieceEquipped[row][5] = true;
    s.lostSetCount = 5;
    s.seaSerpentSetCount = 5;
    s.freeSetCount = 5;
    switch (row) {
    case 1: s.lostSetCount = 0; break;
    case 2:
    case 3: s.seaSerpentSetCount = 0; break;
    default: s.freeSetCount = 0; break;
    }

    QVERIFY(removePiece(s, row, 5));
    QVERIFY(!s.pieceEquipped[row][5]);
    QCOMPARE(s.lostSetCount, lost);
    QCOMPARE(s.seaSerpentSetCount, seaSerpent);
    QCOMPARE(static_cast<int>(s.freeSetCount), free);
}

void TestSoulshieldRules::setCountOfRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");

    QTest::newRow("row 1, 잃어버린 영린족") << 1 << 2;
    QTest::newRow("row 2, 바다뱀") << 2 << 5;
    QTest::newRow("row 3, 바다뱀") << 3 << 5;
    QTest::newRow("row 4, 기타") << 4 << 7;
    QTest::newRow("row 0") << 0 << 0;
    QTest::newRow("row 5") << 5 << 0;
}

void TestSoulshieldRules::setCountOfRow()
{
    QFETCH(int, row);
    QFETCH(int, count);

    CharacterState s;
    s.lostSetCount = 2;
    s.seaSerpentSetCount = 5;
    s.freeSetCount = 7;
    QCOMPARE(tessarin::setCountOfRow(s, row), count);
}

// A whole shield built from both sea-serpent grades, turned into the other set piece by piece and taken
// off again: the counts must follow the flags at every step and end at zero.
void TestSoulshieldRules::fillSwapAndEmptyTheShield()
{
    CharacterState s;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const CatalogueEntry* entry = catalogueEntry(piece % 2 == 0 ? 2 : 3, piece);
        equipCataloguePiece(s, *entry, entry->mainValues[0], 2, entry->subOptions[1].values[0]);
        s.synthesis[1][piece] = 9;
    }
    QCOMPARE(s.seaSerpentSetCount, 8);
    QCOMPARE(s.lostSetCount, 0);

    for (int piece = 1; piece <= kPieceCount; ++piece) {
        const CatalogueEntry* entry = catalogueEntry(1, piece);
        equipCataloguePiece(s, *entry, entry->mainValues[2], 3, entry->subOptions[2].values[1]);
        QCOMPARE(s.lostSetCount, piece);
        QCOMPARE(s.seaSerpentSetCount, kPieceCount - piece);
        QCOMPARE(static_cast<int>(s.synthesis[1][piece]), 0);
    }

    for (int piece = kPieceCount; piece >= 1; --piece) {
        QVERIFY(!removePiece(s, 2, piece));
        QVERIFY(removePiece(s, 1, piece));
        QVERIFY(!removePiece(s, 1, piece));
        QCOMPARE(s.lostSetCount, piece - 1);
    }
    const CharacterState empty;
    for (int piece = 1; piece <= kPieceCount; ++piece)
        QCOMPARE(positionText(s, piece), positionText(empty, piece));
    QCOMPARE(s.seaSerpentSetCount, 0);
    QCOMPARE(s.freeSetCount, 0);
}

QTEST_GUILESS_MAIN(TestSoulshieldRules)
#include "tst_soulshield_rules.moc"
