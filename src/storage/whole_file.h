#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tessarin {

// Writes `bytes` to `path` through a temporary file beside it that replaces the file only when all of it
// was written, flushed and closed without error: on any failure the previous file stays as it was.
bool writeWholeFile(const QString& path, const QByteArray& bytes);

// Reads a whole regular file of at most `largest` bytes; nothing when it is missing, not a file, larger,
// or cannot be read.
std::optional<QByteArray> readWholeFile(const QString& path, qint64 largest);

} // namespace tessarin
