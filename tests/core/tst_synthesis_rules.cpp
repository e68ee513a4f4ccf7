#include "data/synthesis_stones.h"
#include "engine/synthesis_rules.h"
#include "state/character_state.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <optional>

using namespace tessarin;

Q_DECLARE_METATYPE(tessarin::Stat)

namespace {

// The six amounts of a piece, 관통 .. 회피, as text, so that a failed comparison shows all of them.
QString amountsOf(const CharacterState& s, int piece)
{
    QStringList parts;
    for (int stat = 1; stat <= static_cast<int>(kSynthStatCount); ++stat)
        parts << QString::number(s.synthesis[stat][piece]);
    return parts.join(QLatin1Char(' '));
}

// A record with every piece carrying something, so that a rule that touches the wrong piece shows.
CharacterState busyRecord()
{
    CharacterState s;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        s.pieceEquipped[1 + piece % 4][piece] = true;
        s.synthesisMax[piece] = static_cast<std::int16_t>(70 + piece);
        s.synthesis[1 + piece % 6][piece] = static_cast<std::int16_t>(10 + piece);
    }
    return s;
}

} // namespace

class TestSynthesisRules : public QObject {
    Q_OBJECT

private slots:
    void stoneItems_data();
    void stoneItems();
    void pickStone_data();
    void pickStone();
    void stoneValue_data();
    void stoneValue();
    void view_data();
    void view();
    void apply_data();
    void apply();
    void applyLeavesOtherPieces();
    void release_data();
    void release();
    void equipped();
};

void TestSynthesisRules::stoneItems_data()
{
    QTest::addColumn<Stat>("stat");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("items");

    // Typed from the stone table: the same seven stones, largest first, for every stat.
    QTest::newRow("관통") << Stat::Penetration << "관통 합성"
                          << QStringList{"수월평원 장인의 관통 합성패 76", "대사막 장인의 관통 합성패 59",
                                         "사지석림 장인의 관통 합성패 46", "열사지대 장인의 관통 합성패 33",
                                         "토문진 장인의 관통 합성패 20",   "제룡림 장인의 관통 합성패 17",
                                         "녹명촌 장인의 관통 합성패 11"};
    QTest::newRow("명중") << Stat::Accuracy << "명중 합성"
                          << QStringList{"수월평원 장인의 명중 합성패 76", "대사막 장인의 명중 합성패 59",
                                         "사지석림 장인의 명중 합성패 46", "열사지대 장인의 명중 합성패 33",
                                         "토문진 장인의 명중 합성패 20",   "제룡림 장인의 명중 합성패 17",
                                         "녹명촌 장인의 명중 합성패 11"};
    QTest::newRow("회피") << Stat::Evasion << "회피 합성"
                          << QStringList{"수월평원 장인의 회피 합성패 76", "대사막 장인의 회피 합성패 59",
                                         "사지석림 장인의 회피 합성패 46", "열사지대 장인의 회피 합성패 33",
                                         "토문진 장인의 회피 합성패 20",   "제룡림 장인의 회피 합성패 17",
                                         "녹명촌 장인의 회피 합성패 11"};
}

void TestSynthesisRules::stoneItems()
{
    QFETCH(Stat, stat);
    QFETCH(QString, caption);
    QFETCH(QStringList, items);
    CharacterState s;
    QCOMPARE(openSynthesisFor(s, stat), items);
    QCOMPARE(s.synthesisStat, caption.left(2));
    QCOMPARE(synthesisCaption(stat), caption);
}

void TestSynthesisRules::pickStone_data()
{
    QTest::addColumn<Stat>("stat");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("value"); // empty: no match

    QTest::newRow("수월평원 관통") << Stat::Penetration << "수월평원 장인의 관통 합성패 76"
                                   << "76";
    QTest::newRow("대사막 치명") << Stat::Critical << "대사막 장인의 치명 합성패 59"
                                 << "59";
    QTest::newRow("사지석림 방어") << Stat::Defence << "사지석림 장인의 방어 합성패 46"
                                   << "46";
    QTest::newRow("열사지대 막기") << Stat::Block << "열사지대 장인의 막기 합성패 33"
                                   << "33";
    QTest::newRow("토문진 회피") << Stat::Evasion << "토문진 장인의 회피 합성패 20"
                                 << "20";
    QTest::newRow("제룡림 명중") << Stat::Accuracy << "제룡림 장인의 명중 합성패 17"
                                 << "17";
    QTest::newRow("녹명촌 명중") << Stat::Accuracy << "녹명촌 장인의 명중 합성패 11"
                                 << "11";
    // An item of another stat than the dialog is opened for does not count.
    QTest::newRow("관통 item, 명중 dialog") << Stat::Accuracy << "수월평원 장인의 관통 합성패 76" << QString();
    QTest::newRow("a near miss") << Stat::Penetration << "수월평원 장인의 관통 합성패 77" << QString();
}

