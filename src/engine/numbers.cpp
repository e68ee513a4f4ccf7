#include "engine/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace tessarin {

namespace {

constexpr double kMax = std::numeric_limits<double>::max();

// Digit and exponent counters stop here: far beyond any double, and no overflow.
constexpr long long kSaturation = 1'000'000'000'000LL;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a whole number in base 8 or 16 after the "&H"/"&O" prefix, exactly, and rounds it once to the
// nearest double (ties to even), as decimals are: the first 64 significant bits are kept, and whether any
// later bit is set is folded into the lowest of them, which lies below the rounding position.
double readRadix(QStringView text, qsizetype pos, int base)
{
    const int width = base == 16 ? 4 : 3;
    std::uint64_t top = 0;
    long long bits = 0; // significant bits read (saturating far beyond any double)
    bool sticky = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (isBlank(c))
            continue;
        int digit = -1;
        if (isDigit(c))
            digit = c.unicode() - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        if (digit < 0 || digit >= base)
            break;
        for (int shift = width - 1; shift >= 0; --shift) {
            const unsigned bit = (static_cast<unsigned>(digit) >> shift) & 1U;
            if (bits == 0 && bit == 0)
                continue; // leading zero
            if (bits < 64)
                top = (top << 1) | bit;
            else
                sticky = sticky || bit != 0;
            bits = std::min(bits + 1, kSaturation);
        }
    }
    if (bits <= 64)
        return static_cast<double>(top);
    const int scale = static_cast<int>(std::min(bits - 64, 4096LL)); // beyond 2^1024 is clamped anyway
    return finiteOrClamped(std::ldexp(static_cast<double>(top | (sticky ? 1U : 0U)), scale));
}

} // namespace

double finiteOrClamped(double value)
{
    if (std::isnan(value))
        return 0;
    if (std::isinf(value))
        return value > 0 ? kMax : -kMax;
    return value;
}

double textToNumber(QStringView text)
{
    const qsizetype size = text.size();
    qsizetype pos = 0;
    // The next character that is not a blank, tab or line feed, from `pos` on.
    auto next = [&](qsizetype from) {
        while (from < size && isBlank(text[from]))
            ++from;
        return from;
    };

    pos = next(pos);
    if (pos < size && text[pos] == u'&') {
        const qsizetype letter = next(pos + 1);
        if (letter < size && text[letter].toUpper() == u'H')
            return readRadix(text, letter + 1, 16);
        if (letter < size && text[letter].toUpper() == u'O')
            return readRadix(text, letter + 1, 8);
        return 0;
    }

    std::string number; // a clean ASCII copy for the correctly rounded conversion
    bool negative = false;
    if (pos < size && (text[pos] == u'-' || text[pos] == u'+')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    if (negative)
        number.push_back('-');

    bool anyDigit = false;
    bool point = false;
    bool significant = false;    // a non-zero digit has been read
    long long integerDigits = 0; // significant digits before the point (saturating)
    long long fractionZeros = 0; // zeros right after the point before the first significant digit
    for (pos = next(pos); pos < size; pos = next(pos + 1)) {
        const QChar c = text[pos];
        if (isDigit(c)) {
            anyDigit = true;
            significant = significant || c != u'0';
            if (!point && significant && integerDigits < kSaturation)
                ++integerDigits;
            if (point && !significant && fractionZeros < kSaturation)
                ++fractionZeros;
            number.push_back(static_cast<char>(c.unicode()));
        } else if (c == u'.' && !point) {
            point = true;
            number.push_back('.');
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;

    long long exponent = 0;
    if (pos < size && (text[pos].toUpper() == u'E' || text[pos].toUpper() == u'D')) {
        qsizetype look = next(pos + 1);
        bool negativeExponent = false;
        if (look < size && (text[look] == u'-' || text[look] == u'+')) {
            negativeExponent = text[look] == u'-';
            look = next(look + 1);
        }
        bool exponentDigit = false;
        for (; look < size && isDigit(text[look]); look = next(look + 1)) {
            exponentDigit = true;
            exponent = std::min(exponent * 10 + (text[look].unicode() - u'0'), kSaturation);
        }
        if (exponentDigit) {
            if (negativeExponent)
                exponent = -exponent;
            number.push_back('e');
            number.append(std::to_string(exponent));
        }
    }

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow or underflow, told apart by the decimal magnitude of the text.
        const long long magnitude = integerDigits > 0 ? integerDigits - 1 + exponent : exponent - fractionZeros - 1;
        if (!significant || magnitude < 0)
            return 0;
        return negative ? -kMax : kMax;
    }
    if (result.ec != std::errc())
        return 0;
    return value == 0 ? 0.0 : value; // no negative zero on screen
}

QString formatNumber(double value)
{
    value = finiteOrClamped(value);
    if (value == 0)
        return QStringLiteral("0");
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0)
        text[e] = u'E';
    return text;
}

double displayed(double value)
{
    // Whole numbers below 1e15 print and read back unchanged: the common case on every tick.
    if (std::fabs(value) < 1e15 && std::trunc(value) == value)
        return value == 0 ? 0.0 : value;
    value = finiteOrClamped(value);
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    double back = 0;
    if (std::from_chars(buffer, written.ptr, back).ec == std::errc::result_out_of_range)
        return value > 0 ? kMax : -kMax; // the largest double, shown with 15 digits, reads back beyond it
    return back == 0 ? 0.0 : back;
}

double roundRate(double value)
{
    const double rounded = std::floor((value + 0.009) * 100) / 100;
    return std::isfinite(rounded) ? rounded : finiteOrClamped(value);
}

std::int16_t toInt16(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= -32768.0)
        return -32768;
    if (value >= 32767.0)
        return 32767;
    return static_cast<std::int16_t>(std::nearbyint(value));
}

} // namespace tessarin
