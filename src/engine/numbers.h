#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

namespace tessarin {

// The number rules of the whole program. Every box that is read and every label that is written goes
// through these, so the figures agree with what the user sees.

// The leading number of a text; 0 when there is none. Never an error, independent of the locale.
// Blanks, tabs and line feeds are skipped wherever they stand before the number ends ("1 2" is 12,
// "- 7" is -7); then one sign, ASCII digits with at most one decimal point, and an exponent (E or D)
// only when digits follow it; "&H" and "&O" introduce hexadecimal and octal whole numbers.
// Words a C library would take ("inf", "nan", "0x1A") have no leading number here.
// A magnitude beyond the largest double reads as the largest double (with its sign); one too small
// to represent reads as 0. The result is therefore always finite.
double textToNumber(QStringView text);

// General number format: no thousands separator, "." as decimal point, no trailing zeros, at most
// 15 significant digits, scientific notation ("1E+15", "1E-05") outside 1e-4 .. 1e15, "-" for negatives.
// Never shows "inf" or "nan": an infinity is written as the largest double, NaN as 0.
QString formatNumber(double value);

// The value a label shows after formatNumber and is read back with textToNumber; always finite.
double displayed(double value);

// Two-decimal rounding of every derived figure: floor((x + 0.009) * 100) / 100.
double roundRate(double value);

// Nearest whole number, halves to the even neighbour, as a signed 16-bit integer. Values beyond the
// range are clamped to -32768 or 32767; NaN gives 0.
std::int16_t toInt16(double value);

// An infinity becomes the largest double of its sign, NaN becomes 0; finite values pass unchanged.
double finiteOrClamped(double value);

} // namespace tessarin
