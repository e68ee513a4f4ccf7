// Kills a process that is saving the set file (or a build file) at each of its system calls in turn and
// checks that what it leaves behind is always a whole file: the one before the save or the one being
// saved; a build file's copy of the previous one (NAME~) is always a whole build too.
//
// A killed process changes the disk only through the system calls it made before it died, so stopping
// the saving child at every system-call entry and exit (ptrace) and killing it there reaches every state
// a kill can leave, without depending on timing.
#include "common/random_build.h"
#include "storage/build_file.h"
#include "storage/set_file.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessarin;

namespace {

constexpr int kChildNotTraced = 90;
constexpr int kChildSaveFailed = 91;
constexpr int kNeverKill = -1;

struct ChildSave {
    bool traced = false;   // the child stopped under our control before it saved
    bool finished = false; // it ran to its end instead of being killed
    int exitCode = -1;
    int stops = 0; // system-call stops seen (entry and exit count apart)
};

// Runs `save` in a child process and kills it with SIGKILL at system-call stop `killAtStop` (0: before its
// first system call), or lets it finish when `killAtStop` is never reached.
ChildSave saveInChild(const std::function<bool()>& save, int killAtStop)
{
    ChildSave run;
    // A forked child draws its temporary file's name from a copy of this process's random state. Moving
    // that state on before each fork keeps a child from retrying the names its killed siblings left, as
    // separate runs of the program never do.
    QRandomGenerator::global()->discard(4096);
    const pid_t pid = fork();
    if (pid < 0)
        return run;
    if (pid == 0) {
        // No exit handler may run in the copy of the test process: leave with _exit only.
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
            _exit(kChildNotTraced);
        raise(SIGSTOP);
        _exit(save() ? 0 : kChildSaveFailed);
    }

    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status)) {
        run.finished = WIFEXITED(status);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }
    // The child must not outlive this test if the test dies.
    ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    run.traced = true;
    int pendingSignal = 0;
    for (;;) {
        if (run.stops == killAtStop) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return run;
        }
        ptrace(PTRACE_SYSCALL, pid, nullptr, pendingSignal);
        pendingSignal = 0;
        if (waitpid(pid, &status, 0) != pid)
            return run;
        if (WIFEXITED(status) || WIFSIGNALED(status)) {
            run.finished = true;
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return run;
        }
        if (WSTOPSIG(status) == (SIGTRAP | 0x80))
            ++run.stops;
        else
            pendingSignal = WSTOPSIG(status); // a real signal: hand it on
    }
}

// Three different sets, so that each save really changes the file; one is long enough that its bytes
// are more than a small write.
SetFileLines setNumber(int which)
{
    SetFileLines lines;
    for (int i = 0; i < kSetFileLineCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        switch (which) {
        case 0: lines[index] = QString::number(i + 1); break;
        case 1: lines[index] = QStringLiteral("보패 %1 세트 ").arg(i).repeated(40); break;
        default: lines[index] = QStringLiteral("&H%1").arg(1000 - i, 0, 16); break;
        }
    }
    return lines;
}

QByteArray encoded(const SetFileLines& lines)
{
    return encodeSetFile(lines).bytes;
}

// Three different builds, one of them with long texts.
tessarin::Build buildNumber(int which)
{
    tessarin::testing::RandomBuilds random(static_cast<quint32>(100 + which));
    tessarin::Build build = random.next();
    if (which == 1)
        build.classText = QStringLiteral("아주 긴 직업 이름 ").repeated(200);
    return build;
}

// What is saved: the set file or a build file, three versions of each.
struct FileKind {
    QString fileName;
    std::function<bool(const QString& path, int which)> save;
    std::function<QByteArray(int which)> bytes;
    std::function<bool(const QString& path, int which)> readsBack;
};

FileKind fileKind(bool buildFile)
{
    if (buildFile)
        return {QStringLiteral("a.tessarin"),
                [](const QString& path, int which) { return saveBuildFile(path, buildNumber(which)).isEmpty(); },
                [](int which) { return encodeBuildFile(buildNumber(which)); },
                [](const QString& path, int which) {
                    const BuildReading reading = loadBuildFile(path);
                    return reading.build && *reading.build == buildNumber(which);
                }};
    return {QStringLiteral("data.dat"),
            [](const QString& path, int which) {
                return SetFile(path).save(setNumber(which)).outcome == SetFile::Outcome::Done;
            },
            [](int which) { return encoded(setNumber(which)); },
            [](const QString& path, int which) {
                const SetFile::Result loaded = SetFile(path).load();
                return loaded.outcome == SetFile::Outcome::Done && loaded.lines == setNumber(which);
            }};
}

const QByteArray kMissing("<missing>");

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return kMissing;
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QString describe(const QByteArray& content)
{
    return content == kMissing ? QStringLiteral("no file") : QStringLiteral("%1 bytes").arg(content.size());
}

QStringList strayFiles(const QString& folder, const QString& fileName = QStringLiteral("data.dat"))
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(fileName);
    names.removeAll(fileName + u'~');
    return names;
}

