#include "data/catalogue.h"

#include <QList>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstddef>

using namespace tessarin;

Q_DECLARE_METATYPE(tessarin::StatBlock)
Q_DECLARE_METATYPE(tessarin::SetTiers)
Q_DECLARE_METATYPE(tessarin::SetGroup)

namespace tessarin {

char* toString(const StatBlock& s)
{
    return qstrdup(QStringLiteral("관통 %1, 명중 %2, 치명 %3, 방어 %4, 막기 %5, 회피 %6, 최대생명력 %7")
                       .arg(s.penetration)
                       .arg(s.accuracy)
                       .arg(s.critical)
                       .arg(s.defence)
                       .arg(s.block)
                       .arg(s.evasion)
                       .arg(s.maxLife)
                       .toUtf8()
                       .constData());
}

char* toString(const SetTiers& t)
{
    return qstrdup(QStringLiteral("3:%1 5:%2 8:%3").arg(t.three).arg(t.five).arg(t.eight).toUtf8().constData());
}

} // namespace tessarin

namespace {

// The catalogue typed in a second time, as plain tables the way players list the pieces, and parsed
// here: a slip in the constant data or in this copy shows up as a mismatch.
const char* const kCatalogueText = R"tables(
Row 1, "잃어버린 영린족 보패":

| Piece | Main stat: values | Sub-option 1: values | Sub-option 2: values | Sub-option 3: values | Synthesis maximum |
|---|---|---|---|---|---|
| 1 | 명중: 98 / 86 / 68 | 막기: 41 / 32 | 치명: 41 / 32 | 회피: 41 / 32 | 77 |
| 2 | 최대생명력: 1030 / 870 / 720 | 명중: 43 / 34 | 방어: 43 / 34 | 치명: 43 / 34 | 81 |
| 3 | 막기: 108 / 91 / 75 | 명중: 45 / 36 | 치명: 45 / 36 | 회피: 45 / 36 | 85 |
| 4 | 회피: 122 / 95 / 78 | 막기: 47 / 37 | 명중: 47 / 37 | 치명: 47 / 37 | 88 |
| 5 | 치명: 122 / 103 / 85 | 명중: 51 / 40 | 방어: 51 / 40 | 회피: 51 / 40 | 96 |
| 6 | 명중 (label "명증"): 126 / 107 / 88 | 방어: 53 / 42 | 치명: 53 / 42 | 회피: 53 / 42 | 99 |
| 7 | 치명: 131 / 111 / 91 | 막기: 55 / 44 | 명중: 55 / 44 | 방어: 55 / 44 | 103 |
| 8 | 치명: 136 / 115 / 95 | 명중: 57 / 45 | 방어: 57 / 45 | 최대생명력: 570 / 450 | 107 |

Row 2, "바다뱀 보패(최상급)":

| Piece | Main stat: values | Sub-option 1: values | Sub-option 2: values | Sub-option 3: values | Synthesis maximum |
|---|---|---|---|---|---|
| 1 | 명중: 115 / 97 / 80 | 막기: 49 / 39 | 방어: 49 / 39 | 치명: 49 / 39 | 82 |
| 2 | 명중: 121 / 102 / 84 | 막기: 51 / 40 | 방어: 51 / 40 | 치명: 51 / 40 | 86 |
| 3 | 회피: 126 / 107 / 88 | 막기: 54 / 43 | 명중: 54 / 43 | 최대생명력: 540 / 430 | 90 |
| 4 | 방어: 131 / 111 / 91 | 막기: 56 / 44 | 최대생명력: 560 / 440 | 치명: 56 / 44 | 94 |
| 5 | 회피: 142 / 120 / 99 | 막기: 61 / 48 | 방어: 61 / 48 | 치명: 61 / 48 | 102 |
| 6 | 최대생명력: 1480 / 1250 / 1030 | 막기: 63 / 50 | 방어: 63 / 50 | 치명: 63 / 50 | 106 |
| 7 | 막기: 154 / 130 / 107 | 명중: 65 / 52 | 방어: 65 / 52 | 치명: 65 / 52 | 110 |
| 8 | 치명: 159 / 135 / 111 | 명중: 68 / 54 | 방어: 68 / 54 | 최대생명력: 680 / 540 | 114 |

Row 3, "바다뱀 보패(영웅)":

| Piece | Main stat: values | Sub-option 1: values | Sub-option 2: values | Sub-option 3: values | Synthesis maximum |
|---|---|---|---|---|---|
| 1 | 명중: 137 / 116 / 95 | 막기: 58 / 46 | 방어: 58 / 46 | 치명: 58 / 46 | 98 |
| 2 | 명중: 143 / 121 / 100 | 막기: 61 / 48 | 방어: 61 / 48 | 치명: 61 / 48 | 102 |
| 3 | 회피: 150 / 127 / 105 | 막기: 64 / 51 | 명중: 64 / 51 | 최대생명력: 640 / 510 | 107 |
| 4 | 방어: 156 / 132 / 109 | 막기: 67 / 53 | 최대생명력: 670 / 530 | 치명: 67 / 53 | 112 |
| 5 | 회피: 170 / 144 / 119 | 막기: 72 / 52 | 방어: 72 / 52 | 치명: 72 / 52 | 121 |
| 6 | 최대생명력: 1760 / 1490 / 1230 | 막기: 75 / 60 | 방어: 75 / 60 | 치명: 75 / 60 | 126 |
| 7 | 막기: 182 / 154 / 127 | 명중: 78 / 62 | 방어: 78 / 62 | 치명: 78 / 62 | 130 |
| 8 | 치명: 189 / 160 / 132 | 명중: 80 / 64 | 방어: 80 / 64 | 최대생명력: 800 / 640 | 135 |
)tables";

