// Builds: taken from the record and put back, kept in files and share codes, stacked for undo. What is
// refused is refused whole, with a Korean reason; what is accepted comes back unchanged.
#include "common/random_build.h"

#include "data/catalogue.h"
#include "engine/accessory_rules.h"
#include "engine/class_rules.h"
#include "engine/set_effects.h"
#include "engine/soulshield_rules.h"
#include "engine/stances.h"
#include "engine/synthesis_rules.h"
#include "engine/weapon_rules.h"
#include "storage/build_code.h"
#include "storage/build_file.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace tessarin;
using namespace tessarin::testing;

namespace {

// A whole character built by the rules the editors call: class, weapon with gem, five accessories,
// eight sea-serpent and lost pieces, each synthesized, and a stance.
struct FullCharacter {
    CharacterState state;
    BuildMarks marks;
};

FullCharacter fullCharacter()
{
    FullCharacter c;
    CharacterState& s = c.state;
    changeClass(s, QStringLiteral("검사"));
    toggleStance(s, Stance::Baldo);
    c.marks.stanceLabelsOn[0] = true;
    const EquippedWeapon weapon = equipDungeonWeapon(s, WeaponSource::Paradise, 348, GemChoice{1, true, 4});
    c.marks.weapon = weapon.weaponPicture;
    c.marks.gem = weapon.gemPicture;
    for (int n = 1; n <= kAccessoryCount; ++n)
        c.marks.accessories[n] = equipAccessory(s, n, {12, n == 5 ? 3.0 : 0, 10, 20, 30, 0, 0, 5, 2, 300});
    for (int k = 1; k <= kPieceCount; ++k) {
        const CatalogueEntry* entry = catalogueEntry(k % 2 ? 2 : 1, k);
        c.marks.pieces[k] = equipCataloguePiece(s, *entry, entry->mainValues[0], 1 + k % 3,
                                                entry->subOptions[static_cast<std::size_t>(k % 3)].values[0]);
        openSynthesisFor(s, kAllStats[static_cast<std::size_t>(k % 6)]);
        s.stoneValue = entry->synthesisMax;
        applySynthesis(s, k);
    }
    runSetEffectCycle(s);
    for (const IndicatorChange& change : runIndicatorCycle(s))
        c.marks.indicators[static_cast<std::size_t>(change.indicator)] = QString::fromUtf8(change.picture);
    return c;
}

QJsonObject fileObject(const Build& build)
{
    return QJsonDocument::fromJson(encodeBuildFile(build)).object();
}

// Changes the member at a dotted path ("pieces.3.row": item 3, 1-based) of a build file.
using Change = std::function<void(QJsonValueRef)>;
void changeAt(QJsonObject& object, QStringList path, const Change& change)
{
    const QString key = path.takeFirst();
    if (path.isEmpty()) {
        change(object[key]);
        return;
    }
    QJsonValue child = object.value(key);
    if (child.isArray()) {
        QJsonArray items = child.toArray();
        const int index = path.takeFirst().toInt() - 1;
        if (path.isEmpty()) {
            change(items[index]);
        } else {
            QJsonObject item = items.at(index).toObject();
            changeAt(item, path, change);
            items[index] = item;
        }
        object[key] = items;
        return;
    }
    QJsonObject inner = child.toObject();
    changeAt(inner, path, change);
    object[key] = inner;
}

Change setTo(const QJsonValue& value)
{
    return [value](QJsonValueRef ref) { ref = value; };
}

const Change kRemove = [](QJsonValueRef ref) { ref = QJsonValue(QJsonValue::Undefined); };

} // namespace

class TestBuild : public QObject {
    Q_OBJECT

private slots:
    void takenAndAppliedGiveTheSameRecord();
    void randomBuildsRoundTrip();
    void fullCharacterCodeIsShort();
    void fileRefusals_data();
    void fileRefusals();
    void byteRefusals_data();
    void byteRefusals();
    void everyDamagedCodeIsRefused();
    void codeRefusals_data();
    void codeRefusals();
    void chatWhitespaceIsIgnored();
    void undoAndRedo();
    void savingKeepsThePreviousFile();
    void failedSaveKeepsTheFile();
};