void TestSynthesisRules::pickStone()
{
    QFETCH(Stat, stat);
    QFETCH(QString, item);
    QFETCH(QString, value);
    CharacterState s;
    openSynthesisFor(s, stat);
    const std::optional<QString> picked = stoneValueTextForItem(s, item);
    QCOMPARE(picked.value_or(QString()), value);
    QCOMPARE(picked.has_value(), !value.isEmpty());
}

void TestSynthesisRules::stoneValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a number") << "돌" << 0;
    QTest::newRow("76") << "76" << 76;
    QTest::newRow("leading number") << " 59개" << 59;
    QTest::newRow("76.5 to even") << "76.5" << 76;
    QTest::newRow("77.5 to even") << "77.5" << 78;
    QTest::newRow("12.5") << "12.5" << 12;
    QTest::newRow("13.5") << "13.5" << 14;
    QTest::newRow("76.4") << "76.4" << 76;
    QTest::newRow("-2.5") << "-2.5" << -2;
    QTest::newRow("negative") << "-30" << -30;
    QTest::newRow("hexadecimal") << "&H4C" << 76;
    QTest::newRow("exponent") << "1E2" << 100;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("smallest") << "-32768" << -32768;
    // Beyond the 16-bit range: the nearest end, never a wrapped-around value.
    QTest::newRow("99999") << "99999" << 32767;
    QTest::newRow("-99999") << "-99999" << -32768;
    QTest::newRow("32767.6") << "32767.6" << 32767;
    QTest::newRow("32768") << "32768" << 32767;
    QTest::newRow("-32769") << "-32769" << -32768;
    QTest::newRow("huge") << "1E300" << 32767;
}

void TestSynthesisRules::stoneValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(int(stoneValueOf(text)), value);
}

void TestSynthesisRules::view_data()
{
    QTest::addColumn<Stat>("stat");
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("stone");
    QTest::addColumn<QString>("maximumText");
    QTest::addColumn<QString>("comparison");
    QTest::addColumn<QString>("preview");

    QTest::newRow("empty box, piece 1, 98") << Stat::Penetration << 1 << 98 << 0 << "최대합성치: 98"
                                            << "합성패 수치가 1번 보패의 합성최대치보다 낮습니다."
                                            << "관통 0이(가) 합성됩니다.";
    QTest::newRow("76 on 81") << Stat::Accuracy << 2 << 81 << 76 << "최대합성치: 81"
                              << "합성패 수치가 2번 보패의 합성최대치보다 낮습니다."
                              << "명중 76이(가) 합성됩니다.";
    QTest::newRow("98 on 81") << Stat::Accuracy << 2 << 81 << 98 << "최대합성치: 81"
                              << "합성패 수치가 2번 보패의 합성최대치보다 높습니다."
                              << "명중 81이(가) 합성됩니다.";
    QTest::newRow("81 on 81") << Stat::Accuracy << 2 << 81 << 81 << "최대합성치: 81"
                              << "합성패 수치가 2번 보패의 합성최대치와 같습니다."
                              << "명중 81이(가) 합성됩니다.";
    QTest::newRow("piece 8, 77") << Stat::Evasion << 8 << 77 << 76 << "최대합성치: 77"
                                 << "합성패 수치가 8번 보패의 합성최대치보다 낮습니다."
                                 << "회피 76이(가) 합성됩니다.";
    QTest::newRow("negative stone") << Stat::Block << 5 << 102 << -40 << "최대합성치: 102"
                                    << "합성패 수치가 5번 보패의 합성최대치보다 낮습니다."
                                    << "막기 -40이(가) 합성됩니다.";
    QTest::newRow("piece taken off: maximum 0") << Stat::Critical << 3 << 0 << 76 << "최대합성치: 0"
                                                << "합성패 수치가 3번 보패의 합성최대치보다 높습니다."
                                                << "치명 0이(가) 합성됩니다.";
    QTest::newRow("negative maximum") << Stat::Defence << 4 << -5 << 0 << "최대합성치: -5"
                                      << "합성패 수치가 4번 보패의 합성최대치보다 높습니다."
                                      << "방어 -5이(가) 합성됩니다.";
    QTest::newRow("largest stone") << Stat::Defence << 6 << 32767 << 32767 << "최대합성치: 32767"
                                   << "합성패 수치가 6번 보패의 합성최대치와 같습니다."
                                   << "방어 32767이(가) 합성됩니다.";
}

