#include "hasar_status_fields.h"

#include "drivers/link/reply_fields.h"
#include "hasar_protocol.h"

#include <algorithm>

namespace hasar_status_field {

namespace {

int lastNumberField(Series series) {
    switch (series) {
    case Series::InvoiceA: return hasar_answer::kLastInvoiceA;
    case Series::InvoiceBC: return hasar_answer::kLastInvoiceBC;
    case Series::CreditNoteA: return hasar_answer::kLastCreditNoteA;
    case Series::CreditNoteBC: return hasar_answer::kLastCreditNoteBC;
    default: return 0;
    }
}

}  // namespace

std::optional<quint32> lastNumber(const frame::Frame& status, Series series) {
    return reply_field::number(status.fields, lastNumberField(series));
}

std::optional<bool> lastCancelled(const frame::Frame& status) {
    const QByteArray field = status.fields.value(hasar_answer::kDocumentStatus - 1);
    if (field.size() < 4) return std::nullopt;
    return field[3] == '1';
}

std::optional<Document> openDocument(const frame::Frame& status) {
    const QByteArray code = status.fields.value(hasar_answer::kDocumentStatus - 1).left(2).toUpper();
    const auto& codes = hasar_document::kCodes;
    const auto row = std::ranges::find_if(codes, [&](const hasar_document::Code& c) { return *c.statusKind && code == c.statusKind; });
    if (row == codes.end()) return std::nullopt;
    return Document::of(row->id);
}

}  // namespace hasar_status_field
