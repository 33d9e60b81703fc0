#include "epson_requests.h"

#include "drivers/error_numbers.h"
#include "drivers/operation_error.h"
#include "epson_charset.h"
#include "epson_protocol.h"
#include "epson_choices.h"

namespace epson_request {
namespace {

QList<QByteArray> wire(const QStringList& texts) {
    QList<QByteArray> fields;
    fields.reserve(texts.size());
    for (const QString& t : texts) fields << epson_charset::encode(t);
    return fields;
}

EpsonRequest make(quint8 command, const QStringList& texts = {}) { return {command, wire(texts)}; }

// A one-character text as the letter the tables are keyed on; anything else matches nothing.
char letterOf(const QString& text) {
    return text.size() == 1 && text[0].unicode() < 0x80 ? static_cast<char>(text[0].unicode()) : '\0';
}

[[noreturn]] void badArgument(const QString& what) {
    throw DriverError(error_number::kBadArgument, what);
}

}  // namespace

EpsonRequest dailyReport(const QString& kind, const QString& print) {
    return make(epson_code::kDailyClose, {kind, print});
}

EpsonRequest globalReport(const QString& type, const QString& mode, const QString& first, const QString& last) {
    // Callers disagree on which of the two letters comes first; they never overlap, so the
    // mode is recognised by its value wherever it stands.
    const auto commandFor = [](const QString& letter) -> quint8 {
        const char c = letterOf(letter);
        if (c == kEpsonReadings.globalByNumberMode) return epson_code::kGlobalByNumber;
        if (c == kEpsonReadings.globalByDateMode) return epson_code::kGlobalByDate;
        return 0;
    };
    if (const quint8 command = commandFor(mode); command != 0 && commandFor(type) == 0)
        return make(command, {first, last, type});
    if (const quint8 command = commandFor(type); command != 0 && commandFor(mode) == 0)
        return make(command, {first, last, mode});
    badArgument(QStringLiteral("Informe global: modo \"%1\"/\"%2\" desconocido (se espera %3 o %4)")
                    .arg(type, mode, QChar::fromLatin1(kEpsonReadings.globalByNumberMode),
                         QChar::fromLatin1(kEpsonReadings.globalByDateMode)));
}

EpsonRequest feedPaper(const QString& station, const QString& lines) {
    const char c = letterOf(station);
    for (const auto& s : kEpsonReadings.feedStations)
        if (s.letter == c) return make(s.command, {lines});
    badArgument(QStringLiteral("Avance de papel: estación \"%1\" desconocida (se espera A, T, J o S)").arg(station));
}

EpsonRequest cutPaper() { return make(epson_code::kCutPaper); }

EpsonRequest openDrawer(const QString& drawer) {
    if (kEpsonReadings.drawerNumberSent) return make(epson_code::kOpenDrawer, {drawer});
    return make(epson_code::kOpenDrawer);
}

bool setsClock(const QString& action) { return letterOf(action) == kEpsonReadings.setClockAction; }

EpsonRequest dateTime(const QString& action, const QString& date, const QString& time) {
    if (setsClock(action)) return make(epson_code::kSetDateTime, {date, time});
    return make(epson_code::kGetDateTime);
}

EpsonRequest statusRequest(const QString& letter) { return make(epson_code::kStatus, {letter}); }

EpsonRequest openNonFiscal() { return make(epson_code::kOpenNonFiscal); }
EpsonRequest nonFiscalText(const QString& line) { return make(epson_code::kNonFiscalText, {line}); }
EpsonRequest closeNonFiscal() {
    return make(epson_code::kCloseNonFiscal, {QString(QChar::fromLatin1(kEpsonReadings.closeCut))});
}

EpsonRequest openTicket() { return make(epson_code::kOpenTicket, {QStringLiteral("C")}); }
EpsonRequest ticketItem(const QStringList& fields) { return make(epson_code::kTicketItem, fields); }
EpsonRequest ticketPayment(const QString& description, const QString& amount, const QString& qualifier) {
    return make(epson_code::kTicketPayment, {description, amount, qualifier});
}
EpsonRequest closeTicket() {
    return make(epson_code::kCloseTicket, {QString(QChar::fromLatin1(kEpsonReadings.closeCut))});
}

EpsonRequest openTicketInvoice(const QStringList& fields) { return make(epson_code::kOpenTicketInvoice, fields); }
EpsonRequest ticketInvoiceItem(const QStringList& fields) { return make(epson_code::kTicketInvoiceItem, fields); }
EpsonRequest ticketInvoicePayment(const QString& description, const QString& amount, const QString& qualifier) {
    return make(epson_code::kTicketInvoicePayment, {description, amount, qualifier});
}
EpsonRequest closeTicketInvoice(const QString& type, const QString& letter, const QString& text) {
    // The TOTAL line's text is for slip invoices; the maker asks for DEL there when there is none.
    return make(epson_code::kCloseTicketInvoice, {type, letter, text.isEmpty() ? QString(QChar(0x7F)) : text});
}

bool isCancel(const EpsonRequest& r) {
    return r.command == epson_code::kTicketPayment && r.fields.size() == 3 && r.fields[2] == "C";
}

}  // namespace epson_request
