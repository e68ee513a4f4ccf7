#include "engine/free_piece_rules.h"

#include <QTest>

#include <cstdint>

using namespace tessarin;

namespace {

// Counts of the three set groups (row 1, rows 2 and 3, row 4) with their presence flags set.
CharacterState withCounts(int lost, int seaSerpent, int free)
{
    CharacterState state;
    state.lostSetCount = lost;
    state.seaSerpentSetCount = seaSerpent;
    state.freeSetCount = static_cast<std::int16_t>(free);
    state.lostSetPresent = lost > 0;
    state.seaSerpentSetPresent = seaSerpent > 0;
    state.freeSetPresent = free > 0;
    return state;
}

} // namespace

class TestFreePieceRules : public QObject {
    Q_OBJECT

private slots:
    void wholeNumbers_data();
    void wholeNumbers();
    void readsBoxes();
    void firstBoxOutOfRangeIsNamed_data();
    void firstBoxOutOfRangeIsNamed();
    void captions();
    void indicatorPictures_data();
    void indicatorPictures();
    void releasesTheCatalogueRow_data();
    void releasesTheCatalogueRow();
    void keepsOtherSynthesis();
};

void TestFreePieceRules::wholeNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");
    QTest::newRow("12.5 to even") << 12.5 << true << 12;
    QTest::newRow("13.5 to even") << 13.5 << true << 14;
    QTest::newRow("-0.5 to zero") << -0.5 << true << 0;
    QTest::newRow("top") << 32767.0 << true << 32767;
    QTest::newRow("rounds down into range") << 32767.4 << true << 32767;
    QTest::newRow("rounds up out of range") << 32767.5 << false << 0;
    QTest::newRow("bottom half to even") << -32768.5 << true << -32768;
    QTest::newRow("below bottom") << -32769.0 << false << 0;
    QTest::newRow("far out") << 1e300 << false << 0;
}

void TestFreePieceRules::wholeNumbers()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, expected);
    const std::optional<std::int16_t> whole = wholeNumber16(value);
    QCOMPARE(whole.has_value(), fits);
    if (fits)
        QCOMPARE(int(*whole), expected);
}

