#include "hasar_command_set.h"
#include "hasar_fields.h"
#include "hasar_status.h"
#include "ledger.h"
#include "printout.h"

namespace sim {

using namespace hasar;

namespace {

constexpr int kMaxFiscalTextsInRow = 4;
constexpr int kMaxReceiptLines = 9;
constexpr int kMaxStoredText = 50;  // customer and reference texts kept for the next document
constexpr int kMaxEmbarkText = 20;
constexpr char kDelete = 0x7F;      // a field of DEL alone erases a stored line

bool isCreditNote(const OpenDocument& doc) {
    const Series series = info(doc.kind).series;
    return series == Series::CreditNoteA || series == Series::CreditNoteB;
}

// Fiscal documents and credit notes are totalled and paid.
bool takesPayments(const OpenDocument& doc) {
    return info(doc.kind).documentClass == DocumentClass::Fiscal || isCreditNote(doc);
}

bool takesItems(const OpenDocument& doc) {
    return takesPayments(doc) || doc.kind == DocumentKind::ReceiptX;
}

// 3.5.9: "el comprobante no podrá cerrarse hasta que el total de los montos parciales sea mayor
// o igual al total del ticket"; with no payment at all the close pays the total itself (3.5.10).
bool balanceDue(const OpenDocument& doc) {
    return doc.payments > 0 && doc.paid < doc.total;
}

std::optional<DocumentKind> fiscalKind(char code) {
    switch (code) {
    case 'A': return DocumentKind::InvoiceA;
    case 'B': return DocumentKind::InvoiceB;
    case 'T': return DocumentKind::Ticket;
    case 'a': return DocumentKind::ReceiptA;
    case 'b': return DocumentKind::ReceiptB;
    case 'D': return DocumentKind::DebitNoteA;
    case 'E': return DocumentKind::DebitNoteB;
    default: return std::nullopt;
    }
}

std::optional<DocumentKind> homologatedKind(char code) {
    switch (code) {
    case 'R': return DocumentKind::CreditNoteA;
    case 'S': return DocumentKind::CreditNoteB;
    case 'r': return DocumentKind::DeliveryNote;
    case 's': return DocumentKind::ExitOrder;
    case 't': return DocumentKind::AccountSummary;
    case 'U': return DocumentKind::RoomCharge;
    case 'u': return DocumentKind::Quotation;
    case 'x': return DocumentKind::ReceiptX;
    default: return std::nullopt;
    }
}

}  // namespace

HasarCommandSet::Answer HasarCommandSet::customerData(const Fields& f, qint64) {
    if (f.size() < 4) return refuse(kInvalidField);
    const auto responsibility = letter(f, 3, "INEACBMTSVW");
    const auto idType = letter(f, 4, "CL01234 ");
    if (!responsibility || !idType) return refuse(kInvalidField);
    const QString id = text(f, 2).trimmed();
    if ((*idType == 'C' || *idType == 'L') && !validCuit(id)) return refuse(kInvalidField);
    if (memory_.open) return refuse(kInvalidInState);
    memory_.customer = Customer{text(f, 1).left(kMaxStoredText), id.left(kMaxStoredText), QString(QChar::fromLatin1(*responsibility)),
                                QString(QChar::fromLatin1(*idType)), text(f, 5).left(kMaxStoredText)};
    return {};
}

HasarCommandSet::Answer HasarCommandSet::embarkNumber(const Fields& f, qint64) {
    const auto line = letter(f, 1, "12");
    if (!line || f.size() < 2) return refuse(kInvalidField);
    if (memory_.open) return refuse(kInvalidInState);
    memory_.embark[*line - '1'] = f[1] == QByteArray(1, kDelete) ? QString() : text(f, 2).left(kMaxEmbarkText);
    return {};
}

HasarCommandSet::Answer HasarCommandSet::openFiscal(const Fields& f, qint64 nowMs) {
    const auto code = letter(f, 1, "ABTabDE");
    if (!code || (f.size() >= 2 && !letter(f, 2, "TS"))) return refuse(kInvalidField);
    const DocumentKind kind = *fiscalKind(*code);
    if (const quint16 gate = fiscalGate()) return refuse(gate);
    if (info(kind).needsCustomer && !memory_.customer) return refuse(kInvalidInState);
    beginDocument(memory_, kind);
    printHead(nowMs);
    return {};
}

HasarCommandSet::Answer HasarCommandSet::fiscalText(const Fields& f, qint64) {
    if (f.isEmpty()) return refuse(kInvalidField);
    OpenDocument* doc = memory_.open ? &*memory_.open : nullptr;
    if (!doc || !takesItems(*doc) || doc->payments > 0 || doc->textsInRow >= kMaxFiscalTextsInRow)
        return refuse(kInvalidInState);
    ++doc->textsInRow;
    printout::freeText(paper_, text(f, 1));
    return {};
}

HasarCommandSet::Answer HasarCommandSet::lineItem(const Fields& f, qint64) {
    if (f.size() < 5) return refuse(kInvalidField);
    const auto quantity = Amount::parse(f[1]);
    const auto price = Amount::parse(f[2]);
    const auto rate = f[3] == "**.**" ? std::optional<Amount>(Amount{}) : Amount::parse(f[3]);
    const auto sign = letter(f, 5, "Mm");
    if (!quantity || quantity->units <= 0 || !price || price->units < 0 || !rate || rate->units < 0 ||
        *rate > Amount{100 * Amount::kScale} || !sign)
        return refuse(kInvalidField);
    OpenDocument* doc = memory_.open ? &*memory_.open : nullptr;
    if (!doc || !takesItems(*doc) || doc->payments > 0) return refuse(kInvalidInState);

    const bool priceIncludesTax = f.size() < 8 || f[7] == "T";
    const auto base = Amount::product(*quantity, *price);
    if (!base) return refuse(kOverflow);
    const Amount tax = Amount::percentOf(*base, *rate, priceIncludesTax);
    const auto lineTotal = priceIncludesTax ? base : add(*base, tax);
    if (!lineTotal) return refuse(kOverflow);
    const bool subtract = *sign == 'm';
    const auto total = add(doc->total, subtract ? Amount{-lineTotal->units} : *lineTotal);
    const auto taxTotal = add(doc->tax, subtract ? Amount{-tax.units} : tax);
    if (!total || !taxTotal) return refuse(kOverflow);
    if (total->units < 0) return refuse(kInvalidInState);  // a document cannot return more than it sold

    doc->total = *total;
    doc->tax = *taxTotal;
    FiscalMemory::countUp(doc->items);
    doc->textsInRow = 0;
    // Receipt X accumulates its amount without printing the line.
    if (doc->kind != DocumentKind::ReceiptX)
        printout::item(paper_, text(f, 1), *quantity, subtract ? Amount{-price->units} : *price, *rate, subtract ? Amount{-lineTotal->units} : *lineTotal);
    return {};
}

HasarCommandSet::Answer HasarCommandSet::subtotal(const Fields& f, qint64) {
    const OpenDocument* doc = memory_.open ? &*memory_.open : nullptr;
    if (!doc || !takesPayments(*doc)) return refuse(kInvalidInState);
    // Printed on request on a ticket before its payments; a ticket-invoice never prints it.
    if (f.value(0) == "P" && doc->kind == DocumentKind::Ticket && doc->payments == 0)
        printout::subtotal(paper_, doc->total);
    return Answer{0,
                  {QByteArray::number(doc->items), doc->total.money().toLatin1(), doc->tax.money().toLatin1(),
                   doc->paid.money().toLatin1(), "0.00"}};
}

HasarCommandSet::Answer HasarCommandSet::totalTender(const Fields& f, qint64 nowMs) {
    if (f.size() < 3) return refuse(kInvalidField);
    const auto amount = Amount::parse(f[1]);
    const auto action = letter(f, 3, "TC");
    if (!amount || !action) return refuse(kInvalidField);
    // The letter C cancels the open document: the one way to do it on the models without Cancel.
    if (*action == 'C') return cancel({}, nowMs);
    OpenDocument* doc = memory_.open ? &*memory_.open : nullptr;
    // 3.5.9: refused "Si el total es cero".
    if (!doc || !takesPayments(*doc) || doc->total.units == 0) return refuse(kInvalidInState);
    // Once the whole amount is paid the document can only be closed.
    if (doc->payments > 0 && doc->paid >= doc->total) return refuse(kInvalidInState);
    const auto paid = add(doc->paid, *amount);
    if (!paid) return refuse(kOverflow);
    if (paid->units < 0) return refuse(kInvalidField);  // a negative amount only undoes what was paid
    // The last payment allowed must cover the balance (3.5.9).
    if (doc->payments + 1 >= maxPayments(*doc) && *paid < doc->total) return refuse(kInvalidInState);
    doc->paid = *paid;
    // Undoing every payment leaves the document as before them: it may be cancelled again.
    doc->payments = paid->units == 0 ? 0 : doc->payments + 1;
    printout::payment(paper_, text(f, 1), *amount);
    return Answer{0, {Amount{doc->total.units - doc->paid.units}.money().toLatin1()}};
}

HasarCommandSet::Answer HasarCommandSet::closeFiscal(const Fields&, qint64) {
    if (!memory_.open || info(memory_.open->kind).documentClass != DocumentClass::Fiscal)
        return refuse(kInvalidInState);
    // 3.5.10: refused "Si el total del monto vendido es cero".
    if (memory_.open->total.units == 0 || balanceDue(*memory_.open)) return refuse(kInvalidInState);
    const OpenDocument doc = *memory_.open;
    const quint32 number = finishDocument(memory_, numbering());
    printout::documentEnd(paper_, memory_, doc);
    return Answer{0, {printout::number8(number).toLatin1()}};
}

HasarCommandSet::Answer HasarCommandSet::openHomologated(const Fields& f, qint64 nowMs) {
    const auto code = letter(f, 1, "RSrstUux");
    if (!code || (f.size() >= 2 && !letter(f, 2, "TS"))) return refuse(kInvalidField);
    const DocumentKind kind = *homologatedKind(*code);
    const QString reference = text(f, 3).trimmed().left(kMaxEmbarkText);
    const bool needsReference = kind == DocumentKind::ExitOrder || kind == DocumentKind::AccountSummary ||
                                kind == DocumentKind::Quotation || kind == DocumentKind::ReceiptX;
    if (needsReference && reference.isEmpty()) return refuse(kInvalidField);
    if (const quint16 gate = fiscalGate()) return refuse(gate);
    if (info(kind).needsCustomer && !memory_.customer) return refuse(kInvalidInState);
    const bool creditNote = kind == DocumentKind::CreditNoteA || kind == DocumentKind::CreditNoteB;
    if (creditNote && memory_.embark[0].isEmpty()) return refuse(kInvalidInState);
    beginDocument(memory_, kind).reference = reference;
    printHead(nowMs);
    return {};
}

HasarCommandSet::Answer HasarCommandSet::embarkItem(const Fields& f, qint64) {
    if (f.size() < 2) return refuse(kInvalidField);
    const auto quantity = Amount::parse(f[1]);
    if (!quantity || quantity->units <= 0) return refuse(kInvalidField);
    OpenDocument* doc = memory_.open ? &*memory_.open : nullptr;
    if (!doc || (doc->kind != DocumentKind::DeliveryNote && doc->kind != DocumentKind::ExitOrder))
        return refuse(kInvalidInState);
    FiscalMemory::countUp(doc->items);
    printout::deliveryItem(paper_, text(f, 1), *quantity);
    return {};
}

HasarCommandSet::Answer HasarCommandSet::receiptText(const Fields& f, qint64) {
    if (f.isEmpty()) return refuse(kInvalidField);
    OpenDocument* doc = memory_.open ? &*memory_.open : nullptr;
    const bool receipt = doc && (doc->kind == DocumentKind::ReceiptX || doc->kind == DocumentKind::ReceiptA ||
                                 doc->kind == DocumentKind::ReceiptB);
    if (!receipt || doc->receiptLines >= kMaxReceiptLines) return refuse(kInvalidInState);
    ++doc->receiptLines;
    printout::freeText(paper_, text(f, 1));
    return {};
}

HasarCommandSet::Answer HasarCommandSet::closeHomologated(const Fields&, qint64) {
    if (!memory_.open || info(memory_.open->kind).documentClass != DocumentClass::Homologated)
        return refuse(kInvalidInState);
    if (memory_.open->kind == DocumentKind::ReceiptX && memory_.open->receiptLines == 0)
        return refuse(kInvalidInState);
    // A credit note paid in part closes as a fiscal document does: once the balance is covered.
    if (balanceDue(*memory_.open)) return refuse(kInvalidInState);
    const OpenDocument doc = *memory_.open;
    const quint32 number = finishDocument(memory_, numbering());
    printout::documentEnd(paper_, memory_, doc);
    return Answer{0, {printout::number8(number).toLatin1()}};
}

HasarCommandSet::Answer HasarCommandSet::openNonFiscal(const Fields&, qint64 nowMs) {
    if (memory_.open) return refuse(kInvalidInState);
    beginDocument(memory_, DocumentKind::NonFiscal);
    printHead(nowMs);
    return {};
}

HasarCommandSet::Answer HasarCommandSet::nonFiscalText(const Fields& f, qint64) {
    if (f.isEmpty()) return refuse(kInvalidField);
    if (!memory_.open || memory_.open->kind != DocumentKind::NonFiscal) return refuse(kInvalidInState);
    printout::freeText(paper_, text(f, 1));
    return {};
}

HasarCommandSet::Answer HasarCommandSet::closeNonFiscal(const Fields&, qint64) {
    if (!memory_.open || memory_.open->kind != DocumentKind::NonFiscal) return refuse(kInvalidInState);
    const OpenDocument doc = *memory_.open;
    finishDocument(memory_, numbering());
    printout::documentEnd(paper_, memory_, doc);
    return {};
}

HasarCommandSet::Answer HasarCommandSet::cancel(const Fields&, qint64) {
    if (!memory_.open || memory_.open->payments > 0) return refuse(kInvalidInState);
    const OpenDocument doc = *memory_.open;
    cancelDocument(memory_, numbering());
    printout::documentCancelled(paper_, memory_, doc);
    return {};
}

void HasarCommandSet::cutPower(qint64 nowMs) {
    if (!memory_.open) return;
    const OpenDocument cut = *memory_.open;
    sim::cutPower(memory_, true);
    printout::powerCut(paper_, memory_, cut, printerTime(memory_, nowMs));
}

}  // namespace sim
