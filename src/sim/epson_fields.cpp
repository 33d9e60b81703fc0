#include "epson_fields.h"

#include "hasar_text.h"

namespace sim::epson {

namespace {

constexpr char kDelete = 0x7F;

}  // namespace

QString text(const QList<QByteArray>& fields, int n) {
    if (n < 1 || n > fields.size() || fields[n - 1] == QByteArray(1, kDelete)) return {};
    // Its texts are in the PC character set, as the business name it answers with.
    return hasar::decodeText(fields[n - 1]);
}

std::optional<Amount> impliedAmount(QByteArrayView field, int decimals, int maxDigits) {
    if (field.contains('.')) {
        const auto a = Amount::parse(field);
        return a && a->units >= 0 ? a : std::nullopt;
    }
    if (field.isEmpty() || field.size() > maxDigits) return std::nullopt;
    qint64 value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    qint64 scale = Amount::kScale;
    for (int i = 0; i < decimals; ++i) scale /= 10;
    const Amount a{value * scale};
    return a.units <= Amount::kMax ? std::optional<Amount>(a) : std::nullopt;
}

QByteArray impliedField(Amount a, int width) {
    const QString cents = a.money().remove(QLatin1Char('.'));
    if (cents.startsWith(QLatin1Char('-'))) return ('-' + cents.mid(1).rightJustified(width - 1, QLatin1Char('0'))).toLatin1();
    return cents.rightJustified(width, QLatin1Char('0')).toLatin1();
}

QByteArray counterField(qint64 n, int width) {
    return QByteArray::number(n).rightJustified(width, '0');
}

}  // namespace sim::epson
