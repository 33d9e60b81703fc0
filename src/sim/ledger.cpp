#include "ledger.h"

#include <algorithm>

namespace sim {

bool FiscalMemory::operator==(const FiscalMemory& o) const {
    return initialised == o.initialised && moduleOpen == o.moduleOpen && identity == o.identity &&
           zCapacity == o.zCapacity && lastZ == o.lastZ && lastX == o.lastX && zRecords == o.zRecords &&
           last == o.last && day == o.day && customer == o.customer && embark[0] == o.embark[0] &&
           embark[1] == o.embark[1] && std::equal(std::begin(fantasyName), std::end(fantasyName), std::begin(o.fantasyName)) &&
           std::equal(std::begin(headerTrailer), std::end(headerTrailer), std::begin(o.headerTrailer)) &&
           configuration == o.configuration && open == o.open && lastCancelled == o.lastCancelled && rightAfterZ == o.rightAfterZ && zDue == o.zDue && clockOffsetMs == o.clockOffsetMs && logo == o.logo &&
           drawerOpenings == o.drawerOpenings && cuts == o.cuts;
}

quint32* numberSlot(FiscalMemory& memory, Series series) {
    switch (series) {
    case Series::A: return &memory.last.a;
    case Series::B: return &memory.last.b;
    case Series::CreditNoteA: return &memory.last.creditNoteA;
    case Series::CreditNoteB: return &memory.last.creditNoteB;
    case Series::DeliveryNote: return &memory.last.deliveryNote;
    case Series::NonFiscal: return &memory.last.nonFiscal;
    case Series::Unnumbered: break;
    }
    return nullptr;
}

quint32 lastNumber(const FiscalMemory& memory, Series series) {
    const quint32* slot = numberSlot(const_cast<FiscalMemory&>(memory), series);
    return slot ? *slot : 0;
}

OpenDocument& beginDocument(FiscalMemory& memory, DocumentKind kind) {
    OpenDocument doc;
    doc.kind = kind;
    const Series series = info(kind).series;
    // Numbers wrap after eight digits, as the printed field does.
    if (series != Series::Unnumbered) doc.number = lastNumber(memory, series) % 99'999'999 + 1;
    memory.open = doc;
    return *memory.open;
}

namespace {

void endDocument(FiscalMemory& memory, Numbering numbering) {
    quint32* slot = numberSlot(memory, info(memory.open->kind).series);
    if (slot && numbering == Numbering::UseUp) *slot = memory.open->number;
    const DocumentKind kind = memory.open->kind;
    memory.open.reset();
    // Customer and associated-document data belong to the next document that names a buyer; a
    // ticket names none, so they stay for the invoice that may follow it.
    if (info(kind).documentClass == DocumentClass::NonFiscal || kind == DocumentKind::Ticket) return;
    memory.customer.reset();
    for (QString& line : memory.embark) line.clear();
}

}  // namespace

quint32 finishDocument(FiscalMemory& memory, Numbering numbering) {
    const OpenDocument doc = *memory.open;
    const DocumentKindInfo& kind = info(doc.kind);
    switch (kind.documentClass) {
    case DocumentClass::Fiscal:
        FiscalMemory::countUp(memory.day.fiscal);
        memory.day.sold = add(memory.day.sold, doc.total).value_or(memory.day.sold);
        memory.day.tax = add(memory.day.tax, doc.tax).value_or(memory.day.tax);
        break;
    case DocumentClass::Homologated:
        FiscalMemory::countUp(memory.day.homologated);
        if (kind.series == Series::CreditNoteA || kind.series == Series::CreditNoteB) {
            memory.day.credited = add(memory.day.credited, doc.total).value_or(memory.day.credited);
            memory.day.creditedTax = add(memory.day.creditedTax, doc.tax).value_or(memory.day.creditedTax);
        }
        break;
    case DocumentClass::NonFiscal: FiscalMemory::countUp(memory.day.nonFiscal); break;
    }
    if (numbering == Numbering::UseUp) {
        if (kind.series == Series::A) memory.last.issuedA = doc.number;
        if (kind.series == Series::B) memory.last.issuedB = doc.number;
    }
    memory.lastCancelled = false;
    endDocument(memory, numbering);
    return doc.number;
}

void cancelDocument(FiscalMemory& memory, Numbering numbering) {
    if (info(memory.open->kind).documentClass == DocumentClass::NonFiscal)
        FiscalMemory::countUp(memory.day.nonFiscal);
    else
        FiscalMemory::countUp(memory.day.cancelled);
    memory.lastCancelled = true;
    endDocument(memory, numbering);
}

void cutPower(FiscalMemory& memory, bool restore) {
    if (!memory.open) return;
    const OpenDocument cut = *memory.open;
    // What the restored document prints in its head again.
    const std::optional<Customer> customer = memory.customer;
    const QString embark[FiscalMemory::kEmbarkLines] = {memory.embark[0], memory.embark[1]};
    cancelDocument(memory);
    if (!restore) return;
    memory.customer = customer;
    for (int i = 0; i < FiscalMemory::kEmbarkLines; ++i) memory.embark[i] = embark[i];
    const quint32 number = beginDocument(memory, cut.kind).number;
    *memory.open = cut;
    memory.open->number = number;
}

bool dayHasDocuments(const FiscalMemory& memory) {
    const DayTotals& d = memory.day;
    return d.cancelled + d.homologated + d.nonFiscal + d.fiscal > 0 || memory.open.has_value();
}

bool memoryFull(const FiscalMemory& memory) {
    return memory.lastZ >= memory.zCapacity;
}

const ZRecord& closeDay(FiscalMemory& memory, QDate date) {
    ++memory.lastZ;
    memory.zRecords.append(ZRecord{memory.lastZ, date, memory.day});
    memory.day = {};
    return memory.zRecords.last();
}

void closeTrainingDay(FiscalMemory& memory) { memory.day = {}; }

QDateTime printerTime(const FiscalMemory& memory, qint64 nowMs) {
    return QDateTime::fromMSecsSinceEpoch(nowMs + memory.clockOffsetMs, Qt::UTC);
}

}  // namespace sim