void TestBuild::takenAndAppliedGiveTheSameRecord()
{
    const FullCharacter c = fullCharacter();
    const Build build = takeBuild(c.state, c.marks);
    QVERIFY(buildFault(build).isEmpty());
    CharacterState fresh;
    // What the synthesis dialog passed along is no part of a build and stays as it was.
    fresh.synthesisStat = c.state.synthesisStat;
    fresh.stoneValue = c.state.stoneValue;
    const AppliedBuild applied = applyBuild(fresh, build);
    // Every field of the record, the set-effect records and counts included, is what the rules made.
    QVERIFY(fresh == c.state);
    QVERIFY(applied.marks == c.marks);
    QVERIFY(applied.stanceButtons[0].visible);
    QCOMPARE(applied.stanceButtons[0].picture, QStringLiteral("image/발도.jpg"));

    RandomBuilds random(7);
    for (int i = 0; i < 500; ++i) {
        const Build b = random.next();
        CharacterState s;
        s.helpPage[2] = 3; // values windows pass to each other stay
        const AppliedBuild again = applyBuild(s, b);
        QVERIFY(takeBuild(s, again.marks) == b);
        QCOMPARE(s.helpPage[2], std::int16_t(3));
    }
}

void TestBuild::randomBuildsRoundTrip()
{
    RandomBuilds random(20261210);
    for (int i = 0; i < 3000; ++i) {
        const Build b = random.next();
        QVERIFY2(buildFault(b).isEmpty(), qPrintable(buildFault(b)));
        const BuildReading file = decodeBuildFile(encodeBuildFile(b));
        QVERIFY2(file.build && *file.build == b, qPrintable(file.fault));
        const BuildReading code = decodeShareCode(encodeShareCode(b));
        QVERIFY2(code.build && *code.build == b, qPrintable(code.fault));
    }
}

void TestBuild::fullCharacterCodeIsShort()
{
    const FullCharacter c = fullCharacter();
    const QString code = encodeShareCode(takeBuild(c.state, c.marks));
    QVERIFY2(code.size() < 400, qPrintable(QString::number(code.size())));
    qInfo("a full character's share code: %d characters", static_cast<int>(code.size()));
    QVERIFY(code.startsWith(QLatin1String("TSR1-")));
    for (QChar ch : code)
        QVERIFY(ch.isLetterOrNumber() || ch == u'-' || ch == u'_');
}

void TestBuild::fileRefusals_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value"); // Undefined: the member is removed
    QTest::addColumn<QString>("fault");
    const QJsonValue gone(QJsonValue::Undefined);
    QTest::newRow("other format") << "format" << QJsonValue("other") << "캐릭터 파일이 아닙니다";
    QTest::newRow("newer version") << "version" << QJsonValue(2) << "더 새로운 판(2)";
    QTest::newRow("version as text") << "version" << QJsonValue("1") << "판 번호";
    QTest::newRow("missing attack") << "weapon.attack" << gone << "'weapon.attack' 항목이 없습니다";
    QTest::newRow("attack as text") << "weapon.attack" << QJsonValue("12") << "'weapon.attack'의 형식";
    QTest::newRow("flag as number") << "weapon.equipped" << QJsonValue(1) << "필요한 형식: 참/거짓";
    QTest::newRow("row 5") << "pieces.3.row" << QJsonValue(5) << "'pieces[3].row'의 값 5은(는) 1부터 4까지";
    QTest::newRow("row 0") << "pieces.3.row" << QJsonValue(0) << "1부터 4까지";
    QTest::newRow("row 2.5") << "pieces.3.row" << QJsonValue(2.5) << "필요한 형식: 정수";
    QTest::newRow("synthesis over 16 bits") << "pieces.2.synthesis.1" << QJsonValue(40000) << "-32768부터 32767까지";
    QTest::newRow("maximum under 16 bits") << "pieces.2.synthesisMax" << QJsonValue(-32769) << "-32768부터 32767까지";
    QTest::newRow("unknown stance") << "stances.on.1" << QJsonValue("날아차기") << "없는 자세 '날아차기'";
    QTest::newRow("unknown class") << "class.picked" << QJsonValue("마법사") << "없는 직업";
    QTest::newRow("foreign picture") << "weapon.picture" << QJsonValue("image/../../etc/passwd") << "그림이 아닙니다";
    QTest::newRow("piece picture of another position") << "pieces.1.picture" << QJsonValue("image/lost-2.gif")
                                                       << "그림이 아닙니다";
    QTest::newRow("indicator picture of another tier") << "indicators.three" << QJsonValue("image/set50.gif")
                                                       << "그림";
    QTest::newRow("gem stat 6") << "weapon.gemStat" << QJsonValue(6) << "0부터 5까지";
    QTest::newRow("fitted gem without a stat") << "weapon.gemStat" << QJsonValue(0) << "1부터 5까지";
    QTest::newRow("two gems") << "weapon.gemKinds.1" << QJsonValue(true) << "두 개 이상";
    QTest::newRow("seven pieces") << "pieces.8" << gone << "항목 8개의 배열";
    QTest::newRow("two synthesized stats") << "pieces.2.synthesis.6" << QJsonValue(5) << "두 가지 이상";
    QTest::newRow("accessory as array") << "accessories.1" << QJsonValue(QJsonArray{}) << "필요한 형식: 객체";
}

