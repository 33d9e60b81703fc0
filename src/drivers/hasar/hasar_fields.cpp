#include "hasar_fields.h"

#include "drivers/error_numbers.h"
#include "hasar_charset.h"
#include "hasar_choices.h"

#include <array>
#include <charconv>
#include <cmath>

namespace hasar_field {

DriverError badArgument(const QString& why) {
    return DriverError(error_number::kBadArgument, QStringLiteral("Dato no válido para el impresor fiscal: %1").arg(why));
}

QByteArray text(const QString& value) { return hasar_charset::encode(value); }

namespace {

// A numeric field as the manual draws it: ±nnnnnn.nn is a sign, six whole digits and two
// decimals that must be written out.
struct NumberForm {
    const char* name;  // as the error message names the field
    const char* form;
    int wholeDigits;  // 0: the whole part is a lone 0
    int minDecimals;  // filled with zeros up to this many
    int maxDecimals;
    bool takesMinus;
};

// In the order of hasar_field::Number. The payment field holds 13 characters (a reply gives the
// same amount as ±nnnnnnnnn.nn); the delivery item's quantity is the slip models' nnn.nnnn.
constexpr std::array<NumberForm, 6> kNumberForms{{
    {"la cantidad", "±nnn.nnnnnnnnnn", 3, 1, 10, true},
    {"el precio unitario", "±nnnnnn.nn", 6, 2, 2, true},
    {"el porcentaje de IVA", "nn.nn", 2, 2, 2, false},
    {"el coeficiente de impuestos internos", "[+]0.nnnnnnnn", 0, 8, 8, false},
    {"el monto del pago", "±nnnnnnnnn.nn", 9, 2, 2, true},
    {"la cantidad del ítem de remito", "nnn.nnnn", 3, 1, 4, false},
}};

}  // namespace

QByteArray number(Number field, double value) {
    const NumberForm& form = kNumberForms[static_cast<std::size_t>(field)];
    const QString name = QString::fromUtf8(form.name);
    if (!std::isfinite(value)) throw badArgument(QStringLiteral("%1 no es un número").arg(name));
    if (value == 0.0) value = 0.0;  // no "-0"
    // The shortest decimal text that reads back as the same double: its digits are the value's.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    const QByteArray shortest(buffer, static_cast<int>(result.ptr - buffer));
    const bool negative = shortest.startsWith('-');
    const QByteArray magnitude = negative ? shortest.mid(1) : shortest;
    const qsizetype point = magnitude.indexOf('.');
    const QByteArray whole = point < 0 ? magnitude : magnitude.left(point);
    QByteArray decimals = point < 0 ? QByteArray() : magnitude.mid(point + 1);
    while (decimals.endsWith('0')) decimals.chop(1);

    const auto refuse = [&](const QString& why) {
        return badArgument(QStringLiteral("%1 %2 %3 (forma %4)")
                               .arg(name, QString::fromLatin1(shortest), why, QString::fromUtf8(form.form)));
    };
    if (negative && !form.takesMinus) throw refuse(QStringLiteral("no puede ser negativo"));
    const qsizetype wholeDigits = whole == "0" ? 0 : whole.size();
    if (wholeDigits > form.wholeDigits)
        throw refuse(form.wholeDigits == 0 ? QStringLiteral("debe ser menor que 1")
                                           : QStringLiteral("tiene más de %1 cifras enteras").arg(form.wholeDigits));
    if (decimals.size() > form.maxDecimals)
        throw refuse(QStringLiteral("tiene más de %1 decimales").arg(form.maxDecimals));
    while (decimals.size() < form.minDecimals) decimals.append('0');
    return (negative ? QByteArrayLiteral("-") : QByteArray()) + whole + '.' + decimals;
}

QByteArray character(int code, const QString& what) {
    if (code < 0x20 || code > 0xFF)
        throw badArgument(QStringLiteral("%1 con el código %2 no es un carácter imprimible").arg(what).arg(code));
    return QByteArray(1, static_cast<char>(code));
}

QByteArray date(const QDate& value) {
    if (!value.isValid()) throw badArgument(QStringLiteral("fecha no válida"));
    return value.toString(QStringLiteral("yyMMdd")).toLatin1();
}

QByteArray zNumber(int value) {
    if (value < 0) throw badArgument(QStringLiteral("número de Z negativo (%1)").arg(value));
    return QByteArray::number(value).rightJustified(hasar_choice::kZNumberDigits, '0');
}

}  // namespace hasar_field