struct ParsedPiece {
    int row = 0;
    int piece = 0;
    QString prefix;
    Stat mainStat = Stat::Penetration;
    QString mainLabel;
    QList<int> mainValues;
    QList<Stat> subStats;
    QList<QList<int>> subValues;
    int synthesisMax = 0;
};

struct ParsedCatalogue {
    QList<ParsedPiece> pieces;
    QStringList errors;
};

bool statOfName(const QString& name, Stat& stat)
{
    static const QList<std::pair<QString, Stat>> names = {
        {QStringLiteral("관통"), Stat::Penetration},  {QStringLiteral("명중"), Stat::Accuracy},
        {QStringLiteral("치명"), Stat::Critical},     {QStringLiteral("방어"), Stat::Defence},
        {QStringLiteral("막기"), Stat::Block},        {QStringLiteral("회피"), Stat::Evasion},
        {QStringLiteral("최대생명력"), Stat::MaxLife}};
    for (const auto& [text, value] : names) {
        if (text == name) {
            stat = value;
            return true;
        }
    }
    return false;
}

QList<int> numbersOf(const QString& text)
{
    QList<int> numbers;
    for (const QString& part : text.split(QLatin1Char('/'))) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        numbers.append(ok ? n : -1);
    }
    return numbers;
}

ParsedCatalogue parseCatalogue()
{
    static const QRegularExpression rowHeading(QStringLiteral(R"re(^Row (\d), "(.+)":$)re"));
    static const QRegularExpression pieceLine(QStringLiteral(R"re(^\| (\d) \| (.+) \|$)re"));
    static const QRegularExpression mainCell(QStringLiteral(R"re(^(\S+)(?: \(label "(.+)"\))?: (.+)$)re"));
    static const QRegularExpression subCell(QStringLiteral(R"re(^(\S+): (.+)$)re"));

    ParsedCatalogue result;
    int row = 0;
    QString prefix;
    const QStringList lines = QString::fromUtf8(kCatalogueText).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (const auto heading = rowHeading.match(line); heading.hasMatch()) {
            row = heading.captured(1).toInt();
            prefix = heading.captured(2);
            continue;
        }
        const auto pieceMatch = pieceLine.match(line);
        if (!pieceMatch.hasMatch())
            continue;
        const QStringList cells = pieceMatch.captured(2).split(QStringLiteral(" | "));
        if (cells.size() != 5) {
            result.errors << QStringLiteral("cells: ") + line;
            continue;
        }
        ParsedPiece piece;
        piece.row = row;
        piece.piece = pieceMatch.captured(1).toInt();
        piece.prefix = prefix;

        const auto main = mainCell.match(cells[0]);
        if (!main.hasMatch() || !statOfName(main.captured(1), piece.mainStat))
            result.errors << QStringLiteral("main: ") + line;
        piece.mainLabel = main.captured(2).isEmpty() ? main.captured(1) : main.captured(2);
        piece.mainValues = numbersOf(main.captured(3));

        for (int k = 1; k <= 3; ++k) {
            const auto sub = subCell.match(cells[k]);
            Stat stat = Stat::Penetration;
            if (!sub.hasMatch() || !statOfName(sub.captured(1), stat))
                result.errors << QStringLiteral("sub-option: ") + line;
            piece.subStats << stat;
            piece.subValues << numbersOf(sub.captured(2));
        }
        piece.synthesisMax = numbersOf(cells[4]).value(0, -1);
        result.pieces << piece;
    }
    return result;
}