// The most system-call stops a whole save of any of the three versions makes (over a previous file, or
// with none), found by letting each run to its end; version 0 is saved last and stays in the file.
int stopsOfWholeSave(const FileKind& kind, const QString& path, bool previous)
{
    int most = -1;
    for (int which = 2; which >= 0; --which) {
        if (!previous)
            QFile::remove(path);
        const ChildSave run = saveInChild([&] { return kind.save(path, which); }, kNeverKill);
        if (!run.traced || !run.finished || run.exitCode != 0)
            return -1;
        most = std::max(most, run.stops);
    }
    return most;
}

} // namespace

class TestSetFileCrash : public QObject {
    Q_OBJECT

private slots:
    void wholeSaveIsTracedToItsEnd();
    void killedSaveLeavesPreviousOrNewSet_data();
    void killedSaveLeavesPreviousOrNewSet();
};

void TestSetFileCrash::wholeSaveIsTracedToItsEnd()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("data.dat"));
    const ChildSave run = saveInChild([&] { return SetFile(path).save(setNumber(1)).outcome == SetFile::Outcome::Done; },
                                      kNeverKill);
    QVERIFY2(run.traced, "the child could not be traced (ptrace refused?)");
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    // Open, write and rename at the least, each seen at entry and exit.
    QVERIFY2(run.stops >= 6, qPrintable(QStringLiteral("only %1 system-call stops").arg(run.stops)));
    QCOMPARE(contentOf(path), encoded(setNumber(1)));
    QVERIFY(strayFiles(folder.path()).isEmpty());
}

void TestSetFileCrash::killedSaveLeavesPreviousOrNewSet_data()
{
    QTest::addColumn<bool>("buildFile");
    QTest::addColumn<bool>("previousSet");
    QTest::addColumn<int>("kills");

    QTest::newRow("over a previous set") << false << true << 160;
    QTest::newRow("first save, no file yet") << false << false << 40;
    QTest::newRow("build file over a previous build") << true << true << 200;
    QTest::newRow("first build file") << true << false << 40;
}

void TestSetFileCrash::killedSaveLeavesPreviousOrNewSet()
{
    QFETCH(bool, buildFile);
    QFETCH(bool, previousSet);
    QFETCH(int, kills);
    const FileKind kind = fileKind(buildFile);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(kind.fileName);
    const int wholeSave = stopsOfWholeSave(kind, path, previousSet);
    QVERIFY2(wholeSave > 0, "a whole save in a traced child failed");

    int current = 0; // the set the file holds now
    int leftPrevious = 0;
    int leftNew = 0;
    for (int kill = 0; kill < kills; ++kill) {
        if (!previousSet)
            QVERIFY(!QFile::exists(path) || QFile::remove(path));
        const QByteArray before = previousSet ? kind.bytes(current) : kMissing;
        QCOMPARE(contentOf(path), before);
        const int next = (current + 1 + kill % 2) % 3;
        const QByteArray after = kind.bytes(next);

        // Kill points spread evenly from before the first system call to after the last one.
        const int killAt = kill * (wholeSave + 1) / kills;
        const ChildSave run = saveInChild([&] { return kind.save(path, next); }, killAt);
        QVERIFY(run.traced);
        const QString where =
            QStringLiteral("kill %1 at system-call stop %2 of %3").arg(kill).arg(killAt).arg(wholeSave);
        if (run.finished)
            QVERIFY2(run.exitCode == 0, qPrintable(where + QStringLiteral(": the save failed")));

        const QByteArray left = contentOf(path);
        if (left == before) {
            ++leftPrevious;
        } else if (left == after) {
            ++leftNew;
            current = next;
            // What is on disk is what the program reads back as it was saved.
            QVERIFY(kind.readsBack(path, next));
        } else {
            QFAIL(qPrintable(where + QStringLiteral(": the file holds %1, neither the previous one (%2) nor the "
                                                    "new one (%3)")
                                         .arg(describe(left), describe(before), describe(after))));
        }
        // The copy of the previous build is missing or one whole build.
        const QByteArray copy = contentOf(path + u'~');
        if (buildFile && copy != kMissing)
            QVERIFY2(copy == kind.bytes(0) || copy == kind.bytes(1) || copy == kind.bytes(2), qPrintable(where));
    }
    // Kills before the rename keep the previous set and kills after it the new one; both must happen,
    // or the kills did not cover the save.
    QVERIFY(leftPrevious > kills / 4);
    QVERIFY(leftNew > 0);

    // Temporary files of killed saves may stay behind; the next save must not trip over them.
    const int strays = static_cast<int>(strayFiles(folder.path(), kind.fileName).size());
    for (const QString& name : strayFiles(folder.path(), kind.fileName))
        QVERIFY2(name.startsWith(kind.fileName + u'.') || name.startsWith(kind.fileName + QStringLiteral("~.")),
                 qPrintable(name));
    const int last = (current + 1) % 3;
    QVERIFY(kind.save(path, last));
    QCOMPARE(contentOf(path), kind.bytes(last));
    QCOMPARE(strayFiles(folder.path(), kind.fileName).size(), strays);

    qInfo("%d kills over %d system-call stops: %d left the previous set, %d the new one, %d temporary files "
          "left behind",
          kills, wholeSave, leftPrevious, leftNew, strays);
}

QTEST_GUILESS_MAIN(TestSetFileCrash)
#include "tst_set_file_crash.moc"