void TestBuild::fileRefusals()
{
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QFETCH(QString, fault);
    const FullCharacter c = fullCharacter();
    QJsonObject file = fileObject(takeBuild(c.state, c.marks));
    QStringList parts = path.split(u'.');
    // Removing an array item shortens the array; other members are replaced or removed.
    if (value.isUndefined() && parts.size() == 2 && file.value(parts[0]).isArray()) {
        QJsonArray items = file.value(parts[0]).toArray();
        items.removeAt(parts[1].toInt() - 1);
        file[parts[0]] = items;
    } else {
        changeAt(file, parts, value.isUndefined() ? kRemove : setTo(value));
    }
    const BuildReading reading = decodeBuildFile(QJsonDocument(file).toJson());
    QVERIFY(!reading.build);
    QVERIFY2(reading.fault.contains(fault), qPrintable(reading.fault));
}

void TestBuild::byteRefusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fault");
    const FullCharacter c = fullCharacter();
    const QByteArray good = encodeBuildFile(takeBuild(c.state, c.marks));
    QTest::newRow("empty") << QByteArray() << "JSON";
    QTest::newRow("text") << QByteArray("hello") << "JSON";
    QTest::newRow("array") << QByteArray("[1, 2]") << "JSON";
    QTest::newRow("cut short") << good.left(good.size() / 2) << "JSON";
    QByteArray infinite = good;
    infinite.replace("\"attack\": 348", "\"attack\": 1e999");
    QTest::newRow("infinite number") << infinite << "";
    QByteArray broken = good;
    broken.replace("검사", "\xff\xfe");
    QTest::newRow("not UTF-8") << broken << "UTF-8";
    QByteArray huge = good;
    huge.insert(1, QByteArray(kLargestBuildFile, ' '));
    QTest::newRow("over 1 MiB") << huge << "너무 큽니다";
}

void TestBuild::byteRefusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fault);
    const BuildReading reading = decodeBuildFile(bytes);
    QVERIFY(!reading.build);
    QVERIFY(!reading.fault.isEmpty());
    QVERIFY2(reading.fault.contains(fault), qPrintable(reading.fault));
}

void TestBuild::everyDamagedCodeIsRefused()
{
    const FullCharacter c = fullCharacter();
    const QString code = encodeShareCode(takeBuild(c.state, c.marks));
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_");
    int tried = 0;
    auto refused = [&](const QString& damaged) {
        ++tried;
        const BuildReading reading = decodeShareCode(damaged);
        return !reading.build && !reading.fault.isEmpty();
    };
    for (qsizetype i = 0; i < code.size(); ++i) {
        QVERIFY2(refused(QString(code).remove(i, 1)), qPrintable(QStringLiteral("dropped at %1").arg(i)));
        for (QChar ch : alphabet) {
            if (ch != code[i])
                QVERIFY2(refused(QString(code).replace(i, 1, ch)), qPrintable(QStringLiteral("changed at %1").arg(i)));
            QVERIFY2(refused(QString(code).insert(i, ch)), qPrintable(QStringLiteral("added at %1").arg(i)));
        }
    }
    QCOMPARE(tried, static_cast<int>(code.size() * 2 * alphabet.size())); // one drop, 63 changes, 64 additions a place
}