void TestFreePieceRules::readsBoxes()
{
    FreeEntryTexts texts;
    texts[1] = "12.5";     // 관통 of the piece keeps its fraction
    texts[7] = "870 life"; // 최대생명력
    texts[8] = "12.5";     // 3세트 관통
    texts[10] = "13.5";    // 3세트 치명
    texts[15] = "&H10";    // 5세트 관통
    texts[28] = "-3";      // 8세트 최대생명력
    texts[29] = "77";      // 합성 최대치 1번
    texts[36] = "abc";     // 합성 최대치 8번
    const FreeEntryReading reading = readFreeEntry(texts);
    QCOMPARE(reading.badBox, 0);
    QCOMPARE(reading.entry.stats.penetration, 12.5);
    QCOMPARE(reading.entry.stats.maxLife, 870.0);
    QCOMPARE(reading.entry.effect3, (std::array<std::int16_t, 7>{12, 0, 14, 0, 0, 0, 0}));
    QCOMPARE(reading.entry.effect5, (std::array<std::int16_t, 7>{16, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(reading.entry.effect8, (std::array<std::int16_t, 7>{0, 0, 0, 0, 0, 0, -3}));
    QCOMPARE(reading.entry.synthesisMax[1], std::int16_t(77));
    QCOMPARE(reading.entry.synthesisMax[8], std::int16_t(0));
}

void TestFreePieceRules::firstBoxOutOfRangeIsNamed_data()
{
    QTest::addColumn<QList<int>>("boxes"); // set to 40000
    QTest::addColumn<int>("badBox");
    QTest::addColumn<QString>("name");
    QTest::newRow("piece box is a fraction, never out of range") << QList<int>{3} << 0 << QString();
    QTest::newRow("3세트 관통") << QList<int>{8} << 8 << "3세트 효과 관통";
    QTest::newRow("5세트 치명") << QList<int>{17} << 17 << "5세트 효과 치명";
    QTest::newRow("8세트 최대생명력") << QList<int>{28} << 28 << "8세트 효과 최대생명력";
    QTest::newRow("합성 최대치 3번") << QList<int>{31} << 31 << "합성 최대치 3번";
    QTest::newRow("first of two") << QList<int>{36, 20} << 20 << "5세트 효과 회피";
}

void TestFreePieceRules::firstBoxOutOfRangeIsNamed()
{
    QFETCH(QList<int>, boxes);
    QFETCH(int, badBox);
    QFETCH(QString, name);
    FreeEntryTexts texts;
    for (int box : boxes)
        texts[box] = "40000";
    const FreeEntryReading reading = readFreeEntry(texts);
    QCOMPARE(reading.badBox, badBox);
    if (badBox)
        QCOMPARE(freeEntryBoxName(badBox), name);
}

void TestFreePieceRules::captions()
{
    for (int piece = 1; piece <= 8; ++piece) {
        QCOMPARE(freePieceCaption(piece), QStringLiteral("기타 보패 %1번").arg(piece));
        QCOMPARE(freePieceFrameCaption(piece), QStringLiteral("%1번 보패 옵션").arg(piece));
        QCOMPARE(freePieceOfCaption(freePieceCaption(piece)), piece);
    }
    for (const char* other : {"기타 보패 9번", "기타 보패 0번", "잃어버린 영린족 보패 1번", ""})
        QCOMPARE(freePieceOfCaption(QString::fromUtf8(other)), 0);
}

void TestFreePieceRules::indicatorPictures_data()
{
    QTest::addColumn<int>("lost");
    QTest::addColumn<int>("seaSerpent");
    QTest::addColumn<int>("free");
    QTest::addColumn<QStringList>("pictures");
    const QStringList none = {"image/set3.gif", "image/set5.gif", "image/set8.gif"};
    const QStringList three = {"image/set30.gif", "image/set5.gif", "image/set8.gif"};
    const QStringList five = {"image/set30.gif", "image/set50.gif", "image/set8.gif"};
    const QStringList eight = {"image/set30.gif", "image/set50.gif", "image/set80.gif"};
    QTest::newRow("(2, 0, 3)") << 2 << 0 << 3 << three;
    QTest::newRow("(0, 0, 5)") << 0 << 0 << 5 << five;
    QTest::newRow("(0, 0, 8)") << 0 << 0 << 8 << eight;
    QTest::newRow("(2, 3, 3)") << 2 << 3 << 3 << three;
    QTest::newRow("(3, 3, 2)") << 3 << 3 << 2 << three;
    QTest::newRow("(2, 2, 2)") << 2 << 2 << 2 << none;
    QTest::newRow("(7, 0, 1)") << 7 << 0 << 1 << five;
    QTest::newRow("(0, 4, 4)") << 0 << 4 << 4 << three;
    QTest::newRow("(0, 0, 1)") << 0 << 0 << 1 << none;
}

void TestFreePieceRules::indicatorPictures()
{
    QFETCH(int, lost);
    QFETCH(int, seaSerpent);
    QFETCH(int, free);
    QFETCH(QStringList, pictures);
    const std::array<QString, 3> shown = freeEntryIndicatorPictures(withCounts(lost, seaSerpent, free));
    QCOMPARE(QStringList(shown.begin(), shown.end()), pictures);

    // Equipping the last free piece gives the same pictures, and the marks say what they show.
    CharacterState state = withCounts(lost, seaSerpent, free - 1);
    state.indicatorShown = {false, true, false, true, false, true}; // whatever the 50 ms refresh left
    const FreePieceOutcome outcome = equipFreePiece(state, 8, FreePieceEntry{});
    QCOMPARE(QStringList(outcome.indicators.begin(), outcome.indicators.end()), pictures);
    const IndicatorMarks& marks = state.indicatorShown;
    QCOMPARE((QStringList{marks.threeOn ? "image/set30.gif" : "image/set3.gif",
                          marks.fiveOn ? "image/set50.gif" : "image/set5.gif",
                          marks.eightOn ? "image/set80.gif" : "image/set8.gif"}),
             pictures);
    QCOMPARE(marks.threeOff, !marks.threeOn);
    QCOMPARE(marks.fiveOff, !marks.fiveOn);
    QCOMPARE(marks.eightOff, !marks.eightOn);
}

void TestFreePieceRules::releasesTheCatalogueRow_data()
{
    QTest::addColumn<QList<int>>("rowsHolding"); // rows 1..3 marked at piece 3 (a broken record may have two)
    QTest::addColumn<int>("releasedRow");
    QTest::addColumn<int>("lost");
    QTest::addColumn<int>("seaSerpent");

    QTest::newRow("row 1") << QList<int>{1} << 1 << 1 << 2;
    QTest::newRow("row 2") << QList<int>{2} << 2 << 2 << 1;
    QTest::newRow("row 3") << QList<int>{3} << 3 << 2 << 1;
    QTest::newRow("nothing") << QList<int>{} << 0 << 2 << 2;
    QTest::newRow("row 2 before row 1") << QList<int>{1, 2} << 2 << 2 << 1;
    QTest::newRow("row 3 before row 1") << QList<int>{1, 3} << 3 << 2 << 1;
}

void TestFreePieceRules::releasesTheCatalogueRow()
{
    QFETCH(QList<int>, rowsHolding);
    QFETCH(int, releasedRow);
    QFETCH(int, lost);
    QFETCH(int, seaSerpent);
    CharacterState state = withCounts(2, 2, 4);
    for (int row : rowsHolding)
        state.pieceEquipped[row][3] = true;
    for (auto& amounts : state.synthesis)
        amounts[3] = 9;
    state.synthesisMax[3] = 85;
    FreePieceEntry entry;
    entry.stats.block = 12.5;
    entry.effect5[2] = 14;
    entry.synthesisMax[3] = 40;
    entry.synthesisMax[5] = -2;

    const FreePieceOutcome outcome = equipFreePiece(state, 3, entry);
    QCOMPARE(outcome.piecePicture, QStringLiteral("image/general-3.gif"));
    for (int row : rowsHolding)
        QCOMPARE(state.pieceEquipped[row][3], row != releasedRow);
    QVERIFY(state.pieceEquipped[4][3]);
    QCOMPARE(state.lostSetCount, lost);
    QCOMPARE(state.seaSerpentSetCount, seaSerpent);
    QCOMPARE(state.freeSetCount, std::int16_t(5));
    for (const auto& amounts : state.synthesis)
        QCOMPARE(amounts[3], std::int16_t(0));
    QCOMPARE(state.pieceStats[3], entry.stats);
    QCOMPARE(state.freeSetEffect5, entry.effect5);
    QCOMPARE(state.synthesisMax, entry.synthesisMax);

    // Rewriting the same position does not count it twice.
    equipFreePiece(state, 3, entry);
    QCOMPARE(state.freeSetCount, std::int16_t(5));
}

void TestFreePieceRules::keepsOtherSynthesis()
{
    CharacterState state;
    state.synthesis[1][2] = 90; // 관통 on piece 2, above the new maximum
    state.synthesisMax[2] = 99;
    equipFreePiece(state, 1, FreePieceEntry{});
    QCOMPARE(state.synthesis[1][2], std::int16_t(90));
    QCOMPARE(state.synthesisMax[2], std::int16_t(0));
}

QTEST_APPLESS_MAIN(TestFreePieceRules)
#include "tst_free_piece_rules.moc"
