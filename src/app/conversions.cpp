#include "conversions.h"

#include "conversion_error.h"

#include <cmath>
#include <limits>
#include <optional>

namespace conv {
namespace {

bool isSkippedBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'); }

// Reads [sign] digits [. digits] from position pos on, skipping blanks when asked. Returns the
// text of the number (empty when no digit was read) and leaves pos after its last character.
QString scanNumber(const QString& text, qsizetype& pos, bool skipBlanks) {
    QString number;
    bool seenDigit = false, seenPoint = false, seenSign = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (skipBlanks && isSkippedBlank(c)) continue;
        if (c.isDigit() && c.unicode() < 128) {
            number.append(c);
            seenDigit = true;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            number.append(c);
            seenPoint = true;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) && number.isEmpty() && !seenSign) {
            number.append(c);
            seenSign = true;
        } else {
            break;
        }
    }
    return seenDigit ? number : QString();
}

[[noreturn]] void typeMismatch() { throw ConversionError::typeMismatch(); }
[[noreturn]] void overflow() { throw ConversionError::overflow(); }

template <typename Int>
Int roundedInto(double value) {
    if (!std::isfinite(value)) overflow();
    const double rounded = std::nearbyint(value);  // the default rounding mode goes halves to even
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) overflow();
    return static_cast<Int>(rounded);
}

}  // namespace

double leadingNumber(const QString& text) {
    qsizetype pos = 0;
    const QString number = scanNumber(text, pos, true);
    return number.isEmpty() ? 0.0 : number.toDouble();
}

double toDouble(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype pos = 0;
    const QString number = scanNumber(trimmed, pos, false);
    if (number.isEmpty() || pos != trimmed.size()) typeMismatch();
    return number.toDouble();
}

int toInt32(const QString& text) { return roundedInto<qint32>(toDouble(text)); }
int toInt32(double value) { return roundedInto<qint32>(value); }
qint16 toInt16(double value) { return roundedInto<qint16>(value); }

qint64 runsFor(double count) {
    if (!(count <= std::numeric_limits<qint32>::max())) overflow();
    return count < 1 ? 0 : static_cast<qint64>(count);
}

}  // namespace conv
