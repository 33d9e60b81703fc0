#include "hasar_status_fields.h"

#include <algorithm>

using issue_outcome::Document;
using issue_outcome::Series;

namespace hasar_status_field {

namespace {

// The last numbers, and the document status: two hex digits for the open document's kind, then
// two more whose second is 1 when the last document was cancelled.
constexpr int kLastBField = 3;
constexpr int kLastAField = 5;
constexpr int kDocumentStatusField = 6;
constexpr int kLastCreditNoteBField = 7;
constexpr int kLastCreditNoteAField = 8;

struct OpenKind {
    const char* code;
    const char* title;
    Series series;
};

constexpr OpenKind kOpenKinds[] = {
    {"01", "FACTURA A", Series::InvoiceA},
    {"02", "FACTURA B", Series::InvoiceBC},
    {"03", "FACTURA C", Series::InvoiceBC},
    {"04", "NOTA DE DÉBITO A", Series::InvoiceA},
    {"05", "NOTA DE DÉBITO B", Series::InvoiceBC},
    {"06", "NOTA DE DÉBITO C", Series::InvoiceBC},
    {"0A", "TIQUE", Series::InvoiceBC},
    {"20", "el DOCUMENTO NO FISCAL", Series::None},
    {"40", "NOTA DE CRÉDITO A", Series::CreditNoteA},
    {"41", "NOTA DE CRÉDITO B", Series::CreditNoteBC},
    {"42", "NOTA DE CRÉDITO C", Series::CreditNoteBC},
};

int lastNumberField(Series series) {
    switch (series) {
    case Series::InvoiceA: return kLastAField;
    case Series::InvoiceBC: return kLastBField;
    case Series::CreditNoteA: return kLastCreditNoteAField;
    case Series::CreditNoteBC: return kLastCreditNoteBField;
    default: return 0;
    }
}

}  // namespace

std::optional<quint32> number(const frame::Frame& reply, int field) {
    if (field < 1 || field > reply.fields.size()) return std::nullopt;
    bool ok = false;
    const quint32 value = reply.fields[field - 1].trimmed().toUInt(&ok);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

std::optional<quint32> lastNumber(const frame::Frame& status, Series series) {
    return number(status, lastNumberField(series));
}

std::optional<bool> lastCancelled(const frame::Frame& status) {
    const QByteArray field = status.fields.value(kDocumentStatusField - 1);
    if (field.size() < 4) return std::nullopt;
    return field[3] == '1';
}

std::optional<Document> openDocument(const frame::Frame& status) {
    const QByteArray code = status.fields.value(kDocumentStatusField - 1).left(2).toUpper();
    const auto kind = std::ranges::find_if(kOpenKinds, [&](const OpenKind& k) { return code == k.code; });
    if (kind == std::end(kOpenKinds)) return std::nullopt;
    return Document{QString::fromUtf8(kind->title), kind->series};
}

}  // namespace hasar_status_field
