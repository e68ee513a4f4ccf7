#pragma once

#include <QImage>
#include <QString>

namespace tessarin::imagegen {

// Writes `image` as a GIF89a file. Pixels at least half opaque keep their colour (reduced to at most
// 255 colours); the others become the one transparent index. On failure returns false and sets `error`.
bool writeGif(const QImage& image, const QString& path, QString* error);

} // namespace tessarin::imagegen
