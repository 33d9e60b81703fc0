// The window's text-to-number conversions on arbitrary text: each either gives a number or
// raises its own error, and a count is either bounded or refused.

#include "fuzz_input.h"

#include <app/conversions.h>
#include <app/conversion_error.h>

#include <cmath>
#include <limits>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(fuzz_input::bytes(data, size));
    const double leading = conv::leadingNumber(text);
    try {
        const qint64 runs = conv::runsFor(leading);
        if (runs < 0 || runs > std::numeric_limits<qint32>::max()) std::abort();
    } catch (const ConversionError&) {
        if (leading <= std::numeric_limits<qint32>::max()) std::abort();
    }
    try {
        const double strict = conv::toDouble(text);
        if (std::isnan(strict)) std::abort();
        (void)conv::toInt32(strict);
        (void)conv::toInt16(strict);
    } catch (const ConversionError&) {
    }
    try {
        (void)conv::toInt32(text);
    } catch (const ConversionError&) {
    }
    return 0;
}
