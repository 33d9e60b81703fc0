#include "epson_command_set.h"

#include "epson_fields.h"
#include "hasar_fields.h"
#include "hasar_text.h"
#include "ledger.h"

#include "epson_words.h"

namespace sim {

using namespace epson_bit;
namespace code = epson_code;

namespace {

QByteArray hex4(quint16 word) {
    return QByteArray::number(word, 16).toUpper().rightJustified(4, '0');
}

// The standard IVA rate and the largest ticket-invoice this printer accepts, as "C" reports them.
constexpr const char* kStandardRate = "2100";
constexpr const char* kMaxTicketInvoice = "000001000000";

}  // namespace

EpsonCommandSet::Handler EpsonCommandSet::handlerFor(quint8 command) {
    switch (command) {
    case code::kStatus: return &EpsonCommandSet::statusRequest;
    case code::kGetDateTime: return &EpsonCommandSet::getDateTime;
    case code::kDailyClose: return &EpsonCommandSet::dailyClose;
    case code::kGlobalByDate: return &EpsonCommandSet::globalByDate;
    case code::kGlobalByNumber: return &EpsonCommandSet::globalByNumber;
    case code::kOpenTicket: return &EpsonCommandSet::openTicket;
    case code::kTicketItem: return &EpsonCommandSet::ticketItem;
    case code::kTicketPayment: return &EpsonCommandSet::ticketPayment;
    case code::kCloseTicket: return &EpsonCommandSet::closeTicket;
    case code::kOpenTicketInvoice: return &EpsonCommandSet::openTicketInvoice;
    case code::kTicketInvoiceItem: return &EpsonCommandSet::ticketInvoiceItem;
    case code::kTicketInvoicePayment: return &EpsonCommandSet::ticketInvoicePayment;
    case code::kCloseTicketInvoice: return &EpsonCommandSet::closeTicketInvoice;
    case code::kOpenNonFiscal: return &EpsonCommandSet::openNonFiscal;
    case code::kNonFiscalText: return &EpsonCommandSet::nonFiscalText;
    case code::kCloseNonFiscal: return &EpsonCommandSet::closeNonFiscal;
    case code::kOpenDrawer: return &EpsonCommandSet::openDrawer;
    case code::kCutPaper: return &EpsonCommandSet::cutPaper;
    case code::kFeedTicket:
    case code::kFeedBoth: return &EpsonCommandSet::feedRoll;
    case code::kFeedJournal:
    case code::kFeedSlip: return &EpsonCommandSet::feedElsewhere;
    case code::kSetDateTime: return &EpsonCommandSet::setDateTime;
    case code::kSetHeaderTrailer: return &EpsonCommandSet::setHeaderTrailer;
    default: return nullptr;
    }
}

QList<QByteArray> EpsonCommandSet::execute(const frame::Frame& request, qint64 nowMs) {
    const Handler handler = handlerFor(request.command);
    const Answer answer = handler ? (this->*handler)(request.fields, nowMs) : refuse(kUnknownCommand);
    quint16 fiscal = fiscalStatus() | answer.refusal;
    if (fiscal & (kFiscalErrors | kFiscalMemoryAlmostFull)) fiscal |= kFiscalSummary;
    QList<QByteArray> reply{hex4(kBufferEmpty), hex4(fiscal)};
    if (!answer.refusal) reply += answer.data;
    return reply;
}

quint16 EpsonCommandSet::fiscalStatus() const {
    quint16 bits = memory_.initialised ? (kCertified | kFiscalized) : 0;
    if (batteryLow_) bits |= kBatteryLow;
    if (memory_.zDue) bits |= kZRequired;
    if (memory_.open) {
        bits |= kRollDocumentOpen;
        if (memory_.open->kind != DocumentKind::NonFiscal) bits |= kFiscalDocumentOpen;
    }
    return bits;
}

quint16 EpsonCommandSet::fiscalGate() const {
    if (memory_.open || !memory_.initialised) return kInvalidState;
    // Bit 11 alone: whether a real Epson adds bit 5 is not known, and a driver must cope without.
    if (memory_.zDue) return kZRequired;
    if (!memory_.moduleOpen || memoryFull(memory_)) return kFiscalMemoryFull | kInvalidState;
    return 0;
}

OpenDocument* EpsonCommandSet::openTicket() {
    return memory_.open && memory_.open->kind == DocumentKind::Ticket ? &*memory_.open : nullptr;
}

OpenDocument* EpsonCommandSet::openTicketInvoice() {
    if (!memory_.open) return nullptr;
    switch (memory_.open->kind) {
    case DocumentKind::InvoiceA:
    case DocumentKind::InvoiceB:
    case DocumentKind::CreditNoteA:
    case DocumentKind::CreditNoteB: return &*memory_.open;
    default: return nullptr;
    }
}

EpsonCommandSet::Answer EpsonCommandSet::statusRequest(const Fields& f, qint64) {
    using epson::counterField;
    const auto which = hasar::letter(f, 1, "NAC");
    if (!which) return refuse(kInvalidField);
    const LastNumbers& last = memory_.last;
    const FiscalIdentity& id = memory_.identity;
    switch (*which) {
    case 'N':
        // The day's first-document time and the audit data are not kept: they answer as zeros.
        return Answer{0,
                      {counterField(last.issuedB, 8), "000000", "000000", counterField(memory_.lastZ, 5),
                       counterField(0, 8), counterField(0, 8), hasar::encodeText(id.registration), ""}};
    case 'A':
        return Answer{0,
                      {counterField(memory_.lastZ, 5), counterField(last.issuedB, 8), counterField(last.b, 8),
                       counterField(last.issuedA, 8), counterField(last.a, 8), counterField(last.nonFiscal % 100000, 5),
                       counterField(0, 5), counterField(last.nonFiscal, 8), counterField(last.creditNoteA, 8),
                       counterField(last.creditNoteB, 8), counterField(last.deliveryNote, 8)}};
    default:
        if (!memory_.initialised) return refuse(kInvalidState);
        return Answer{0,
                      {id.cuit.toLatin1(), counterField(id.pointOfSale, 4), id.ivaResponsibility.toLatin1(),
                       kStandardRate, kMaxTicketInvoice, hasar::encodeText(id.businessName)}};
    }
}

EpsonCommandSet::Answer EpsonCommandSet::getDateTime(const Fields&, qint64 nowMs) {
    const QDateTime now = printerTime(memory_, nowMs);
    return Answer{0, {hasar::dateField(now.date()), now.time().toString(QStringLiteral("HHmmss")).toLatin1()}};
}

}  // namespace sim