void TestSynthesisRules::view()
{
    QFETCH(Stat, stat);
    QFETCH(int, piece);
    QFETCH(int, maximum);
    QFETCH(int, stone);
    QFETCH(QString, maximumText);
    QFETCH(QString, comparison);
    QFETCH(QString, preview);
    CharacterState s;
    openSynthesisFor(s, stat);
    s.synthesisMax[piece] = static_cast<std::int16_t>(maximum);
    s.stoneValue = static_cast<std::int16_t>(stone);
    const SynthesisView v = synthesisView(s, piece);
    QCOMPARE(v.maximum, maximumText);
    QCOMPARE(v.comparison, comparison);
    QCOMPARE(v.preview, preview);
}

void TestSynthesisRules::apply_data()
{
    QTest::addColumn<Stat>("stat");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("stone");
    QTest::addColumn<QString>("before"); // the piece's six amounts, 관통 .. 회피
    QTest::addColumn<QString>("after");

    QTest::newRow("76 under 81") << Stat::Penetration << 81 << 76 << "0 0 0 0 0 0"
                                 << "76 0 0 0 0 0";
    QTest::newRow("98 capped at 81") << Stat::Penetration << 81 << 98 << "0 0 0 0 0 0"
                                     << "81 0 0 0 0 0";
    QTest::newRow("81 equal") << Stat::Penetration << 81 << 81 << "0 0 0 0 0 0"
                              << "81 0 0 0 0 0";
    QTest::newRow("empty box stores 0") << Stat::Penetration << 98 << 0 << "0 0 0 0 0 0"
                                        << "0 0 0 0 0 0";
    QTest::newRow("명중 replaces 관통") << Stat::Accuracy << 90 << 59 << "76 0 0 0 0 0"
                                        << "0 59 0 0 0 0";
    QTest::newRow("same stat again") << Stat::Block << 110 << 46 << "0 0 0 0 59 0"
                                     << "0 0 0 0 46 0";
    QTest::newRow("negative stone stored") << Stat::Evasion << 102 << -30 << "0 0 0 0 0 0"
                                           << "0 0 0 0 0 -30";
    QTest::newRow("maximum 0 after removal") << Stat::Critical << 0 << 76 << "0 0 0 0 0 0"
                                             << "0 0 0 0 0 0";
    QTest::newRow("maximum 0, negative stone") << Stat::Critical << 0 << -7 << "0 0 0 0 0 0"
                                               << "0 0 -7 0 0 0";
    QTest::newRow("clamped stone, largest maximum") << Stat::Defence << 32767 << 32767 << "1 2 3 4 5 6"
                                                    << "0 0 0 32767 0 0";
    QTest::newRow("clamped negative stone") << Stat::Defence << 81 << -32768 << "0 0 0 0 0 0"
                                            << "0 0 0 -32768 0 0";
}

void TestSynthesisRules::apply()
{
    QFETCH(Stat, stat);
    QFETCH(int, maximum);
    QFETCH(int, stone);
    QFETCH(QString, before);
    QFETCH(QString, after);
    constexpr int piece = 2;
    CharacterState s;
    openSynthesisFor(s, stat);
    s.synthesisMax[piece] = static_cast<std::int16_t>(maximum);
    s.stoneValue = static_cast<std::int16_t>(stone);
    const QStringList amounts = before.split(QLatin1Char(' '));
    for (int i = 1; i <= static_cast<int>(kSynthStatCount); ++i)
        s.synthesis[i][piece] = static_cast<std::int16_t>(amounts.at(i - 1).toInt());

    const std::optional<std::int16_t> stored = applySynthesis(s, piece);
    QVERIFY(stored.has_value());
    QCOMPARE(amountsOf(s, piece), after);
    QCOMPARE(int(*stored), std::min(maximum, stone));
}

