#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

namespace tessarin {

// The set file's 29 lines: the editor's boxes Text8 .. Text36, in that order.
inline constexpr int kSetFileLineCount = 29;
using SetFileLines = std::array<QString, kSetFileLineCount>;

// Why a text cannot become a set file, or bytes cannot be read as one.
enum class SetFileFault {
    None,
    Unencodable,    // a line holds a character code page 949 cannot hold, or a line break
    NotCodePage949, // bytes that are not code page 949 text
    TooShort,       // fewer than 29 lines
    LineTooLong,    // a line longer than a box can hold
};

struct SetFileEncoding {
    QByteArray bytes;
    SetFileFault fault = SetFileFault::None;
    int line = 0; // 1..29: the line at fault
};

struct SetFileDecoding {
    SetFileLines lines;
    SetFileFault fault = SetFileFault::None;
    int line = 0; // 1..29: the line at fault, 0 when the fault is the whole file's
};

// The longest text an editor box holds.
inline constexpr qsizetype kSetFileMaxLineLength = 32767;

// Each line in code page 949, followed by CR LF. A line that code page 949 cannot hold exactly is
// refused rather than written with "?" in place of a character.
SetFileEncoding encodeSetFile(const SetFileLines& lines);

// The first 29 lines of a set file. A line ends at CR LF, or at a lone CR or LF; a last line without an
// ending still counts; what follows the 29th line is ignored.
SetFileDecoding decodeSetFile(QByteArrayView bytes);

} // namespace tessarin
