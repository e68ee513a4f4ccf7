#include "storage/set_file.h"

#include "file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tessarin;

Q_DECLARE_METATYPE(tessarin::SetFileFault)

namespace {

SetFileLines sampleLines()
{
    SetFileLines lines;
    for (int i = 0; i < kSetFileLineCount; ++i)
        lines[static_cast<std::size_t>(i)] = QString::number(10 + i);
    lines[0] = QStringLiteral("12.5");
    lines[3] = QStringLiteral("보패 세트");
    lines[7] = QStringLiteral("  -7 abc");
    lines[20] = QString();
    lines[21] = QStringLiteral("똠\\x");
    lines[28] = QStringLiteral("&H1F");
    return lines;
}

QByteArray crlfLines(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSetFile : public QObject {
    Q_OBJECT

private slots:
    void encodesExactBytes_data();
    void encodesExactBytes();
    void refusesWhatCannotBeStored_data();
    void refusesWhatCannotBeStored();
    void decodes_data();
    void decodes();
    void refusesUnsoundFiles_data();
    void refusesUnsoundFiles();
    void saveLoadDelete();
    void faultsKeepThePreviousFile();
    void saveFailingMidwayKeepsThePreviousFile();
    void choosesTheUsersFolderWhenTheProgramFolderIsReadOnly();
};

void TestSetFile::encodesExactBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes"); // as Korean Windows writes the line, without its CR LF

    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("digits") << QStringLiteral("-32768") << QByteArray("-32768");
    QTest::newRow("Korean") << QStringLiteral("보패") << QByteArray::fromHex("bab8c6d0");
    QTest::newRow("extended Hangul") << QStringLiteral("똠") << QByteArray::fromHex("8c63");
    QTest::newRow("backslash stays 0x5C") << QStringLiteral("\\") << QByteArray("\\");
    QTest::newRow("mixed") << QStringLiteral("합성 최대치") << QByteArray::fromHex("c7d5bcba20c3d6b4ebc4a1");
}

void TestSetFile::encodesExactBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    SetFileLines lines;
    lines[5] = text;
    const SetFileEncoding encoded = encodeSetFile(lines);
    QCOMPARE(encoded.fault, SetFileFault::None);
    QCOMPARE(encoded.bytes, QByteArray("\r\n").repeated(5) + bytes + QByteArray("\r\n").repeated(24));
    const SetFileDecoding decoded = decodeSetFile(encoded.bytes);
    QCOMPARE(decoded.fault, SetFileFault::None);
    QCOMPARE(decoded.lines[5], text);
}

void TestSetFile::refusesWhatCannotBeStored_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << 3 << QStringLiteral("12😀");
    QTest::newRow("won sign outside the code page") << 29 << QStringLiteral("₩100");
    QTest::newRow("Latin letter with accent") << 1 << QStringLiteral("é");
    QTest::newRow("line feed") << 22 << QStringLiteral("1\n2");
    QTest::newRow("carriage return") << 8 << QStringLiteral("1\r");
    QTest::newRow("lone surrogate") << 15 << QString(QChar(0xD800));
}

void TestSetFile::refusesWhatCannotBeStored()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    SetFileLines lines = sampleLines();
    lines[static_cast<std::size_t>(line - 1)] = text;
    const SetFileEncoding encoded = encodeSetFile(lines);
    QCOMPARE(encoded.fault, SetFileFault::Unencodable);
    QCOMPARE(encoded.line, line);
    QVERIFY(encoded.bytes.isEmpty());
}

void TestSetFile::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QStringList empty(kSetFileLineCount, QString());
    QStringList numbered;
    QList<QByteArray> numberedBytes;
    for (int i = 1; i <= kSetFileLineCount; ++i) {
        numbered << QString::number(i);
        numberedBytes << QByteArray::number(i);
    }

    QTest::newRow("29 empty lines are 58 bytes") << QByteArray("\r\n").repeated(29) << empty;
    QTest::newRow("numbered") << crlfLines(numberedBytes) << numbered;
    QTest::newRow("lines after the 29th ignored") << crlfLines(numberedBytes) + "30\r\n\xff\xff not Korean\r\n"
                                                  << numbered;
    QByteArray unixEndings = crlfLines(numberedBytes);
    unixEndings.replace("\r\n", "\n");
    QTest::newRow("lone line feeds") << unixEndings << numbered;
    QByteArray macEndings = crlfLines(numberedBytes);
    macEndings.replace("\r\n", "\r");
    QTest::newRow("lone carriage returns") << macEndings << numbered;
    QByteArray noLastEnding = crlfLines(numberedBytes);
    noLastEnding.chop(2);
    QTest::newRow("last line without ending") << noLastEnding << numbered;

    // Made by hand as Korean Windows Notepad saves ANSI text.
    QList<QByteArray> handMade(kSetFileLineCount, QByteArray());
    handMade[0] = "39";
    handMade[7] = QByteArray::fromHex("bab8c6d0"); // 보패
    handMade[21] = "77";
    handMade[28] = QByteArray::fromHex("8c63") + " 12.5"; // 똠 12.5
    QStringList expected(kSetFileLineCount, QString());
    expected[0] = "39";
    expected[7] = "보패";
    expected[21] = "77";
    expected[28] = "똠 12.5";
    QTest::newRow("hand-made code page 949") << crlfLines(handMade) << expected;
}

void TestSetFile::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const SetFileDecoding decoded = decodeSetFile(bytes);
    QCOMPARE(decoded.fault, SetFileFault::None);
    QCOMPARE(QStringList(decoded.lines.begin(), decoded.lines.end()), lines);
}

