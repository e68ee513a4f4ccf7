// Any bytes as a build file, any text as a share code, and any payload inside a well-formed code: the
// readers never crash, and what they accept is a sound build that writes and reads back unchanged in
// both forms.
#include "storage/build_code.h"
#include "storage/build_file.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>

namespace {

void acceptedRoundTrips(const tessarin::BuildReading& reading)
{
    using namespace tessarin;
    if (!reading.build) {
        if (reading.fault.isEmpty())
            std::abort(); // a refusal always says why
        return;
    }
    if (!buildFault(*reading.build).isEmpty())
        std::abort();
    const BuildReading file = decodeBuildFile(encodeBuildFile(*reading.build));
    const BuildReading code = decodeShareCode(encodeShareCode(*reading.build));
    if (!file.build || !(*file.build == *reading.build) || !code.build || !(*code.build == *reading.build))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessarin;
    if (size == 0)
        return 0;
    const QByteArray bytes = QByteArray(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    switch (data[0] % 3) {
    case 0: acceptedRoundTrips(decodeBuildFile(bytes)); break;
    case 1: acceptedRoundTrips(decodeShareCode(QString::fromUtf8(bytes))); break;
    default: acceptedRoundTrips(decodeShareCode(shareCodeForPayload(bytes))); break;
    }
    return 0;
}
