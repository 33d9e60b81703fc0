#include "hasar_fields.h"

#include "drivers/error_numbers.h"
#include "hasar_charset.h"
#include "hasar_choices.h"

#include <charconv>
#include <cmath>

namespace hasar_field {

DriverError badArgument(const QString& why) {
    return DriverError(error_number::kBadArgument, QStringLiteral("Dato no válido para el impresor fiscal: %1").arg(why));
}

QByteArray text(const QString& value) { return hasar_charset::encode(value); }

QByteArray decimal(double value) {
    if (!std::isfinite(value)) throw badArgument(QStringLiteral("importe o cantidad no numérico"));
    if (value == 0.0) value = 0.0;  // no "-0.0"
    // The shortest text that reads back as the same double.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    QByteArray out(buffer, static_cast<int>(result.ptr - buffer));
    if (!out.contains('.')) out.append(".0");
    return out;
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
