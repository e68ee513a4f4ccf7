#include "data/catalogue.h"
#include "engine/accessory_rules.h"
#include "engine/breakdown.h"
#include "engine/class_rules.h"
#include "engine/free_piece_rules.h"
#include "engine/numbers.h"
#include "engine/preview.h"
#include "engine/set_effects.h"
#include "engine/soulshield_rules.h"
#include "engine/stances.h"
#include "engine/synthesis_rules.h"
#include "engine/weapon_rules.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <functional>

using namespace tessarin;

Q_DECLARE_METATYPE(tessarin::Candidate)
Q_DECLARE_METATYPE(tessarin::SheetLabel)

namespace {

void catalogue(CharacterState& state, int row, int piece, int sub = 1)
{
    const CatalogueEntry& entry = *catalogueEntry(row, piece);
    equipCataloguePiece(state, entry, entry.mainValues[0], sub,
                        entry.subOptions[static_cast<std::size_t>(sub - 1)].values[0]);
}

FreePieceEntry freeEntry(double defence, std::int16_t effect3Defence)
{
    FreePieceEntry entry;
    entry.stats.defence = defence;
    entry.stats.maxLife = 300;
    entry.effect3[static_cast<std::size_t>(Stat::Defence)] = effect3Defence;
    for (int k = 1; k <= kPieceCount; ++k)
        entry.synthesisMax[k] = 90;
    return entry;
}

// The main window's timers after an action: the set-effect rules, then the stat cycle.
StatSheet afterTimers(CharacterState& state)
{
    updateSetPresence(state);
    updateSetEffects(state);
    return computeSheet(state);
}

// Varied characters, built with the rules a person's actions call.
struct Build {
    const char* name;
    std::function<void(CharacterState&)> make;
};

const std::vector<Build>& builds()
{
    static const std::vector<Build> all = {
        {"start", [](CharacterState&) {}},
        {"검사 발도, 잃어버린 3, 무기",
         [](CharacterState& s) {
             changeClass(s, QStringLiteral("검사"));
             toggleStance(s, Stance::Baldo);
             for (int k = 1; k <= 3; ++k)
                 catalogue(s, 1, k);
             equipDungeonWeapon(s, WeaponSource::Nest, 157, {5, true, 4});
             equipAccessory(s, 2, {10, 12.5, 3, 4, 5, 6, 7, 8, 9, 100});
         }},
        {"역사 광풍, 바다뱀 5, 기타 2, 합성",
         [](CharacterState& s) {
             changeClass(s, QStringLiteral("역사"));
             toggleStance(s, Stance::Gwangpung);
             for (int k = 1; k <= 5; ++k)
                 catalogue(s, k % 2 ? 2 : 3, k, 2);
             equipFreePiece(s, 6, freeEntry(40, 25));
             equipFreePiece(s, 7, freeEntry(41.5, 25));
             s.synthesisStat = QStringLiteral("방어");
             s.stoneValue = 59;
             applySynthesis(s, 2);
             runSetEffectCycle(s);
         }},
        {"암살자 은신 잠입, 잃어버린 8, 반지",
         [](CharacterState& s) {
             changeClass(s, QStringLiteral("암살자"));
             toggleStance(s, Stance::Eunsin);
             toggleStance(s, Stance::Jamip);
             for (int k = 1; k <= 8; ++k)
                 catalogue(s, 1, k, 1 + k % 3);
             equipSeaSerpentWeapon(s, WeaponSource::Pohwaran, 242, {2, false, 3});
             equipAccessory(s, 3, {0, 20, 0, 0, 30, 0, 0, 40, 5, 0});
             runSetEffectCycle(s);
         }},
        {"권사 반격, 기타 3",
         [](CharacterState& s) {
             changeClass(s, QStringLiteral("권사"));
             toggleStance(s, Stance::Bangyeok);
             for (int k = 1; k <= 3; ++k)
                 equipFreePiece(s, k, freeEntry(50, 30));
             equipFreeWeapon(s, 120, {1, 2, 3, 4, 5, 6}, {1, false, 1});
             runSetEffectCycle(s);
         }},
    };
    return all;
}

struct Action {
    const char* name;
    Candidate candidate;
};

// Every kind of candidate: each editor's confirmation, each removal, each stance click, synthesis and
// its release.
const std::vector<Action>& actions()
{
    static const std::vector<Action> all = {
        {"Form5 잃어버린 4번", [](CharacterState& s) { catalogue(s, 1, 4); }},
        {"Form5 바다뱀 1번", [](CharacterState& s) { catalogue(s, 2, 1, 3); }},
        {"Form12 기타 8번", [](CharacterState& s) { equipFreePiece(s, 8, freeEntry(77, 40)); }},
        {"Form3 거미 둥지",
         [](CharacterState& s) { equipDungeonWeapon(s, WeaponSource::Nest, 160, {2, true, 4}); }},
        {"Form4 포화란",
         [](CharacterState& s) {
             writeSeaSerpentSubOptions(s, WeaponSource::Pohwaran);
             equipSeaSerpentWeapon(s, WeaponSource::Pohwaran, 231, {3, false, 4});
         }},
        {"Form6 기타 무기",
         [](CharacterState& s) { equipFreeWeapon(s, 99.5, {10, 20, 30, 40, 50, 60}, {4, true, 2}); }},
        {"Form10 목걸이", [](CharacterState& s) { equipAccessory(s, 5, {5, 0, 1, 2, 3, 4, 5, 6, 7, 80}); }},
        {"Form14 명중 합성",
         [](CharacterState& s) {
             s.synthesisStat = QStringLiteral("명중");
             s.stoneValue = 76;
             applySynthesis(s, 1);
         }},
        {"합성 해제 2번", [](CharacterState& s) { releaseSynthesis(s, 2); }},
        {"보패 1번 벗기", [](CharacterState& s) { removePiece(s, 1, 1); }},
        {"보패 3번 벗기 (바다뱀)", [](CharacterState& s) { removePiece(s, 2, 3) || removePiece(s, 4, 3); }},
        {"무기 벗기", [](CharacterState& s) { removeWeapon(s); }},
        {"귀걸이2 벗기", [](CharacterState& s) { removeAccessory(s, 2); }},
        {"자세 1", [](CharacterState& s) { clickStanceButton(s, 1); }},
        {"자세 2", [](CharacterState& s) { clickStanceButton(s, 2); }},
        {"자세 3", [](CharacterState& s) { clickStanceButton(s, 3); }},
        {"자세 4", [](CharacterState& s) { clickStanceButton(s, 4); }},
    };
    return all;
}

QStringList shownFigures(const StatSheet& sheet)
{
    QStringList texts;
    for (const FigureInfo& info : kFigures)
        texts << sheetText(sheet, info.label);
    return texts;
}

// The figure shown as its label reads it back.
double shown(const StatSheet& sheet, SheetLabel label)
{
    return displayed(sheet.figure(label));
}

// A random character whose every number the sheet reads is set, with one decimal at most.
CharacterState randomBuild(QRandomGenerator& random)
{
    CharacterState s;
    const auto value = [&random](int range) { return (random.bounded(2 * range * 10 + 1) - range * 10) / 10.0; };
    const auto& classes = {"검사", "권사", "역사", "암살자", "기공사", "소환사"};
    changeClass(s, QString::fromUtf8(*(classes.begin() + random.bounded(6))));
    for (int button = 1; button <= 4; ++button)
        if (random.bounded(2))
            clickStanceButton(s, button);
    for (int k = 1; k <= kPieceCount; ++k)
        for (Stat stat : kAllStats)
            if (random.bounded(3) == 0)
                s.pieceStats[k][stat] = value(200);
    for (int stat = 1; stat <= static_cast<int>(kSynthStatCount); ++stat)
        for (int k = 1; k <= kPieceCount; ++k)
            if (random.bounded(4) == 0)
                s.synthesis[stat][k] = static_cast<std::int16_t>(random.bounded(100));
    for (SetGroup group : kSetGroups)
        for (Stat stat : kAllStats)
            if (random.bounded(3) == 0)
                s.setEffect[group][stat] = random.bounded(300);
    s.weaponAttack = value(300);
    for (Stat stat : kAllStats)
        s.weapon[stat] = value(150);
    s.weapon.attackBonus = value(30);
    s.weapon.defenceBonus = value(300);
    s.weapon.evasionRateBonus = value(10);
    s.weapon.blockRateBonus = value(10);
    s.weapon.additionalDamage = value(10);
    for (AccessorySlot& slot : s.accessories)
        for (double AccessorySlot::*field :
             {&AccessorySlot::attack, &AccessorySlot::critDamageBonus, &AccessorySlot::penetration,
              &AccessorySlot::accuracy, &AccessorySlot::critical, &AccessorySlot::defence, &AccessorySlot::block,
              &AccessorySlot::evasion, &AccessorySlot::additionalDamage, &AccessorySlot::maxLife})
            if (random.bounded(2))
                slot.*field = value(100);
    return s;
}

// A shown number in millionths; every line and figure of the random characters has at most two decimals.
qint64 millionths(const QString& text)
{
    const double value = textToNumber(text);
    const qint64 units = std::llround(value * 1e6);
    if (std::fabs(static_cast<double>(units) - value * 1e6) > 1e-3)
        qWarning("%s has more than six decimals", qPrintable(text));
    return units;
}

QStringList breakdownLines(const CharacterState& state, SheetLabel label)
{
    return breakdownText(breakdownOf(state, computeSheet(state), label)).split(u'\n');
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT

private slots:
    void changeLineText_data()
    {
        QTest::addColumn<int>("figure");
        QTest::addColumn<double>("before");
        QTest::addColumn<double>("after");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rise");
        QTest::newRow("기대공격력") << int(Figure::ExpectedAttack) << 348.28 << 351.8
                                     << QStringLiteral("기대공격력 348.28 → 351.8 (+3.52)") << true;
        QTest::newRow("명중률") << int(Figure::AccuracyRate) << 87.55 << 88.1
                                 << QStringLiteral("명중률 87.55% → 88.1% (+0.55%p)") << true;
        QTest::newRow("방어 fall") << int(Figure::Defence) << 668.0 << 334.0 << QStringLiteral("방어 668 → 334 (-334)")
                                   << false;
        QTest::newRow("negative to positive") << int(Figure::DefenceRate) << -0.01 << 9.18
                                              << QStringLiteral("방어율 -0.01% → 9.18% (+9.19%p)") << true;
        QTest::newRow("typed fraction") << int(Figure::Attack) << 60.0 << 72.345
                                        << QStringLiteral("공격력 60 → 72.345 (+12.35)") << true;
        QTest::newRow("under a hundredth still signed") << int(Figure::BlockRate) << 5.0 << 5.004
                                                        << QStringLiteral("막기율 5% → 5.004% (+0%p)") << true;
        QTest::newRow("small fall") << int(Figure::Life) << 100.0 << 99.999
                                    << QStringLiteral("최대생명력 100 → 99.999 (-0)") << false;
    }
    void changeLineText()
    {
        QFETCH(int, figure);
        QFETCH(double, before);
        QFETCH(double, after);
        QFETCH(QString, text);
        QFETCH(bool, rise);
        const ChangeLine line = changeLine(static_cast<Figure>(figure), before, after);
        QCOMPARE(line.text, text);
        QCOMPARE(line.rise, rise);
    }

    void changedFiguresInSheetOrder()
    {
        CharacterState state;
        const StatSheet before = computeSheet(state);
        QCOMPARE(changeText(changeLines(before, before)), QStringLiteral("변화 없음"));
        changeClass(state, QStringLiteral("검사"));
        const std::vector<FigureChange> changes = changedFigures(before, computeSheet(state));
        QStringList names;
        for (const FigureChange& change : changes)
            names << QString::fromUtf8(figureInfo(change.figure).name);
        // 공격력, 관통, 추가피해, 피해감소율 and 회피율 stay as they are for a 검사 with nothing worn.
        QCOMPARE(names, QStringList({"명중", "치명", "최대생명력", "방어", "막기", "기대공격력", "명중률", "치명률",
                                     "치명타피해량", "방어율", "막기율"}));
        QCOMPARE(changeLines(before, computeSheet(state)).front().text, QStringLiteral("명중 0 → 16 (+16)"));
    }

    void previewEqualsConfirmed_data()
    {
        QTest::addColumn<int>("build");
        QTest::addColumn<int>("action");
        for (std::size_t b = 0; b < builds().size(); ++b)
            for (std::size_t a = 0; a < actions().size(); ++a)
                QTest::addRow("%s / %s", builds()[b].name, actions()[a].name) << int(b) << int(a);
    }
    // What the preview shows is what the sheet shows after the action and the timers that follow it;
    // the record itself is left untouched.
    void previewEqualsConfirmed()
    {
        QFETCH(int, build);
        QFETCH(int, action);
        CharacterState state;
        builds()[static_cast<std::size_t>(build)].make(state);
        const CharacterState untouched = state;
        const Candidate& candidate = actions()[static_cast<std::size_t>(action)].candidate;

        const StatSheet preview = previewSheet(state, candidate);
        QVERIFY(state == untouched);

        candidate(state);
        afterTimers(state);
        const StatSheet confirmed = afterTimers(state); // a second round changes nothing more
        QCOMPARE(shownFigures(preview), shownFigures(confirmed));
        QCOMPARE(changeLines(settledSheet(untouched), preview).size(),
                 changedFigures(settledSheet(untouched), confirmed).size());
    }

    // A third piece of a set shows its set effect in the preview, though the set-effect timers have not
    // run on the record.
    void previewCountsSetEffects()
    {
        CharacterState state;
        catalogue(state, 1, 1, 2);
        catalogue(state, 1, 2, 2);
        runSetEffectCycle(state);
        const StatSheet before = settledSheet(state);
        const StatSheet after = previewSheet(state, [](CharacterState& s) { catalogue(s, 1, 3, 2); });
        // Piece 3's main value is 명중 and 3세트 효과 adds 명중 39.
        const double main = catalogueEntry(1, 3)->mainStat == Stat::Accuracy ? catalogueEntry(1, 3)->mainValues[0] : 0;
        QCOMPARE(after.figure(SheetLabel::AccuracyTotal) - before.figure(SheetLabel::AccuracyTotal), main + 39);
    }

    void breakdownCases_data()
    {
        QTest::addColumn<Candidate>("make");
        QTest::addColumn<SheetLabel>("label");
        QTest::addColumn<QStringList>("lines");
        const auto withClass = [](const char* name, std::vector<Stance> stances) {
            return Candidate([name, stances](CharacterState& s) {
                changeClass(s, QString::fromUtf8(name));
                for (Stance stance : stances)
                    toggleStance(s, stance);
            });
        };
        QTest::newRow("역사 광풍 방어") << withClass("역사", {Stance::Gwangpung}) << SheetLabel::DefenceTotal
                                        << QStringList({"직업 기본 699", "광풍 2796", "합계 3495"});
        QTest::newRow("역사 광풍 방어 equipment") << withClass("역사", {Stance::Gwangpung})
                                                  << SheetLabel::DefenceEquipment
                                                  << QStringList({"광풍 2796", "합계 2796"});
        QTest::newRow("권사 반격 방어") << withClass("권사", {Stance::Bangyeok}) << SheetLabel::DefenceTotal
                                        << QStringList({"직업 기본 334", "반격 334", "합계 668"});
        QTest::newRow("검사 발도 막기") << withClass("검사", {Stance::Baldo}) << SheetLabel::BlockTotal
                                        << QStringList({"직업 기본 289", "발도 -289", "합계 0"});
        QTest::newRow("검사 발도 번개베기 치명률")
            << withClass("검사", {Stance::Baldo, Stance::Beongaebegi}) << SheetLabel::CritRate
            << QStringList({"기준 치명 173", "계산값 6.61", "발도 5", "번개베기 10", "합계 21.61"});
        QTest::newRow("암살자 잠입 척추찌르기 회피율")
            << withClass("암살자", {Stance::Jamip, Stance::Cheokchujjireugi}) << SheetLabel::EvasionRate
            << QStringList({"기준 회피 173", "계산값 4.99", "척추찌르기 30", "합계 34.99"});
        QTest::newRow("암살자 은신 치명타피해량")
            << withClass("암살자", {Stance::Eunsin}) << SheetLabel::CritDamage
            << QStringList({"기준 치명 519", "계산값 131.45", "은신 50", "합계 181.45"});
        QTest::newRow("pieces, set, synthesis")
            << Candidate([](CharacterState& s) {
                   for (int k = 1; k <= 3; ++k)
                       catalogue(s, 1, k, 1);
                   runSetEffectCycle(s);
                   s.synthesisStat = QStringLiteral("명중");
                   s.stoneValue = 20;
                   applySynthesis(s, 2);
                   equipAccessory(s, 4, {0, 0, 0, 7, 0, 0, 0, 0, 0, 0});
               })
            << SheetLabel::AccuracyEquipment << QStringList();
        QTest::newRow("start 기대공격력") << Candidate([](CharacterState&) {}) << SheetLabel::ExpectedAttack
                                          << QStringList({"공격력 60", "명중률 -9", "합계 51"});
    }
    void breakdownCases()
    {
        QFETCH(Candidate, make);
        QFETCH(SheetLabel, label);
        QFETCH(QStringList, lines);
        CharacterState state;
        make(state);
        if (lines.isEmpty()) {
            // Built from the catalogue: the expected lines follow from the pieces worn.
            QStringList expected;
            const StatSheet sheet = computeSheet(state);
            expected << QStringLiteral("반지2 7");
            for (int k = 1; k <= 3; ++k)
                if (double v = state.pieceStats[k].accuracy)
                    expected << QStringLiteral("보패 %1번 %2").arg(k).arg(formatNumber(v));
            expected << QStringLiteral("잃어버린 영린족 보패 세트 효과 39") << QStringLiteral("합성 2번 20")
                     << QStringLiteral("합계 ") + sheetText(sheet, label);
            lines = expected;
        }
        QCOMPARE(breakdownLines(state, label), lines);
    }

    // For random characters, the summands of every breakdown add up to the figure as shown, and no line
    // is a zero.
    void breakdownAddsUp()
    {
        QRandomGenerator random(17);
        for (int i = 0; i < 400; ++i) {
            const CharacterState state = randomBuild(random);
            const StatSheet sheet = computeSheet(state);
            for (int l = 0; l < kSheetLabelCount; ++l) {
                const auto label = static_cast<SheetLabel>(l);
                const Breakdown breakdown = breakdownOf(state, sheet, label);
                QCOMPARE(breakdown.empty(), !hasBreakdown(label));
                if (breakdown.empty())
                    continue;
                // Added as a person adds the shown decimals: exactly, in millionths.
                qint64 sum = 0;
                for (const BreakdownLine& line : breakdown.lines) {
                    QVERIFY2(!line.summand || line.value != 0, qPrintable(line.name));
                    if (line.summand)
                        sum += millionths(formatNumber(line.value));
                }
                const QString figure = formatNumber(shown(sheet, label));
                QVERIFY2(sum == millionths(figure),
                         qPrintable(QStringLiteral("build %1, %2: %3 ≠ %4\n%5")
                                        .arg(i)
                                        .arg(QString::fromLatin1(kSheetLabelNames[static_cast<std::size_t>(l)]))
                                        .arg(sum)
                                        .arg(figure, breakdownText(breakdown))));
                QVERIFY(breakdownText(breakdown).endsWith(QStringLiteral("합계 ") + figure));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestPreview)
#include "tst_preview.moc"
