#include "hasar_status.h"

#include "drivers/clock_refusal.h"
#include "drivers/error_numbers.h"
#include "drivers/service_text.h"
#include "drivers/link/link_errors.h"
#include "drivers/link/reply_fields.h"
#include "hasar_choices.h"
#include "hasar_protocol.h"

#include <QStringList>
#include <cctype>

namespace {

// The two words at the head of a reply's fields; empty when either is missing or not hex.
std::optional<HasarStatus> statusWords(const QList<QByteArray>& fields) {
    const auto s = reply_field::statusWords(fields);
    if (!s) return std::nullopt;
    return HasarStatus{s->printer, s->fiscal};
}

// The commands that open a fiscal or homologated document: a lasting condition may refuse them.
bool opensFiscalDocument(quint8 command) {
    return command == hasar_command::kOpenFiscalReceipt || command == hasar_command::kOpenHomologated;
}

}  // namespace

QString hasarStatusInWords(const QList<QByteArray>& fields) {
    return statusInWords(fields, hasar_bits::kPrinter, hasar_bits::kFiscal);
}

HasarStatus readStatus(quint8 command, const frame::Frame& reply) {
    const auto s = statusWords(reply.fields);
    if (!s)
        throw DriverError(error_number::kBadReply,
                          QStringLiteral("El impresor respondió al comando %1 sin palabras de estado legibles: %2")
                              .arg(link_error::commandCode(command), frame::hex(frame::encode(reply)).left(80)));
    return *s;
}

std::optional<DriverError> statusError(quint8 command, const HasarStatus& status) {
    const QStringList fiscal = bitTexts(status.fiscal, hasar_bits::kFiscal, BitKind::Error, command);
    const QStringList printer = bitTexts(status.printer, hasar_bits::kPrinter, BitKind::Error, command);
    const QStringList blocking = blockingConditions(status.fiscal, hasar_bits::kFiscal);
    const QString code = link_error::commandCode(command);
    // An opening that found no document open afterwards was refused by the lasting condition.
    const bool blocked = opensFiscalDocument(command) && !blocking.isEmpty() && !documentOpen(status);
    if (!fiscal.isEmpty() || (blocked && printer.isEmpty())) {
        const QString refusal = QStringLiteral("El impresor rechazó el comando %1: %2")
                                    .arg(code, (fiscal + printer + blocking).join(QStringLiteral(", ")));
        const bool serviceLine = command == hasar_command::kSetHeaderTrailer || command == hasar_command::kSetFantasyName;
        return DriverError(error_number::kPrinterRefused, command == hasar_command::kSetDateTime ? withClockRefusalAdvice(refusal)
                                                          : serviceLine ? withServiceRefusalAdvice(refusal)
                                                                        : refusal);
    }
    if (!printer.isEmpty())
        return DriverError(error_number::kPrinterFault, QStringLiteral("El impresor no pudo ejecutar el comando %1: %2")
                                                            .arg(code, printer.join(QStringLiteral(", "))));
    return std::nullopt;
}

QStringList hasarConditions(const QList<QByteArray>& fields) {
    return replyConditions(fields, hasar_bits::kPrinter, hasar_bits::kFiscal);
}

bool fiscalDocumentOpen(const HasarStatus& status) {
    return status.fiscal & (1u << hasar_choice::kFiscalDocumentOpenBit);
}

bool unknownCommand(const HasarStatus& status) { return status.fiscal & (1u << hasar_choice::kUnknownCommandBit); }

std::optional<AuxiliaryStatus> readAuxiliary(const QByteArray& field, bool slipFamily) {
    if (field.isEmpty() || field.size() > 4) return std::nullopt;
    for (char c : field)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    const int digits = slipFamily ? 2 : 1;
    const int state = field.right(digits).toInt(nullptr, 16);
    // A value past the family's last state is no auxiliary status.
    if (state > (slipFamily ? hasar_choice::kMaxSlipState : hasar_choice::kMaxTicketState)) return std::nullopt;
    const int flags = field.size() > digits ? QByteArray(1, field.front()).toInt(nullptr, 16) : 0;
    return AuxiliaryStatus{state, flags};
}

bool trainingMode(const AuxiliaryStatus& auxiliary) { return auxiliary.flags & hasar_choice::kTrainingFlag; }

bool documentOpen(const HasarStatus& status) {
    for (int bit : hasar_choice::kDocumentOpenBits)
        if (status.fiscal & (1u << bit)) return true;
    return false;
}