void TestSynthesisRules::applyLeavesOtherPieces()
{
    CharacterState s = busyRecord();
    const CharacterState untouched = s;
    QVERIFY2(!applySynthesis(s, 3), "no stat chosen yet");
    openSynthesisFor(s, Stat::Critical);
    QVERIFY(!applySynthesis(s, kNoPiece));
    QVERIFY(!applySynthesis(s, 9));
    s.stoneValue = 33;
    QCOMPARE(applySynthesis(s, 3), std::optional<std::int16_t>(33));
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        if (piece != 3)
            QCOMPARE(amountsOf(s, piece), amountsOf(untouched, piece));
        QCOMPARE(s.synthesisMax[piece], untouched.synthesisMax[piece]);
    }
    QCOMPARE(amountsOf(s, 3), QStringLiteral("0 0 33 0 0 0"));
    QCOMPARE(s.pieceEquipped, untouched.pieceEquipped);
}

void TestSynthesisRules::release_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<QString>("amounts"); // 관통 .. 회피 before the release
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("after");

    QTest::newRow("no piece") << kNoPiece << "0 0 0 0 59 0"
                              << "보패를 선택해주세요."
                              << "0 0 0 0 59 0";
    QTest::newRow("never synthesized 1") << 1 << "0 0 0 0 0 0"
                                         << "1번 보패는 아직 합성이 되지 않았습니다."
                                         << "0 0 0 0 0 0";
    QTest::newRow("only a negative amount 4") << 4 << "0 -30 0 0 0 0"
                                              << "4번 보패는 아직 합성이 되지 않았습니다."
                                              << "0 -30 0 0 0 0";
    QTest::newRow("막기 59 on 5") << 5 << "0 0 0 0 59 0"
                                  << "5번 보패의 합성을 해제하였습니다."
                                  << "0 0 0 0 0 0";
    QTest::newRow("1 is enough on 8") << 8 << "0 0 0 0 0 1"
                                      << "8번 보패의 합성을 해제하였습니다."
                                      << "0 0 0 0 0 0";
    // A record written by hand may break the one-stat rule; release clears every amount all the same.
    QTest::newRow("mixed amounts on 2") << 2 << "-4 7 0 0 0 0"
                                        << "2번 보패의 합성을 해제하였습니다."
                                        << "0 0 0 0 0 0";
}

void TestSynthesisRules::release()
{
    QFETCH(int, piece);
    QFETCH(QString, amounts);
    QFETCH(QString, message);
    QFETCH(QString, after);
    CharacterState s = busyRecord();
    const int target = piece == kNoPiece ? 5 : piece;
    const QStringList values = amounts.split(QLatin1Char(' '));
    for (int i = 1; i <= static_cast<int>(kSynthStatCount); ++i)
        s.synthesis[i][target] = static_cast<std::int16_t>(values.at(i - 1).toInt());
    const CharacterState untouched = s;

    QCOMPARE(releaseSynthesis(s, piece), message);
    QCOMPARE(amountsOf(s, target), after);
    for (int other = 1; other <= kPieceCount; ++other)
        if (other != target)
            QCOMPARE(amountsOf(s, other), amountsOf(untouched, other));
    bool positive = false;
    for (const QString& value : after.split(QLatin1Char(' ')))
        positive = positive || value.toInt() >= 1;
    QCOMPARE(pieceIsSynthesized(s, target), positive);
}

void TestSynthesisRules::equipped()
{
    CharacterState s;
    for (int piece = 1; piece <= kPieceCount; ++piece)
        QVERIFY(!pieceIsEquipped(s, piece));
    for (int row = 1; row <= kBoardRows; ++row) {
        s.pieceEquipped[row][row + 2] = true;
        QVERIFY2(pieceIsEquipped(s, row + 2), qPrintable(QStringLiteral("row %1").arg(row)));
    }
    QVERIFY(!pieceIsEquipped(s, 1) && !pieceIsEquipped(s, 2) && !pieceIsEquipped(s, 7) && !pieceIsEquipped(s, 8));
    QVERIFY(!pieceIsEquipped(s, kNoPiece));
}

QTEST_APPLESS_MAIN(TestSynthesisRules)
#include "tst_synthesis_rules.moc"
