#include "document_kind.h"

#include <array>

namespace sim {

namespace {

using enum DocumentClass;
using S = Series;

constexpr std::array<DocumentKindInfo, 16> kKinds{{
    {"FACTURA A", "invoice_a", S::A, Fiscal, true},
    {"FACTURA B", "invoice_b", S::B, Fiscal, false},
    {"TIQUE", "ticket", S::B, Fiscal, false},
    {"RECIBO A", "receipt_a", S::A, Fiscal, true},
    {"RECIBO B", "receipt_b", S::B, Fiscal, false},
    {"NOTA DE DEBITO A", "debit_note_a", S::A, Fiscal, true},
    {"NOTA DE DEBITO B", "debit_note_b", S::B, Fiscal, false},
    {"NOTA DE CREDITO A", "credit_note_a", S::CreditNoteA, Homologated, true},
    {"NOTA DE CREDITO B", "credit_note_b", S::CreditNoteB, Homologated, true},
    {"REMITO", "delivery_note", S::DeliveryNote, Homologated, false},
    {"ORDEN DE SALIDA", "exit_order", S::Unnumbered, Homologated, false},
    {"RESUMEN DE CUENTA", "account_summary", S::Unnumbered, Homologated, false},
    {"CARGO A LA HABITACION", "room_charge", S::Unnumbered, Homologated, false},
    {"COTIZACION", "quotation", S::Unnumbered, Homologated, false},
    {"RECIBO X", "receipt_x", S::Unnumbered, Homologated, true},
    {"DOCUMENTO NO FISCAL", "non_fiscal", S::NonFiscal, NonFiscal, false},
}};

}  // namespace

const DocumentKindInfo& info(DocumentKind kind) {
    return kKinds[static_cast<size_t>(kind)];
}

std::optional<DocumentKind> kindFromKey(const QString& key) {
    for (size_t i = 0; i < kKinds.size(); ++i)
        if (key == QLatin1String(kKinds[i].key)) return static_cast<DocumentKind>(i);
    return std::nullopt;
}

}  // namespace sim
