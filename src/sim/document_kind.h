#pragma once

#include <QString>
#include <optional>

namespace sim {

// The documents a fiscal printer issues. Both brands map their own codes onto these.
enum class DocumentKind {
    InvoiceA,
    InvoiceB,
    Ticket,
    ReceiptA,
    ReceiptB,
    DebitNoteA,
    DebitNoteB,
    CreditNoteA,
    CreditNoteB,
    DeliveryNote,
    ExitOrder,
    AccountSummary,
    RoomCharge,
    Quotation,
    ReceiptX,
    NonFiscal,
};

// Each kind draws its number from one of these counters, or from none.
enum class Series { A, B, CreditNoteA, CreditNoteB, DeliveryNote, NonFiscal, Unnumbered };

// How a document counts in the day's totals.
enum class DocumentClass { Fiscal, Homologated, NonFiscal };

struct DocumentKindInfo {
    const char* title;  // as printed: "FACTURA A"
    const char* key;    // in the state file: "invoice_a"
    Series series;
    DocumentClass documentClass;
    bool needsCustomer;  // refused unless customer data came first
};

const DocumentKindInfo& info(DocumentKind kind);
std::optional<DocumentKind> kindFromKey(const QString& key);

}  // namespace sim
