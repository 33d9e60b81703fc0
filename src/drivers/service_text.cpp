#include "service_text.h"

#include "error_numbers.h"
#include "operation_error.h"

QString serviceLineName(ServiceText kind, int line) {
    if (kind == ServiceText::FantasyName) return QStringLiteral("Línea Nº %1 del nombre de fantasía").arg(line);
    return QStringLiteral("Línea Nº %1 del %2").arg(line).arg(line <= kLastHeaderLine ? QStringLiteral("encabezado")
                                                                                    : QStringLiteral("pie"));
}

QString withServiceRefusalAdvice(const QString& refusal) {
    return refusal + QStringLiteral(". El impresor toma estas líneas solo sin comprobante abierto: termine el que haya "
                                    "(CANCELAR COMPROBANTE) y vuelva a enviarlas");
}

void checkServiceLine(ServiceText kind, int line, const ServiceLimits& limits) {
    if (limits.last < limits.first)
        throw DriverError(error_number::kBadArgument, kind == ServiceText::FantasyName
                                                          ? QStringLiteral("Este impresor no guarda nombre de fantasía")
                                                          : QStringLiteral("Este impresor no guarda encabezado ni pie"));
    if (line < limits.first || line > limits.last) {
        const QString name = serviceLineName(kind, line);
        throw DriverError(error_number::kBadArgument, QStringLiteral("El impresor no guarda la %1: toma las líneas %2 a %3")
                                                          .arg(name.at(0).toLower() + name.mid(1))
                                                          .arg(limits.first)
                                                          .arg(limits.last));
    }
}

QByteArray serviceField(ServiceText kind, int line, const QString& text, const ServiceLimits& limits,
                        const std::function<QByteArray(const QString&)>& encode) {
    checkServiceLine(kind, line, limits);
    const QString name = serviceLineName(kind, line);
    // A field of DEL alone erases the stored line.
    if (text.isEmpty()) return QByteArray(1, kDelete);
    QByteArray bytes;
    try {
        bytes = encode(text);
    } catch (const DriverError& e) {
        throw DriverError(e.number(), QStringLiteral("%1: %2").arg(name, e.description()));
    }
    // A double-width line takes half as many characters.
    const bool wide = !bytes.isEmpty() && static_cast<quint8>(bytes.front()) == kDoubleWidth;
    const qsizetype characters = bytes.size() - (wide ? 1 : 0);
    const int most = wide ? limits.length / 2 : limits.length;
    if (characters > most)
        throw DriverError(error_number::kBadArgument, QStringLiteral("%1 tiene %2 caracteres; el impresor toma %3%4")
                                                          .arg(name)
                                                          .arg(characters)
                                                          .arg(most)
                                                          .arg(wide ? QStringLiteral(" en doble ancho") : QString()));
    return bytes;
}
