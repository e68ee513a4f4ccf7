// Any bytes in data.dat: the set-file reader never crashes, hands out nothing from a file it refuses
// (so the editor's boxes stay as they were), and what it accepts is 29 box texts that save and load back
// unchanged.
#include "storage/set_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace {

bool fitsABox(const QString& line)
{
    return line.size() <= tessarin::kSetFileMaxLineLength && !line.contains(u'\r') && !line.contains(u'\n');
}

// The file the whole reader (file checks included) works on; one per process.
const QString& scratchFile()
{
    static const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("fuzz_set_file_%1.dat").arg(::getpid()));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessarin;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SetFileDecoding decoded = decodeSetFile(bytes);

    {
        QFile file(scratchFile());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
    const SetFile::Result loaded = SetFile(scratchFile()).load();
    QFile::remove(scratchFile());

    if (decoded.fault != SetFileFault::None) {
        if (decoded.lines != SetFileLines{} || loaded.outcome != SetFile::Outcome::Invalid ||
            loaded.lines != SetFileLines{} || loaded.fault != decoded.fault)
            std::abort();
        return 0;
    }
    if (loaded.outcome != SetFile::Outcome::Done || loaded.lines != decoded.lines)
        std::abort();
    for (const QString& line : decoded.lines)
        if (!fitsABox(line))
            std::abort();
    // What was loaded saves and loads back unchanged, or is refused as a whole.
    const SetFileEncoding encoded = encodeSetFile(decoded.lines);
    if (encoded.fault == SetFileFault::None) {
        const SetFileDecoding again = decodeSetFile(encoded.bytes);
        if (again.fault != SetFileFault::None || again.lines != decoded.lines)
            std::abort();
    } else if (!encoded.bytes.isEmpty()) {
        std::abort();
    }
    return 0;
}
