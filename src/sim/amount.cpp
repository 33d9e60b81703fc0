#include "amount.h"

namespace sim {

namespace {

qint64 roundedDiv(__int128 value, qint64 divisor) {
    const __int128 half = divisor / 2;
    return static_cast<qint64>(value >= 0 ? (value + half) / divisor : (value - half) / divisor);
}

}  // namespace

std::optional<Amount> Amount::parse(QByteArrayView text) {
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const int wholeStart = i;
    qint64 whole = 0;
    int significant = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if ((whole > 0 || text[i] != '0') && ++significant > 11) return std::nullopt;
        whole = whole * 10 + (text[i++] - '0');
    }
    const bool hadWhole = i > wholeStart;
    // Up to ten decimals are read (quantities may carry them); the value keeps four, rounded.
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (++fractionDigits > 10) return std::nullopt;
            if (fractionDigits <= 4)
                fraction = fraction * 10 + (text[i] - '0');
            else if (fractionDigits == 5)
                roundUp = text[i] >= '5';
            ++i;
        }
    }
    if (i != text.size() || (!hadWhole && fractionDigits == 0)) return std::nullopt;
    for (int d = fractionDigits; d < 4; ++d) fraction *= 10;
    if (roundUp) ++fraction;
    const qint64 units = whole * kScale + fraction;
    if (units > kMax) return std::nullopt;
    return Amount{negative ? -units : units};
}

std::optional<Amount> Amount::product(Amount a, Amount b) {
    const qint64 units = roundedDiv(static_cast<__int128>(a.units) * b.units, kScale);
    if (units > kMax || units < -kMax) return std::nullopt;
    return Amount{units};
}

Amount Amount::percentOf(Amount a, Amount percent, bool included) {
    const qint64 hundred = 100 * kScale;
    if (included) return Amount{roundedDiv(static_cast<__int128>(a.units) * percent.units, hundred + percent.units)};
    return Amount{roundedDiv(static_cast<__int128>(a.units) * percent.units, hundred)};
}

QString Amount::money() const {
    const qint64 cents = roundedDiv(units, kScale / 100);
    const qint64 magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString Amount::plain() const {
    const qint64 magnitude = units < 0 ? -units : units;
    QString out = QString::number(magnitude / kScale);
    if (const qint64 fraction = magnitude % kScale) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
        out += QLatin1Char('.') + digits;
    }
    return units < 0 ? QLatin1Char('-') + out : out;
}

std::optional<Amount> add(Amount a, Amount b) {
    const qint64 sum = a.units + b.units;  // both within kMax: cannot overflow qint64
    if (sum > Amount::kMax || sum < -Amount::kMax) return std::nullopt;
    return Amount{sum};
}

}  // namespace sim
