#include "data/synthesis_stones.h"
#include "engine/synthesis_rules.h"
#include "state/character_state.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstdint>

using namespace tessarin;

namespace {

// The six amounts of a piece, 관통 .. 회피, as text, so that a failed comparison shows all of them.
QString amountsOf(const CharacterState& s, int piece)
{
    QStringList parts;
    for (int stat = 1; stat <= static_cast<int>(kSynthStatCount); ++stat)
        parts << QString::number(s.synthesis[stat][piece]);
    return parts.join(QLatin1Char(' '));
}

// Every piece carries a maximum and an amount, so that a rule touching the wrong piece shows.
CharacterState busyRecord()
{
    CharacterState s;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        s.synthesisMax[piece] = static_cast<std::int16_t>(70 + piece);
        s.synthesis[1 + piece % 6][piece] = static_cast<std::int16_t>(10 + piece);
    }
    return s;
}

} // namespace

class TestSynthesisRules : public QObject {
    Q_OBJECT

private slots:
    void stoneValue_data();
    void stoneValue();
    void applyTouchesOnePiece();
    void releaseClearsEveryAmount();
};

void TestSynthesisRules::stoneValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a number") << "돌" << 0;
    QTest::newRow("leading number") << " 59개" << 59;
    QTest::newRow("76.5 to even") << "76.5" << 76;
    QTest::newRow("77.5 to even") << "77.5" << 78;
    QTest::newRow("-2.5 to even") << "-2.5" << -2;
    QTest::newRow("hexadecimal") << "&H4C" << 76;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("smallest") << "-32768" << -32768;
    // Beyond the 16-bit range: the nearest end, never a wrapped-around value.
    QTest::newRow("32767.6") << "32767.6" << 32767;
    QTest::newRow("99999") << "99999" << 32767;
    QTest::newRow("-99999") << "-99999" << -32768;
    QTest::newRow("1E300") << "1E300" << 32767;
}

void TestSynthesisRules::stoneValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(int(stoneValueOf(text)), value);
}

void TestSynthesisRules::applyTouchesOnePiece()
{
    CharacterState s = busyRecord();
    const CharacterState before = s;
    s.stoneValue = 33;
    QVERIFY2(!applySynthesis(s, 3), "no stat chosen yet");
    openSynthesisFor(s, Stat::Critical);
    QVERIFY(!applySynthesis(s, kNoPiece));
    QCOMPARE(applySynthesis(s, 3).value_or(-1), std::int16_t(33));
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        QCOMPARE(amountsOf(s, piece), piece == 3 ? QStringLiteral("0 0 33 0 0 0") : amountsOf(before, piece));
        QCOMPARE(s.synthesisMax[piece], before.synthesisMax[piece]);
    }
}

void TestSynthesisRules::releaseClearsEveryAmount()
{
    // A record written elsewhere may hold more than one amount on a piece; release clears them all.
    CharacterState s = busyRecord();
    s.synthesis[1][2] = -4;
    s.synthesis[2][2] = 7;
    const CharacterState before = s;
    QCOMPARE(releaseSynthesis(s, 2), QStringLiteral("2번 보패의 합성을 해제하였습니다."));
    for (int piece = 1; piece <= kPieceCount; ++piece)
        QCOMPARE(amountsOf(s, piece), piece == 2 ? QStringLiteral("0 0 0 0 0 0") : amountsOf(before, piece));
}

QTEST_APPLESS_MAIN(TestSynthesisRules)
#include "tst_synthesis_rules.moc"
