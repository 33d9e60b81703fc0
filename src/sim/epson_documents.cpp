#include "epson_command_set.h"
#include "epson_fields.h"
#include "hasar_fields.h"
#include "ledger.h"
#include "printout.h"

#include "epson_words.h"

namespace sim {

using namespace epson_bit;
using epson::text;

namespace {

constexpr int kMaxPayments = 5;
constexpr int kMaxStoredText = 40;
// The ticket's cancelling payment (0x44 "C") also cancels a ticket-invoice left open.
constexpr bool kTicketCancelCoversTicketInvoice = true;

Amount negated(Amount a) { return Amount{-a.units}; }

// The document an open request for a ticket-invoice (T) or ticket credit note (M) starts.
DocumentKind ticketInvoiceKind(char type, char letter) {
    if (type == 'M') return letter == 'A' ? DocumentKind::CreditNoteA : DocumentKind::CreditNoteB;
    return letter == 'A' ? DocumentKind::InvoiceA : DocumentKind::InvoiceB;
}

// The identity-document code the shared printout names ("C" prints as CUIT).
QString idTypeCode(const QString& epsonType) {
    if (epsonType == QLatin1String("CUIT")) return QStringLiteral("C");
    if (epsonType == QLatin1String("CUIL")) return QStringLiteral("L");
    if (epsonType == QLatin1String("DNI")) return QStringLiteral("2");
    return epsonType.left(6);
}

}  // namespace

EpsonCommandSet::EpsonCommandSet(FiscalMemory& memory, PaperRoll& paper, Conditions conditions)
    : memory_(memory), paper_(paper), batteryLow_(conditions.batteryLow) {
    // Switching the printer off and on cancels a document left open.
    if (!memory_.open) return;
    const OpenDocument doc = *memory_.open;
    cancelDocument(memory_);
    printout::documentCancelled(paper_, memory_, doc);
}

void EpsonCommandSet::cutPower(qint64 nowMs) {
    if (!memory_.open) return;
    const OpenDocument cut = *memory_.open;
    sim::cutPower(memory_, false);
    printout::powerCut(paper_, memory_, cut, printerTime(memory_, nowMs));
}

EpsonCommandSet::Answer EpsonCommandSet::openTicket(const Fields& f, qint64 nowMs) {
    if (!f.isEmpty() && !hasar::letter(f, 1, "CG")) return refuse(kInvalidField);
    if (const quint16 gate = fiscalGate()) return refuse(gate);
    beginDocument(memory_, DocumentKind::Ticket);
    printout::documentHead(paper_, memory_, printerTime(memory_, nowMs));
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::ticketItem(const Fields& f, qint64) { return item(openTicket(), f, true); }

EpsonCommandSet::Answer EpsonCommandSet::ticketPayment(const Fields& f, qint64) {
    OpenDocument* doc = openTicket();
    if (!doc && kTicketCancelCoversTicketInvoice && f.size() >= 3 && f[2] == "C")
        doc = openTicketInvoice();
    return payment(doc, f);
}

EpsonCommandSet::Answer EpsonCommandSet::closeTicket(const Fields& f, qint64) {
    if (!f.isEmpty() && !hasar::letter(f, 1, "TP")) return refuse(kInvalidField);
    return close(openTicket());
}

EpsonCommandSet::Answer EpsonCommandSet::openTicketInvoice(const Fields& f, qint64 nowMs) {
    const auto type = hasar::letter(f, 1, "TM");
    const auto letter = hasar::letter(f, 3, "ABC");
    const auto buyer = hasar::letter(f, 8, "IRNEMFSTCV");
    if (!type || !letter || !buyer) return refuse(kInvalidField);
    const QString name = text(f, 9).left(kMaxStoredText);
    const QString idType = text(f, 11).trimmed();
    const QString id = text(f, 12).trimmed().left(kMaxStoredText);
    const QString reference = text(f, 17).trimmed().left(kMaxStoredText);
    if ((idType == QLatin1String("CUIT") || idType == QLatin1String("CUIL")) && !hasar::validCuit(id))
        return refuse(kInvalidField);
    // Only a final consumer may stay anonymous; a credit note names the document it corrects.
    if (*buyer != 'F' && (name.trimmed().isEmpty() || id.isEmpty())) return refuse(kInvalidField);
    if (*type == 'M' && reference.isEmpty()) return refuse(kInvalidField);
    if (const quint16 gate = fiscalGate()) return refuse(gate);

    memory_.customer = Customer{name, id, QString(QChar::fromLatin1(*buyer)), idTypeCode(idType),
                                text(f, 14).left(kMaxStoredText)};
    memory_.embark[0] = reference;
    beginDocument(memory_, ticketInvoiceKind(*type, *letter));
    printout::documentHead(paper_, memory_, printerTime(memory_, nowMs));
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::ticketInvoiceItem(const Fields& f, qint64) {
    OpenDocument* doc = openTicketInvoice();
    // Letter A prices are net of IVA; B and C prices include it.
    const bool letterA = doc && (doc->kind == DocumentKind::InvoiceA || doc->kind == DocumentKind::CreditNoteA);
    return item(doc, f, !letterA);
}

EpsonCommandSet::Answer EpsonCommandSet::ticketInvoicePayment(const Fields& f, qint64) {
    return payment(openTicketInvoice(), f);
}

EpsonCommandSet::Answer EpsonCommandSet::closeTicketInvoice(const Fields& f, qint64) {
    const auto type = hasar::letter(f, 1, "TM");
    const auto letter = hasar::letter(f, 2, "ABC");
    if (!type || !letter) return refuse(kInvalidField);
    OpenDocument* doc = openTicketInvoice();
    if (!doc) return refuse(kInvalidState);
    // The close names the document it closes; B and C share one series.
    const DocumentKind named = ticketInvoiceKind(*type, *letter);
    if (named != doc->kind) return refuse(kInvalidField);
    return close(doc);
}

EpsonCommandSet::Answer EpsonCommandSet::item(OpenDocument* doc, const Fields& f, bool priceIncludesTax) {
    if (f.size() < 5) return refuse(kInvalidField);
    const auto quantity = epson::impliedAmount(f[1], 3, 8);
    const auto price = epson::impliedAmount(f[2], 2, 9);
    const auto rate = epson::impliedAmount(f[3], 2, 4);
    const auto qualifier = hasar::letter(f, 5, "MmRr");
    if (!quantity || quantity->units <= 0 || !price || !rate || *rate > Amount{100 * Amount::kScale} || !qualifier)
        return refuse(kInvalidField);
    if (!doc || doc->payments > 0) return refuse(kInvalidState);

    const auto base = Amount::product(*quantity, *price);
    if (!base) return refuse(kTotalOverflow);
    const Amount tax = Amount::percentOf(*base, *rate, priceIncludesTax);
    const auto lineTotal = priceIncludesTax ? base : add(*base, tax);
    if (!lineTotal) return refuse(kTotalOverflow);
    // A void (m) or a bonus (R) takes the line off; a void bonus (r) puts it back.
    const bool subtract = *qualifier == 'm' || *qualifier == 'R';
    const auto total = add(doc->total, subtract ? negated(*lineTotal) : *lineTotal);
    const auto taxTotal = add(doc->tax, subtract ? negated(tax) : tax);
    if (!total || !taxTotal) return refuse(kTotalOverflow);
    if (total->units < 0) return refuse(kInvalidState);

    doc->total = *total;
    doc->tax = *taxTotal;
    FiscalMemory::countUp(doc->items);
    // Extra description lines of a ticket-invoice item print above it.
    for (int n = 8; n <= 10 && n <= f.size(); ++n)
        if (const QString extra = text(f, n); !extra.isEmpty()) printout::freeText(paper_, extra);
    const QString description = (*qualifier == 'R' ? QStringLiteral("BONIF. ") : QString()) + text(f, 1);
    printout::item(paper_, description, *quantity, subtract ? negated(*price) : *price, *rate,
                   subtract ? negated(*lineTotal) : *lineTotal);
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::payment(OpenDocument* doc, const Fields& f) {
    if (f.size() < 3) return refuse(kInvalidField);
    const auto qualifier = hasar::letter(f, 3, "TtCDR");
    if (!qualifier) return refuse(kInvalidField);
    if (!doc) return refuse(kInvalidState);
    if (*qualifier == 'C') {
        const OpenDocument cancelled = *doc;
        cancelDocument(memory_);
        printout::documentCancelled(paper_, memory_, cancelled);
        return {};
    }
    const auto amount = epson::impliedAmount(f[1], 2, 11);
    if (!amount) return refuse(kInvalidField);
    const QString description = text(f, 1);
    switch (*qualifier) {
    case 'T': {
        if (doc->payments >= kMaxPayments) return refuse(kInvalidState);
        const auto paid = add(doc->paid, *amount);
        if (!paid) return refuse(kTotalOverflow);
        doc->paid = *paid;
        ++doc->payments;
        printout::payment(paper_, description, *amount);
        break;
    }
    case 't':
        // Only what was paid can be taken back.
        if (*amount > doc->paid) return refuse(kInvalidField);
        doc->paid = Amount{doc->paid.units - amount->units};
        printout::payment(paper_, description, negated(*amount));
        break;
    default: {
        // A global discount (D) or surcharge (R), before any payment.
        if (doc->payments > 0) return refuse(kInvalidState);
        const bool discount = *qualifier == 'D';
        const auto total = add(doc->total, discount ? negated(*amount) : *amount);
        if (!total) return refuse(kTotalOverflow);
        if (total->units < 0) return refuse(kInvalidState);
        doc->total = *total;
        paper_.print(QStringLiteral("%1 %2 | %3")
                         .arg(discount ? QStringLiteral("DESCUENTO") : QStringLiteral("RECARGO"),
                              paper_.fit(description), amount->money()));
        break;
    }
    }
    return Answer{0, {epson::impliedField(Amount{doc->total.units - doc->paid.units}, 12)}};
}

EpsonCommandSet::Answer EpsonCommandSet::close(OpenDocument* doc) {
    if (!doc) return refuse(kInvalidState);
    const OpenDocument closed = *doc;
    const quint32 number = finishDocument(memory_);
    printout::documentEnd(paper_, memory_, closed);
    return Answer{0, {epson::counterField(number, 8)}};
}

EpsonCommandSet::Answer EpsonCommandSet::openNonFiscal(const Fields&, qint64 nowMs) {
    if (memory_.open) return refuse(kInvalidState);
    beginDocument(memory_, DocumentKind::NonFiscal);
    printout::documentHead(paper_, memory_, printerTime(memory_, nowMs));
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::nonFiscalText(const Fields& f, qint64) {
    if (f.isEmpty()) return refuse(kInvalidField);
    if (!memory_.open || memory_.open->kind != DocumentKind::NonFiscal) return refuse(kInvalidState);
    printout::freeText(paper_, text(f, 1));
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::closeNonFiscal(const Fields& f, qint64) {
    if (!f.isEmpty() && !hasar::letter(f, 1, "TP")) return refuse(kInvalidField);
    if (!memory_.open || memory_.open->kind != DocumentKind::NonFiscal) return refuse(kInvalidState);
    const OpenDocument doc = *memory_.open;
    const quint32 number = finishDocument(memory_);
    printout::documentEnd(paper_, memory_, doc);
    return Answer{0, {epson::counterField(number, 8)}};
}

}  // namespace sim