void TestSetFile::refusesUnsoundFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<SetFileFault>("fault");
    QTest::addColumn<int>("line");

    QTest::newRow("empty file") << QByteArray() << SetFileFault::TooShort << 0;
    QTest::newRow("28 lines") << QByteArray("1\r\n").repeated(28) << SetFileFault::TooShort << 0;
    // What Windows reads from bytes its code page leaves undefined (0x80, 0xFF, user-defined rows) is
    // read the same way here; only byte pairs with no character at all are refused.
    QTest::newRow("pair with no character")
        << QByteArray("1\r\n").repeated(4) + "\xc7\x41\r\n" + QByteArray("1\r\n").repeated(24)
        << SetFileFault::NotCodePage949 << 5;
    QTest::newRow("lead byte cut off by the line end")
        << QByteArray("\xb0\r\n") + QByteArray("1\r\n").repeated(28) << SetFileFault::NotCodePage949 << 1;
    QTest::newRow("past the last Hangul")
        << QByteArray("1\r\n").repeated(9) + "\xc6\x53\r\n" + QByteArray("1\r\n").repeated(19)
        << SetFileFault::NotCodePage949 << 10;
    QTest::newRow("line longer than a box")
        << QByteArray("7").repeated(kSetFileMaxLineLength + 1) + "\r\n" + QByteArray("1\r\n").repeated(28)
        << SetFileFault::LineTooLong << 1;
}

void TestSetFile::refusesUnsoundFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(SetFileFault, fault);
    QFETCH(int, line);
    const SetFileDecoding decoded = decodeSetFile(bytes);
    QCOMPARE(decoded.fault, fault);
    QCOMPARE(decoded.line, line);
    QCOMPARE(decoded.lines, SetFileLines{}); // nothing half read
}

void TestSetFile::saveLoadDelete()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const SetFile file(folder.filePath("data.dat"));
    QCOMPARE(file.load().outcome, SetFile::Outcome::NotFound);
    QCOMPARE(file.remove().outcome, SetFile::Outcome::NotFound);

    QCOMPARE(file.save(SetFileLines{}).outcome, SetFile::Outcome::Done);
    QCOMPARE(readAll(file.path()), QByteArray("\r\n").repeated(29));

    const SetFileLines lines = sampleLines();
    QCOMPARE(file.save(lines).outcome, SetFile::Outcome::Done);
    const SetFile::Result loaded = file.load();
    QCOMPARE(loaded.outcome, SetFile::Outcome::Done);
    QCOMPARE(loaded.lines, lines);
    QCOMPARE(readAll(file.path()), encodeSetFile(lines).bytes);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.dat"}); // no leftovers

    QCOMPARE(file.remove().outcome, SetFile::Outcome::Done);
    QVERIFY(!QFile::exists(file.path()));
    QCOMPARE(file.load().outcome, SetFile::Outcome::NotFound);
    QCOMPARE(file.remove().outcome, SetFile::Outcome::NotFound);
}

void TestSetFile::faultsKeepThePreviousFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const SetFile file(folder.filePath("data.dat"));
    QCOMPARE(file.save(sampleLines()).outcome, SetFile::Outcome::Done);
    const QByteArray before = readAll(file.path());

    SetFileLines withEmoji = sampleLines();
    withEmoji[10] = QStringLiteral("😀");
    const SetFile::Result refused = file.save(withEmoji);
    QCOMPARE(refused.outcome, SetFile::Outcome::Unencodable);
    QCOMPARE(refused.line, 11);
    QCOMPARE(readAll(file.path()), before);

    // A folder where the file should be: nothing can be saved, read or deleted, and nothing is lost.
    const SetFile blocked(folder.filePath("blocked"));
    QVERIFY(QDir(folder.path()).mkdir("blocked"));
    QVERIFY(writeAll(folder.filePath("blocked/keep"), "kept"));
    QCOMPARE(blocked.save(sampleLines()).outcome, SetFile::Outcome::WriteFailed);
    QCOMPARE(blocked.load().outcome, SetFile::Outcome::Unreadable);
    QCOMPARE(blocked.remove().outcome, SetFile::Outcome::DeleteFailed);
    QCOMPARE(readAll(folder.filePath("blocked/keep")), QByteArray("kept"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.dat"});
}

void TestSetFile::saveFailingMidwayKeepsThePreviousFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const SetFile file(folder.filePath("data.dat"));
    QCOMPARE(file.save(sampleLines()).outcome, SetFile::Outcome::Done);
    const QByteArray before = readAll(file.path());

    SetFileLines longer = sampleLines();
    longer.fill(QStringLiteral("123456789"));
    SetFile::Result result;
    {
        // The write stops partway through the new set.
        const testing::FileSizeLimit limit(40);
        QVERIFY(limit.active());
        result = file.save(longer);
    }

    QCOMPARE(result.outcome, SetFile::Outcome::WriteFailed);
    QCOMPARE(readAll(file.path()), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.dat"});
    QCOMPARE(file.load().lines, sampleLines());
}

void TestSetFile::choosesTheUsersFolderWhenTheProgramFolderIsReadOnly()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString user = folder.filePath("user");
    QCOMPARE(SetFile::choosePath(folder.path(), user), folder.filePath("data.dat"));

    // /proc cannot take files, not even from root.
    const QString readOnly = QStringLiteral("/proc/self");
    if (QFileInfo(readOnly).isWritable())
        QSKIP("no folder here that this user cannot write");
    QCOMPARE(SetFile::choosePath(readOnly, user), QDir(user).filePath("data.dat"));
    const SetFile file(SetFile::choosePath(readOnly, user));
    QCOMPARE(file.save(sampleLines()).outcome, SetFile::Outcome::Done); // the user's folder is made
    QCOMPARE(file.load().lines, sampleLines());
}

QTEST_APPLESS_MAIN(TestSetFile)
#include "tst_set_file.moc"
