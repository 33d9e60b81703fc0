#pragma once

#include <QString>

// The counters a printer keeps, named the same for both brands; each brand knows where it keeps them.
enum class Series { None, InvoiceA, InvoiceBC, CreditNoteA, CreditNoteBC, NonFiscal, Z };

// Every document a printer issues that the technician is told about, one name each, whichever
// brand issued it and whichever reply named it.
enum class DocumentId {
    InvoiceA,
    InvoiceBC,
    DebitNoteA,
    DebitNoteBC,
    CreditNoteA,
    CreditNoteBC,
    ReceiptA,
    ReceiptBC,
    ReceiptX,
    DeliveryNote,
    Ticket,
    TicketInvoiceA,
    TicketInvoiceBC,
    NonFiscal,
    XReport,
    ZReport,
    GlobalReport,
};

// A document as the verdicts name it: "FACTURA A", "el CIERRE Z", and the counter it moves.
struct Document {
    QString title;
    Series series = Series::None;
    bool withPointOfSale = true;  // the number is shown as point of sale and number
    // The printer may cancel it, using up its number: a moved counter alone does not prove it issued.
    bool cancellable = true;
    // A daily report: nothing stays open for a second send to close.
    bool report = false;

    bool counted() const { return series != Series::None; }

    static Document of(DocumentId id);
    static Document xReport() { return of(DocumentId::XReport); }
    static Document zReport() { return of(DocumentId::ZReport); }
    static Document globalReport() { return of(DocumentId::GlobalReport); }
    // What a printer opened without saying which document: "el comprobante fiscal".
    static Document unnamed(const char* words) { return Document{QString::fromUtf8(words)}; }
    // The same document on a printer that counts it on `series` (an Epson numbers its non-fiscal ones).
    Document countedOn(Series on) const;
};
