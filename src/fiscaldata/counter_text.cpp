#include "counter_text.h"

#include "app/conversion_error.h"

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The leading number of a field, kept as decimal digits so that no digit is lost to a binary
// floating-point value. Only what rounding needs of the fraction is kept.
struct LeadingNumber {
    bool negative = false;
    QString whole;                 // digits before the point, without leading zeros
    int firstDecimal = 0;          // the first digit after the point
    bool nonZeroBeyond = false;    // a non-zero digit after the first decimal
};

LeadingNumber readLeadingNumber(const QString& field) {
    LeadingNumber n;
    bool started = false, afterPoint = false;
    int decimals = 0;
    for (const QChar c : field) {
        if (isBlank(c)) continue;
        if (!started && (c == QLatin1Char('+') || c == QLatin1Char('-'))) {
            n.negative = c == QLatin1Char('-');
        } else if (!afterPoint && c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (isDigit(c) && !afterPoint) {
            if (!n.whole.isEmpty() || c != QLatin1Char('0')) n.whole.append(c);
            if (n.whole.size() > kMaxCounterDigits) throw ConversionError::overflow();  // stop reading an absurd field early
        } else if (isDigit(c)) {
            if (decimals++ == 0)
                n.firstDecimal = c.digitValue();
            else if (c != QLatin1Char('0'))
                n.nonZeroBeyond = true;
        } else {
            break;
        }
        started = true;
    }
    return n;
}

bool roundsUp(const LeadingNumber& n) {
    if (n.firstDecimal != 5) return n.firstDecimal > 5;
    if (n.nonZeroBeyond) return true;
    return !n.whole.isEmpty() && n.whole.back().digitValue() % 2 == 1;  // an exact half goes to even
}

QString incremented(QString digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

}  // namespace

QString counterText(const QString& field, int width) {
    const LeadingNumber n = readLeadingNumber(field);
    const QString whole = roundsUp(n) ? incremented(n.whole) : n.whole;
    if (whole.size() > kMaxCounterDigits) throw ConversionError::overflow();
    const QString digits = whole.rightJustified(width, QLatin1Char('0'));
    return n.negative && !whole.isEmpty() ? QLatin1Char('-') + digits : digits;
}
