#pragma once

#include "storage/build_file.h"

#include <QString>

namespace tessarin {

// Share codes: one line for a chat or a forum. "TSR1-" (the code version), then URL-safe base64
// without padding of the compressed build followed by its CRC-32. Blanks and line breaks anywhere are
// ignored when reading; any other change to the code is refused.
inline constexpr char kShareCodePrefix[] = "TSR1-";

QString encodeShareCode(const Build& build);
// A well-formed code around any payload bytes (compressed, checksummed): what the reader's field parser
// gets to see. For the fuzzer and the tests; encodeShareCode is this around the build's own payload.
QString shareCodeForPayload(const QByteArray& payload);
BuildReading decodeShareCode(const QString& code);

} // namespace tessarin
