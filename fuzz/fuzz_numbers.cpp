// Any text a user can type: the number rules never crash, never produce inf or nan, a number written
// to a label reads back as the same displayed value, and "&H"/"&O" numbers are rounded exactly once.
#include "engine/numbers.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The value of an "&H"/"&O" text computed another way: its digits as one hexadecimal string, converted
// by the standard library's correctly rounded reader. Nothing when the text has no such prefix.
std::optional<double> radixReference(const QString& text)
{
    qsizetype pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
    };
    skipBlanks();
    if (pos >= text.size() || text[pos] != u'&')
        return std::nullopt;
    ++pos;
    skipBlanks();
    if (pos >= text.size())
        return std::nullopt;
    const char16_t letter = text[pos].toUpper().unicode();
    if (letter != u'H' && letter != u'O')
        return std::nullopt;
    const int base = letter == u'H' ? 16 : 8;
    std::string bits; // octal digits become bits, then hexadecimal digits
    std::string hex;
    for (++pos; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (isBlank(text[pos]))
            continue;
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0 || digit >= base)
            break;
        if (base == 16)
            hex.push_back(static_cast<char>(c));
        else
            for (int shift = 2; shift >= 0; --shift)
                bits.push_back(((digit >> shift) & 1) ? '1' : '0');
    }
    if (base == 8) {
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        for (std::size_t i = 0; i < bits.size(); i += 4)
            hex.push_back("0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)]);
    }
    if (hex.empty())
        return 0.0;
    double value = 0;
    const auto result = std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    if (result.ec == std::errc::result_out_of_range)
        return std::numeric_limits<double>::max();
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double value = tessarin::textToNumber(text);
    if (!std::isfinite(value))
        std::abort();
    if (const std::optional<double> reference = radixReference(text); reference && *reference != value)
        std::abort();
    const QString shown = tessarin::formatNumber(value);
    if (shown.contains(u"inf", Qt::CaseInsensitive) || shown.contains(u"nan", Qt::CaseInsensitive))
        std::abort();
    if (tessarin::textToNumber(shown) != tessarin::displayed(value))
        std::abort();
    (void)tessarin::toInt16(value);
    (void)tessarin::roundRate(value);
    return 0;
}
