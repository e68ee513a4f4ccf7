#include "storage/set_file_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace tessarin {

namespace {

// Qt's ICU backend knows Microsoft's table as "windows-949"; "CP949" there is IBM's, where 0x5C is ₩.
constexpr char kCodecName[] = "windows-949";
constexpr QByteArrayView kLineEnd = "\r\n";

#ifdef Q_OS_WIN
constexpr unsigned kCodePage = 949;

// Windows builds of Qt without ICU: the system's own conversion.
std::optional<QByteArray> systemEncode(const QString& text)
{
    if (text.isEmpty())
        return QByteArray();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size =
        WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), bytes.data(), size, nullptr,
                            &usedDefault) != size ||
        usedDefault)
        return std::nullopt;
    return bytes;
}

std::optional<QString> systemDecode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int size = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                            reinterpret_cast<wchar_t*>(text.data()), size) != size)
        return std::nullopt;
    return text;
}
#endif

// One pair of converters for a whole file: opening a converter costs more than converting a line.
// Stateless: a character cut off at the end of a line is an error, not something to wait for. Errors
// accumulate, so a converter is not used again after one.
struct CodePage949 {
    QStringEncoder encoder{kCodecName, QStringConverter::Flag::Stateless};
    QStringDecoder decoder{kCodecName, QStringConverter::Flag::Stateless};

    std::optional<QString> decode(QByteArrayView bytes)
    {
        if (!decoder.isValid()) {
#ifdef Q_OS_WIN
            return systemDecode(bytes);
#else
            return std::nullopt;
#endif
        }
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            return std::nullopt;
        return text;
    }

    std::optional<QByteArray> encode(const QString& text)
    {
        if (!encoder.isValid()) {
#ifdef Q_OS_WIN
            return systemEncode(text);
#else
            return std::nullopt;
#endif
        }
        QByteArray bytes = encoder.encode(text);
        if (encoder.hasError())
            return std::nullopt;
        // A character the table lacks may come out as a substitute without an error: only an exact round
        // trip proves the line is stored as typed.
        const std::optional<QString> back = decode(bytes);
        if (!back || *back != text)
            return std::nullopt;
        return bytes;
    }
};

} // namespace

SetFileEncoding encodeSetFile(const SetFileLines& lines)
{
    SetFileEncoding result;
    CodePage949 codec;
    for (int i = 0; i < kSetFileLineCount; ++i) {
        const QString& line = lines[static_cast<std::size_t>(i)];
        // A line break inside a value would shift every later line when the file is read back.
        const bool breaks = line.contains(u'\r') || line.contains(u'\n');
        const std::optional<QByteArray> bytes = breaks ? std::nullopt : codec.encode(line);
        if (!bytes) {
            result.bytes.clear();
            result.fault = SetFileFault::Unencodable;
            result.line = i + 1;
            return result;
        }
        result.bytes += *bytes;
        result.bytes += kLineEnd;
    }
    return result;
}

SetFileDecoding decodeSetFile(QByteArrayView bytes)
{
    SetFileDecoding result;
    CodePage949 codec;
    // CR and LF never occur inside a code page 949 character (trail bytes start at 0x41), so lines can
    // be split before they are decoded.
    qsizetype pos = 0;
    int line = 0;
    while (line < kSetFileLineCount && pos < bytes.size()) {
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const std::optional<QString> text = codec.decode(bytes.sliced(pos, end - pos));
        if (!text || text->size() > kSetFileMaxLineLength) {
            SetFileDecoding refused; // no line of a refused file is handed out
            refused.fault = text ? SetFileFault::LineTooLong : SetFileFault::NotCodePage949;
            refused.line = line + 1;
            return refused;
        }
        result.lines[static_cast<std::size_t>(line++)] = *text;
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            ++end;
        pos = end + 1;
    }
    if (line < kSetFileLineCount) {
        result.lines = {};
        result.fault = SetFileFault::TooShort;
    }
    return result;
}

} // namespace tessarin
