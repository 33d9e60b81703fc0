#include "epson_status.h"

#include "drivers/clock_refusal.h"
#include "drivers/error_numbers.h"
#include "drivers/service_text.h"
#include "epson_protocol.h"
#include "drivers/link/link_errors.h"
#include "drivers/link/reply_fields.h"
#include "epson_choices.h"

#include <QStringList>

namespace {

// The commands that open a fiscal document: a lasting condition (a Z due) may refuse them.
bool opensFiscalDocument(quint8 command) {
    return command == epson_code::kOpenTicket || command == epson_code::kOpenTicketInvoice;
}

}  // namespace

QString epsonStatusInWords(const QList<QByteArray>& fields) {
    return statusInWords(fields, epson_bit::kPrinter, epson_bit::kFiscal);
}

std::optional<EpsonStatus> readStatus(const QList<QByteArray>& fields) {
    const auto s = reply_field::statusWords(fields);
    if (!s) return std::nullopt;
    return EpsonStatus{s->printer, s->fiscal};
}

bool documentOpen(EpsonStatus s) {
    return (s.fiscal & (epson_bit::kFiscalDocumentOpen | epson_bit::kRollDocumentOpen)) != 0;
}

bool onlyNonFiscalOpen(EpsonStatus s) {
    return (s.fiscal & epson_bit::kRollDocumentOpen) && !(s.fiscal & epson_bit::kFiscalDocumentOpen);
}

bool isFailure(EpsonStatus s) {
    return (s.printer & epson_bit::kPrinterErrors) != 0 || (s.fiscal & epson_bit::kFiscalErrors) != 0;
}

bool refusesStatusRequest(EpsonStatus s) {
    return (s.fiscal & kEpsonReadings.statusRequestRefusal) != 0;
}

bool cancelFoundNothing(EpsonStatus s) {
    const quint16 fiscalErrors = s.fiscal & epson_bit::kFiscalErrors;
    return (s.printer & epson_bit::kPrinterErrors) == 0 && (s.fiscal & epson_bit::kFiscalDocumentOpen) == 0 &&
           fiscalErrors != 0 && (fiscalErrors & ~kEpsonReadings.cancelNothingOpen) == 0;
}

bool cancelMetAnOpenDocument(EpsonStatus s) {
    return (s.printer & epson_bit::kPrinterErrors) == 0 && (s.fiscal & epson_bit::kFiscalDocumentOpen) != 0;
}

DriverError failureError(quint8 command, EpsonStatus s) {
    const QStringList reasons = bitTexts(s.fiscal, epson_bit::kFiscal, BitKind::Error, command) +
                                bitTexts(s.printer, epson_bit::kPrinter, BitKind::Error, command) +
                                blockingConditions(s.fiscal, epson_bit::kFiscal);
    const bool refused = (s.fiscal & epson_bit::kFiscalErrors) != 0 || (s.printer & epson_bit::kPrinterErrors) == 0;
    const int number = refused ? error_number::kPrinterRefused : error_number::kPrinterFault;
    const QString text = QStringLiteral("El impresor rechazó el comando %1: %2")
                             .arg(link_error::commandCode(command), reasons.join(QStringLiteral("; ")));
    if (refused && command == epson_code::kSetDateTime) return DriverError(number, withClockRefusalAdvice(text));
    if (refused && command == epson_code::kSetHeaderTrailer) return DriverError(number, withServiceRefusalAdvice(text));
    return DriverError(number, text);
}

std::optional<DriverError> statusError(quint8 command, EpsonStatus s) {
    // An opening that left no document open was refused by the lasting condition it reports.
    const bool blocked = opensFiscalDocument(command) && !documentOpen(s) &&
                         !blockingConditions(s.fiscal, epson_bit::kFiscal).isEmpty();
    if (!isFailure(s) && !blocked) return std::nullopt;
    return failureError(command, s);
}

QStringList epsonConditions(const QList<QByteArray>& fields) {
    return replyConditions(fields, epson_bit::kPrinter, epson_bit::kFiscal);
}
