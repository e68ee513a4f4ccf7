// Installs the program into a temporary prefix the way a packager does, then starts the installed copy
// from another working folder: it must find its pictures and, with its own folder read-only, keep its
// set file in the user's data folder.

#include "storage/set_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <filesystem>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessarin;

namespace {

const QByteArray kPictureWarning = QByteArrayLiteral("그림 파일을 읽을 수 없습니다");
constexpr uid_t kNobody = 65534;

} // namespace

class TstInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void binLinkLeadsToTheProgram();
    void iconSizes_data();
    void iconSizes();
    void withoutItsPicturesTheProgramSaysSo();
    void installedProgramFindsItsPictures();
    void setFileGoesToUserFolderWhenProgramFolderIsReadOnly();

private:
    QString installed(const QString& relative) const { return QDir(prefix_.path()).filePath(relative); }
    QString programFolder() const { return installed(QStringLiteral(TESSARIN_INSTALL_PROGRAM_DIR)); }
    // Starts bin/tessarin offscreen from a folder of its own, with a home of its own.
    void startInstalled(QProcess& process, const QTemporaryDir& home);

    QTemporaryDir prefix_;
    qint64 firstPictureMs_ = 0;
};

void TstInstall::initTestCase()
{
    QVERIFY(prefix_.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(
        QStringLiteral(TESSARIN_CMAKE_COMMAND),
        {QStringLiteral("--install"), QStringLiteral(TESSARIN_BUILD_DIR), QStringLiteral("--prefix"), prefix_.path()});
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0, install.readAll().constData());
}

void TstInstall::layout_data()
{
    QTest::addColumn<QString>("path");
    const QString id = QStringLiteral(TESSARIN_APP_ID);
    const QString program = QStringLiteral(TESSARIN_INSTALL_PROGRAM_DIR);
    QTest::newRow("program") << program + QStringLiteral("/tessarin");
    QTest::newRow("board piece") << program + QStringLiteral("/image/lost-1.gif");
    QTest::newRow("set indicator") << program + QStringLiteral("/image/set3.gif");
    QTest::newRow("accessory") << program + QStringLiteral("/image/necklace.jpg");
    QTest::newRow("last help page") << program + QStringLiteral("/image/도움말13.jpg");
    QTest::newRow("desktop entry") << QStringLiteral("share/applications/") + id + QStringLiteral(".desktop");
    QTest::newRow("appstream") << QStringLiteral("share/metainfo/") + id + QStringLiteral(".metainfo.xml");
    QTest::newRow("build file type") << QStringLiteral("share/mime/packages/") + id + QStringLiteral(".xml");
}

void TstInstall::layout()
{
    QFETCH(QString, path);
    const QFileInfo info(installed(path));
    QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path));
}

void TstInstall::binLinkLeadsToTheProgram()
{
    const QFileInfo link(installed(QStringLiteral("bin/tessarin")));
    QVERIFY(link.isSymLink());
    // Relative, so the installed tree still works after it is moved.
    QVERIFY(QFileInfo(link.symLinkTarget()).exists());
    QVERIFY(QFile::symLinkTarget(link.filePath()) ==
            QFileInfo(programFolder() + QStringLiteral("/tessarin")).canonicalFilePath());
    QVERIFY(std::filesystem::read_symlink(QFile::encodeName(link.filePath()).toStdString()).is_relative());
    QVERIFY(QFileInfo(programFolder() + QStringLiteral("/tessarin")).isExecutable());
}

void TstInstall::iconSizes_data()
{
    QTest::addColumn<int>("side");
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(side))) << side;
}

void TstInstall::iconSizes()
{
    QFETCH(int, side);
    const QString path = installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(side) +
                                   QStringLiteral(TESSARIN_APP_ID) + QStringLiteral(".png"));
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(side, side));
    // Drawn, not blank: the corners are clear and the middle is not.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QVERIFY(qAlpha(image.pixel(side / 2, side / 2)) > 0);
}

void TstInstall::startInstalled(QProcess& process, const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home.path());
    process.start(installed(QStringLiteral("bin/tessarin")), {});
    QVERIFY(process.waitForStarted());
}

// The control for the check below: the first indicator tick loads a picture, so a program without
// its `image` folder must report it. It also tells how long the program needs to get there.
void TstInstall::withoutItsPicturesTheProgramSaysSo()
{
    const QString images = programFolder() + QStringLiteral("/image");
    const QString away = programFolder() + QStringLiteral("/image-away");
    QVERIFY(QDir().rename(images, away));
    QTemporaryDir home;
    QProcess program;
    QElapsedTimer clock;
    clock.start();
    startInstalled(program, home);
    QByteArray errors;
    QTRY_VERIFY_WITH_TIMEOUT((errors += program.readAllStandardError()).contains(kPictureWarning), 30000);
    firstPictureMs_ = clock.elapsed();
    program.kill();
    program.waitForFinished();
    QVERIFY(QDir().rename(away, images));
}

void TstInstall::installedProgramFindsItsPictures()
{
    QTemporaryDir home;
    QProcess program;
    startInstalled(program, home);
    // Twice what the program needed to reach its first picture above, and at least 2 s.
    const int settle = static_cast<int>(std::max<qint64>(2000, 2 * firstPictureMs_));
    QVERIFY2(!program.waitForFinished(settle), program.readAllStandardError().constData());
    const QByteArray errors = program.readAllStandardError();
    program.kill();
    program.waitForFinished();
    QVERIFY2(!errors.contains(kPictureWarning), errors.constData());
    QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), errors.constData());
    // Nothing written into the working folder it was started from.
    QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

// Root writes anywhere, so the check runs as an unprivileged user in a child process when the test
// runs as root; the child saves a set through the installed layout and reports by its exit code.
void TstInstall::setFileGoesToUserFolderWhenProgramFolderIsReadOnly()
{
    const QString folder = programFolder();
    const QString userFolder = prefix_.path() + QStringLiteral("/home/.local/share/Tessarin");
    QVERIFY(QDir().mkpath(userFolder));
    const bool root = geteuid() == 0;
    for (const QString& path :
         {prefix_.path(), prefix_.path() + QStringLiteral("/home"), prefix_.path() + QStringLiteral("/home/.local"),
          prefix_.path() + QStringLiteral("/home/.local/share"), userFolder}) {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                                QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
        if (root)
            QCOMPARE(chown(QFile::encodeName(path).constData(), kNobody, kNobody), 0);
    }
    const QFileDevice::Permissions readOnly =
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(folder, readOnly));

    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        if (root && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(10);
        const QString path = SetFile::choosePath(folder, userFolder);
        if (path != userFolder + QStringLiteral("/data.dat"))
            _exit(11);
        SetFileLines lines;
        lines.fill(QStringLiteral("7"));
        _exit(SetFile(path).save(lines).outcome == SetFile::Outcome::Done ? 0 : 12);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QFile::setPermissions(folder, readOnly | QFile::WriteOwner);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(QFileInfo::exists(userFolder + QStringLiteral("/data.dat")));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/data.dat")));

    // Writable again, the folder beside the program is the place, as for a copy run from its own folder.
    QCOMPARE(SetFile::choosePath(folder, userFolder), folder + QStringLiteral("/data.dat"));
}

QTEST_GUILESS_MAIN(TstInstall)
#include "tst_install.moc"