QList<int> toList(const auto& values)
{
    QList<int> list;
    for (const int v : values)
        list << v;
    return list;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void textTablesAreComplete();
    void entry_data();
    void entry();
    void entryOutOfRange_data();
    void entryOutOfRange();
    void captionsAreDistinct();
    void captionLookupMisses_data();
    void captionLookupMisses();
    void tableShape_data();
    void tableShape();
    void setGroupOfRow_data();
    void setGroupOfRow();
    void rowPrefix_data();
    void rowPrefix();
    void setBonus_data();
    void setBonus();
    void setTexts_data();
    void setTexts();
};

// Guards the data-driven comparison below: a line the parser skipped would silently drop a piece.
void TestCatalogue::textTablesAreComplete()
{
    const ParsedCatalogue parsed = parseCatalogue();
    QVERIFY2(parsed.errors.isEmpty(), qPrintable(parsed.errors.join(QLatin1Char('\n'))));
    QCOMPARE(parsed.pieces.size(), 24);
    QSet<int> positions;
    for (const ParsedPiece& p : parsed.pieces) {
        QVERIFY(p.row >= 1 && p.row <= 3);
        QVERIFY(p.piece >= 1 && p.piece <= 8);
        positions.insert(p.row * 10 + p.piece);
    }
    QCOMPARE(positions.size(), 24);
}

void TestCatalogue::entry_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("mainStat");
    QTest::addColumn<QString>("mainLabel");
    QTest::addColumn<QList<int>>("mainValues");
    QTest::addColumn<QList<int>>("subStats");
    QTest::addColumn<QList<int>>("subValues1");
    QTest::addColumn<QList<int>>("subValues2");
    QTest::addColumn<QList<int>>("subValues3");
    QTest::addColumn<int>("synthesisMax");

    for (const ParsedPiece& p : parseCatalogue().pieces) {
        QList<int> subStats;
        for (const Stat s : p.subStats)
            subStats << static_cast<int>(s);
        QTest::addRow("row %d piece %d", p.row, p.piece)
            << p.row << p.piece << p.prefix << static_cast<int>(p.mainStat) << p.mainLabel << p.mainValues << subStats
            << p.subValues.value(0) << p.subValues.value(1) << p.subValues.value(2) << p.synthesisMax;
    }
}

void TestCatalogue::entry()
{
    QFETCH(int, row);
    QFETCH(int, piece);
    QFETCH(QString, prefix);
    QFETCH(int, mainStat);
    QFETCH(QString, mainLabel);
    QFETCH(QList<int>, mainValues);
    QFETCH(QList<int>, subStats);
    QFETCH(QList<int>, subValues1);
    QFETCH(QList<int>, subValues2);
    QFETCH(QList<int>, subValues3);
    QFETCH(int, synthesisMax);

    const CatalogueEntry* e = catalogueEntry(row, piece);
    QVERIFY(e != nullptr);
    QCOMPARE(e->row, row);
    QCOMPARE(e->piece, piece);
    QCOMPARE(static_cast<int>(e->mainStat), mainStat);
    QCOMPARE(QString::fromUtf8(e->mainLabel), mainLabel);
    QCOMPARE(toList(e->mainValues), mainValues);
    QList<int> actualSubStats;
    for (const CatalogueSubOption& sub : e->subOptions)
        actualSubStats << static_cast<int>(sub.stat);
    QCOMPARE(actualSubStats, subStats);
    QCOMPARE(toList(e->subOptions[0].values), subValues1);
    QCOMPARE(toList(e->subOptions[1].values), subValues2);
    QCOMPARE(toList(e->subOptions[2].values), subValues3);
    QCOMPARE(static_cast<int>(e->synthesisMax), synthesisMax);

    const QString caption = prefix + QStringLiteral(" %1번").arg(piece);
    QCOMPARE(e->caption(), caption);
    QCOMPARE(catalogueEntryByCaption(caption), e);
    QCOMPARE(catalogueRowPrefix(row), prefix);

    const QString picture =
        row == 1 ? QStringLiteral("image/lost-%1.gif").arg(piece) : QStringLiteral("image/pohwaran-%1.gif").arg(piece);
    QCOMPARE(e->picture(), picture);
}

