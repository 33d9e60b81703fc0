#include "issue_outcome.h"

#include "error_numbers.h"

namespace issue_outcome {

namespace {

QString numberText(const Document& document, quint32 number, const QString& pointOfSale) {
    if (!document.withPointOfSale) return QString::number(number);
    const QString digits = QString::number(number).rightJustified(8, QLatin1Char('0'));
    return pointOfSale.isEmpty() ? digits : pointOfSale + QLatin1Char('-') + digits;
}

DriverError unknown(const Document& document, const QString& why, const DriverError& cause) {
    return DriverError(error_number::kIssueUnknown,
                       QStringLiteral("No se sabe si se emitió %1 (%2): %3. Verifique el último número con TRAER "
                                      "INFORMACIÓN antes de repetirlo")
                           .arg(document.title, cause.description(), why));
}

}  // namespace

bool leavesDoubt(const DriverError& error) {
    switch (error.number()) {
    case error_number::kNoAnswer:
    case error_number::kGarbledLink:
    case error_number::kPortLost:
    case error_number::kPrinterStuck:
    case error_number::kBadReply:
    case error_number::kNotAFiscalPrinter: return true;
    default: return false;
    }
}

DriverError decide(const Document& document, std::optional<quint32> before, const Reading& after,
                   const DriverError& cause) {
    if (!after.reached) return unknown(document, QStringLiteral("el impresor no volvió a responder"), cause);
    if (document.counted && before && after.counter) {
        if (*after.counter != *before)
            return DriverError(error_number::kIssuedReplyLost,
                               QStringLiteral("Se emitió %1 Nº %2, pero su respuesta se perdió (%3). No lo repita")
                                   .arg(document.title, numberText(document, *after.counter, after.pointOfSale),
                                        cause.description()));
        return DriverError(error_number::kNotIssued,
                           QStringLiteral("No se emitió %1 (%2): el impresor no lo registró. Puede repetirlo")
                               .arg(document.title, cause.description()));
    }
    // Without a number to compare, only a document still open proves that it was not issued.
    if (after.documentOpen)
        return DriverError(error_number::kNotIssued,
                           QStringLiteral("No se emitió %1 (%2): sigue abierto en el impresor. Puede repetirlo")
                               .arg(document.title, cause.description()));
    return unknown(document, QStringLiteral("el impresor no informa su número"), cause);
}

}  // namespace issue_outcome
