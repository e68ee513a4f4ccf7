// Any text a user can type: the number rules never crash, never produce inf or nan, and a number
// written to a label reads back as the same displayed value.
#include "engine/numbers.h"

#include <QString>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double value = tessarin::textToNumber(text);
    if (!std::isfinite(value))
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