void TestCatalogue::entryOutOfRange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");

    QTest::newRow("row 0") << 0 << 1;
    QTest::newRow("free-entry row 4") << 4 << 1;
    QTest::newRow("negative row") << -1 << 3;
    QTest::newRow("piece 0") << 1 << 0;
    QTest::newRow("piece 9") << 3 << 9;
    QTest::newRow("both beyond") << 5 << 12;
}

void TestCatalogue::entryOutOfRange()
{
    QFETCH(int, row);
    QFETCH(int, piece);
    QCOMPARE(catalogueEntry(row, piece), nullptr);
}

void TestCatalogue::captionsAreDistinct()
{
    QSet<QString> captions;
    for (int row = 1; row <= kCatalogueRows; ++row) {
        for (int piece = 1; piece <= kPieceCount; ++piece)
            captions.insert(catalogueEntry(row, piece)->caption());
    }
    QCOMPARE(captions.size(), 24);
}

void TestCatalogue::captionLookupMisses_data()
{
    QTest::addColumn<QString>("caption");

    QTest::newRow("free-entry editor") << QStringLiteral("기타 보패 1번");
    QTest::newRow("empty") << QString();
    QTest::newRow("trailing blank") << QStringLiteral("잃어버린 영린족 보패 2번 ");
    QTest::newRow("leading blank") << QStringLiteral(" 바다뱀 보패(영웅) 8번");
    QTest::newRow("no blank before number") << QStringLiteral("바다뱀 보패(최상급)7번");
    QTest::newRow("grade missing") << QStringLiteral("바다뱀 보패 3번");
    QTest::newRow("piece 9") << QStringLiteral("잃어버린 영린족 보패 9번");
    QTest::newRow("piece 0") << QStringLiteral("바다뱀 보패(영웅) 0번");
    QTest::newRow("leading zero") << QStringLiteral("잃어버린 영린족 보패 02번");
    QTest::newRow("prefix alone") << QStringLiteral("잃어버린 영린족 보패");
}

void TestCatalogue::captionLookupMisses()
{
    QFETCH(QString, caption);
    QCOMPARE(catalogueEntryByCaption(caption), nullptr);
}

void TestCatalogue::tableShape_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");

    for (int row = 1; row <= kCatalogueRows; ++row) {
        for (int piece = 1; piece <= kPieceCount; ++piece)
            QTest::addRow("row %d piece %d", row, piece) << row << piece;
    }
}

// The rules every catalogue piece follows: values listed largest first, three different sub-option
// stats that never repeat the main stat, no 관통 anywhere, and a 최대생명력 sub-option worth ten times
// the piece's other sub-options.
void TestCatalogue::tableShape()
{
    QFETCH(int, row);
    QFETCH(int, piece);

    const CatalogueEntry* e = catalogueEntry(row, piece);
    QVERIFY(e != nullptr);
    QVERIFY(e->mainValues[0] > e->mainValues[1]);
    QVERIFY(e->mainValues[1] > e->mainValues[2]);
    QVERIFY(e->mainStat != Stat::Penetration);

    QSet<int> stats = {static_cast<int>(e->mainStat)};
    QList<int> plainValues;
    for (const CatalogueSubOption& sub : e->subOptions) {
        QVERIFY(sub.values[0] > sub.values[1]);
        QVERIFY(sub.stat != Stat::Penetration);
        stats.insert(static_cast<int>(sub.stat));
        if (sub.stat != Stat::MaxLife)
            plainValues << sub.values[0] << sub.values[1];
    }
    QCOMPARE(stats.size(), 4);
    QVERIFY(plainValues.size() >= 4);
    for (const CatalogueSubOption& sub : e->subOptions) {
        const int scale = sub.stat == Stat::MaxLife ? 10 : 1;
        QCOMPARE(sub.values[0], plainValues[0] * scale);
        QCOMPARE(sub.values[1], plainValues[1] * scale);
    }
}

void TestCatalogue::setGroupOfRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<SetGroup>("group");

    QTest::newRow("row 1 잃어버린 영린족") << 1 << SetGroup::Lost;
    QTest::newRow("row 2 최상급") << 2 << SetGroup::SeaSerpent;
    QTest::newRow("row 3 영웅") << 3 << SetGroup::SeaSerpent;
    QTest::newRow("row 4 기타") << 4 << SetGroup::Free;
}

