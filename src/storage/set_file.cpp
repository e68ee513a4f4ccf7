#include "storage/set_file.h"

#include "storage/whole_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace tessarin {

namespace {

const QString kFileName = QStringLiteral("data.dat");

// A set file is a few hundred bytes; anything far beyond what 29 full boxes need is not one, and is
// not read into memory.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

SetFile::Result failed(SetFile::Outcome outcome, SetFileFault fault = SetFileFault::None, int line = 0)
{
    SetFile::Result result;
    result.outcome = outcome;
    result.fault = fault;
    result.line = line;
    return result;
}

} // namespace

SetFile::SetFile(QString path) : path_(std::move(path)) {}

QString SetFile::defaultPath()
{
    return choosePath(QCoreApplication::applicationDirPath(),
                      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString SetFile::choosePath(const QString& programFolder, const QString& userFolder)
{
    const QString besideProgram = QDir(programFolder).filePath(kFileName);
    if (QFileInfo::exists(besideProgram) || QFileInfo(programFolder).isWritable() || userFolder.isEmpty())
        return besideProgram;
    return QDir(userFolder).filePath(kFileName);
}

SetFile::Result SetFile::save(const SetFileLines& lines) const
{
    const SetFileEncoding encoded = encodeSetFile(lines);
    if (encoded.fault != SetFileFault::None)
        return failed(Outcome::Unencodable, encoded.fault, encoded.line);

    if (!writeWholeFile(path_, encoded.bytes))
        return failed(Outcome::WriteFailed);
    return {};
}

SetFile::Result SetFile::load() const
{
    const QFileInfo info(path_);
    if (!info.exists())
        return failed(Outcome::NotFound);
    const std::optional<QByteArray> bytes = readWholeFile(path_, kMaxFileSize);
    if (!bytes)
        return failed(Outcome::Unreadable);

    const SetFileDecoding decoded = decodeSetFile(*bytes);
    if (decoded.fault != SetFileFault::None)
        return failed(Outcome::Invalid, decoded.fault, decoded.line);
    Result result;
    result.lines = decoded.lines;
    return result;
}

SetFile::Result SetFile::remove() const
{
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink())
        return failed(Outcome::NotFound);
    if (!info.isFile() && !info.isSymLink())
        return failed(Outcome::DeleteFailed);
    if (!QFile::remove(path_))
        return failed(Outcome::DeleteFailed);
    return {};
}

} // namespace tessarin
