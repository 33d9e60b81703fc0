#include "document_catalogue.h"

#include <algorithm>

namespace {

struct Entry {
    DocumentId id;
    const char* title;
    Series series;
    bool withPointOfSale;
    bool cancellable;
    bool report;
};

// The series that A and the B/C letters share per kind is what the counters can tell apart, so a
// B and a C are one name: the printer numbers them on one counter.
constexpr Entry kCatalogue[] = {
    {DocumentId::InvoiceA, "FACTURA A", Series::InvoiceA, true, true, false},
    {DocumentId::InvoiceBC, "FACTURA B/C", Series::InvoiceBC, true, true, false},
    {DocumentId::DebitNoteA, "NOTA DE DÉBITO A", Series::InvoiceA, true, true, false},
    {DocumentId::DebitNoteBC, "NOTA DE DÉBITO B/C", Series::InvoiceBC, true, true, false},
    {DocumentId::CreditNoteA, "NOTA DE CRÉDITO A", Series::CreditNoteA, true, true, false},
    {DocumentId::CreditNoteBC, "NOTA DE CRÉDITO B/C", Series::CreditNoteBC, true, true, false},
    {DocumentId::ReceiptA, "RECIBO A", Series::InvoiceA, true, true, false},
    {DocumentId::ReceiptBC, "RECIBO B/C", Series::InvoiceBC, true, true, false},
    {DocumentId::ReceiptX, "RECIBO X", Series::None, true, true, false},
    {DocumentId::DeliveryNote, "REMITO", Series::None, true, true, false},
    {DocumentId::Ticket, "TIQUE", Series::InvoiceBC, true, true, false},
    {DocumentId::TicketInvoiceA, "TIQUE FACTURA A", Series::InvoiceA, true, true, false},
    {DocumentId::TicketInvoiceBC, "TIQUE FACTURA B/C", Series::InvoiceBC, true, true, false},
    {DocumentId::NonFiscal, "el DOCUMENTO NO FISCAL", Series::None, true, true, false},
    // A Z has a number of its own, shown bare, and no cancel; X and the global report have neither.
    {DocumentId::XReport, "el INFORME X", Series::None, true, true, true},
    {DocumentId::ZReport, "el CIERRE Z", Series::Z, false, false, true},
    {DocumentId::GlobalReport, "el INFORME GLOBAL", Series::None, true, true, true},
};

}  // namespace

Document Document::of(DocumentId id) {
    const Entry& e = *std::ranges::find(kCatalogue, id, &Entry::id);
    return Document{QString::fromUtf8(e.title), e.series, e.withPointOfSale, e.cancellable, e.report};
}

Document Document::countedOn(Series on) const {
    Document d = *this;
    d.series = on;
    return d;
}
