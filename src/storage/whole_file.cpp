#include "storage/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tessarin {

bool writeWholeFile(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Qt 6.4's commit() can report success after its own final flush failed: flush and check first.
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        file.cancelWriting(); // the temporary file goes with `file`; the file is untouched
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> readWholeFile(const QString& path, qint64 largest)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > largest || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > largest)
        return std::nullopt;
    return bytes;
}

} // namespace tessarin