void TestCatalogue::setGroupOfRow()
{
    QFETCH(int, row);
    QFETCH(SetGroup, group);
    QCOMPARE(tessarin::setGroupOfRow(row), group);
}

void TestCatalogue::rowPrefix_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("row 0") << 0 << QString();
    QTest::newRow("row 1") << 1 << QStringLiteral("잃어버린 영린족 보패");
    QTest::newRow("row 2") << 2 << QStringLiteral("바다뱀 보패(최상급)");
    QTest::newRow("row 3") << 3 << QStringLiteral("바다뱀 보패(영웅)");
    QTest::newRow("free-entry row 4") << 4 << QString();
}

void TestCatalogue::rowPrefix()
{
    QFETCH(int, row);
    QFETCH(QString, prefix);
    QCOMPARE(catalogueRowPrefix(row), prefix);
}

void TestCatalogue::setBonus_data()
{
    QTest::addColumn<SetGroup>("group");
    QTest::addColumn<int>("count");
    QTest::addColumn<StatBlock>("stats");
    QTest::addColumn<SetTiers>("tiers");

    const SetTiers none;
    const SetTiers three{.three = true};
    const SetTiers five{.three = true, .five = true};
    const SetTiers all{.three = true, .five = true, .eight = true};

    struct Levels {
        const char* name;
        SetGroup group;
        StatBlock three;
        StatBlock five;
        StatBlock eight;
    };
    const Levels levels[] = {
        {"잃어버린 영린족", SetGroup::Lost, StatBlock{.accuracy = 39}, StatBlock{.accuracy = 39, .evasion = 119},
         StatBlock{.penetration = 167, .accuracy = 39, .block = 71, .evasion = 119}},
        {"바다뱀", SetGroup::SeaSerpent, StatBlock{.accuracy = 50}, StatBlock{.accuracy = 50, .evasion = 152},
         StatBlock{.penetration = 213, .accuracy = 50, .block = 91, .evasion = 152}},
    };
    for (const Levels& l : levels) {
        for (int count = 0; count <= 8; ++count) {
            StatBlock stats;
            SetTiers tiers = none;
            if (count == 8) {
                stats = l.eight;
                tiers = all;
            } else if (count >= 5) {
                stats = l.five;
                tiers = five;
            } else if (count >= 3) {
                stats = l.three;
                tiers = three;
            }
            QTest::addRow("%s %d", l.name, count) << l.group << count << stats << tiers;
        }
    }
    // The free set's effects are typed in by the user; the catalogue knows none.
    for (int count = 0; count <= 8; ++count)
        QTest::addRow("기타 %d", count) << SetGroup::Free << count << StatBlock{} << none;
}

void TestCatalogue::setBonus()
{
    QFETCH(SetGroup, group);
    QFETCH(int, count);
    QFETCH(StatBlock, stats);
    QFETCH(SetTiers, tiers);

    const SetBonus bonus = catalogueSetBonus(group, count);
    QCOMPARE(bonus.stats, stats);
    QCOMPARE(bonus.tiers, tiers);
}

void TestCatalogue::setTexts_data()
{
    QTest::addColumn<SetGroup>("group");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("잃어버린 영린족") << SetGroup::Lost
                                     << QStringList{QStringLiteral("잃어버린 영린족 보패"),
                                                    QStringLiteral("3세트 효과 : 명중 39 증가"),
                                                    QStringLiteral("5세트 효과 : 회피119 증가"),
                                                    QStringLiteral("8세트 효과 : 관통 167 증가, 막기 71 증가")};
    QTest::newRow("바다뱀") << SetGroup::SeaSerpent
                            << QStringList{QStringLiteral("바다뱀 보패"), QStringLiteral("3세트 효과 : 명중 50 증가"),
                                           QStringLiteral("5세트 효과 : 회피152 증가"),
                                           QStringLiteral("8세트 효과 : 관통 213 증가, 막기 91 증가")};
    QTest::newRow("기타") << SetGroup::Free << QStringList{QString(), QString(), QString(), QString()};
}

void TestCatalogue::setTexts()
{
    QFETCH(SetGroup, group);
    QFETCH(QStringList, lines);

    const std::array<QString, 4> texts = catalogueSetTexts(group);
    QStringList actual;
    for (const QString& line : texts)
        actual << line;
    QCOMPARE(actual, lines);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