void TestBuild::codeRefusals_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("fault");
    QTest::newRow("empty") << QString() << "공유 코드가 아닙니다";
    QTest::newRow("a sentence") << QStringLiteral("안녕하세요") << "공유 코드가 아닙니다";
    QTest::newRow("other version") << QStringLiteral("TSR2-AAAA") << "다른 판";
    QTest::newRow("prefix only") << QStringLiteral("TSR1-") << "손상";
    QTest::newRow("padding") << QStringLiteral("TSR1-AAAA==") << "손상";
    QTest::newRow("plain base64 characters") << QStringLiteral("TSR1-ab+/") << "손상";
    QTest::newRow("very long") << QStringLiteral("TSR1-") + QString(1 << 20, u'A') << "손상";
}

void TestBuild::codeRefusals()
{
    QFETCH(QString, code);
    QFETCH(QString, fault);
    const BuildReading reading = decodeShareCode(code);
    QVERIFY(!reading.build);
    QVERIFY2(reading.fault.contains(fault), qPrintable(reading.fault));
}

void TestBuild::chatWhitespaceIsIgnored()
{
    const FullCharacter c = fullCharacter();
    const Build build = takeBuild(c.state, c.marks);
    QString code = encodeShareCode(build);
    // What a chat program does to a long line: breaks, indents and a trailing blank.
    code.insert(60, QStringLiteral("\r\n  "));
    code.insert(5, u'\t');
    code.prepend(QStringLiteral("  "));
    code.append(QStringLiteral(" \n"));
    const BuildReading reading = decodeShareCode(code);
    QVERIFY2(reading.build && *reading.build == build, qPrintable(reading.fault));
}

void TestBuild::undoAndRedo()
{
    RandomBuilds random(3);
    std::vector<Build> builds;
    for (int i = 0; i < 150; ++i)
        builds.push_back(random.next());
    BuildHistory history(builds[0]);
    QVERIFY(!history.canUndo() && !history.canRedo());
    QVERIFY(!history.record(builds[0])); // the same build is no step
    for (std::size_t i = 1; i < builds.size(); ++i)
        QVERIFY(history.record(builds[i]));
    QVERIFY(history.undoSteps() >= 100);
    for (std::size_t i = builds.size() - 1; i >= builds.size() - 100; --i)
        QVERIFY(history.undo() == builds[i - 1]);
    QVERIFY(history.canRedo());
    QVERIFY(history.redo() == builds[builds.size() - 100]);
    // A new change drops what could be redone.
    QVERIFY(history.record(builds[0]));
    QVERIFY(!history.canRedo());
    QVERIFY(!history.redo());
    QVERIFY(history.undo() == builds[builds.size() - 100]);
}

void TestBuild::savingKeepsThePreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("검사.tessarin"));
    RandomBuilds random(11);
    const Build first = random.next();
    const Build second = random.next();
    QCOMPARE(saveBuildFile(path, first), QString());
    QVERIFY(!QFile::exists(path + u'~'));
    QCOMPARE(saveBuildFile(path, second), QString());
    const BuildReading now = loadBuildFile(path);
    const BuildReading before = loadBuildFile(path + u'~');
    QVERIFY(now.build && *now.build == second);
    QVERIFY(before.build && *before.build == first);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left.size(), 2); // no temporary file stays behind
}

void TestBuild::failedSaveKeepsTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.tessarin"));
    RandomBuilds random(12);
    QCOMPARE(saveBuildFile(path, random.next()), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    // The copy of the previous file cannot be made (a folder has its name): nothing is replaced.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a.tessarin~")));
    const QString fault = saveBuildFile(path, random.next());
    QVERIFY(fault.contains(QStringLiteral("저장하지 않았습니다")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    // A file in a place that cannot hold one is not saved and says so.
    QVERIFY(saveBuildFile(path + QStringLiteral("/inside.tessarin"), random.next()).contains(QStringLiteral("저장하지")));
    QVERIFY(!loadBuildFile(dir.filePath(QStringLiteral("none.tessarin"))).build);
}

QTEST_GUILESS_MAIN(TestBuild)
#include "tst_build.moc"
