#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace sim {

// A quantity or an amount with four decimals, as the printers read them: "1.0", "0.01",
// "-2.5". Values are bounded so that any product of two of them fits the arithmetic below.
struct Amount {
    static constexpr qint64 kScale = 10000;
    static constexpr qint64 kMax = 99'999'999'999 * kScale;  // 11 whole digits

    qint64 units = 0;  // value * kScale

    // Decimal text with a point and at most four decimals; nothing else. Empty when the text
    // is not such a number or is out of range.
    static std::optional<Amount> parse(QByteArrayView text);
    // quantity * price, rounded half away from zero to four decimals; empty on overflow.
    static std::optional<Amount> product(Amount a, Amount b);
    // a * percent / 100 (or the part of a that is tax when the price includes it).
    static Amount percentOf(Amount a, Amount percent, bool included);

    // With two decimals, rounded: "0.01", "-12.50".
    QString money() const;
    // The shortest form that keeps the value: "1", "1.5", "0.0125".
    QString plain() const;

    bool operator==(const Amount&) const = default;
    auto operator<=>(const Amount&) const = default;
};

// a + b, empty when the sum leaves the range (the printer's accumulator overflow).
std::optional<Amount> add(Amount a, Amount b);

}  // namespace sim
