#pragma once

#include "engine/build.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tessarin {

inline constexpr char kBuildFormatName[] = "tessarin-build";
inline constexpr int kBuildFileVersion = 1;
// A build file is a few kilobytes; anything beyond this is not one and is not read into memory.
inline constexpr qint64 kLargestBuildFile = 1024 * 1024;

// A build read from a file or a share code, or the reason (Korean) it was refused.
struct BuildReading {
    std::optional<Build> build;
    QString fault;
};

// The build as an indented UTF-8 JSON document.
QByteArray encodeBuildFile(const Build& build);
// Every field is checked, and the whole build with buildFault, before a build is handed out.
BuildReading decodeBuildFile(const QByteArray& bytes);

// Saves through a temporary file; the file it replaces is kept first as `path~`. Returns "" when saved,
// otherwise why it was not (the file at `path` is then unchanged).
QString saveBuildFile(const QString& path, const Build& build);
BuildReading loadBuildFile(const QString& path);

} // namespace tessarin
