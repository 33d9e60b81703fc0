#include "hasar_reconcile.h"

#include "drivers/link/link.h"
#include "hasar_choices.h"
#include "hasar_commands.h"
#include "hasar_status.h"
#include "hasar_status_fields.h"

#include <algorithm>

using namespace hasar_command;
using issue_outcome::Document;
using issue_outcome::Reading;
using issue_outcome::Series;
using hasar_status_field::number;

namespace {

// HistoryCapacity's last Z, GetWorkingMemory's cancelled documents of the day, GetInitData's point of sale.
constexpr int kLastZField = 4;
constexpr int kCancelledField = 3;
constexpr int kPointOfSaleField = 7;

// Each opening command and type, the document its close issues.
struct Closing {
    quint8 opening;
    char type;
    const char* title;
    Series series;
};

constexpr Closing kClosings[] = {
    {kOpenFiscalReceipt, 'A', "FACTURA A", Series::InvoiceA},
    {kOpenFiscalReceipt, 'a', "RECIBO A", Series::InvoiceA},
    {kOpenFiscalReceipt, 'D', "NOTA DE DÉBITO A", Series::InvoiceA},
    {kOpenFiscalReceipt, 'B', "FACTURA B/C", Series::InvoiceBC},
    {kOpenFiscalReceipt, 'T', "TIQUE", Series::InvoiceBC},
    {kOpenFiscalReceipt, 'b', "RECIBO B/C", Series::InvoiceBC},
    {kOpenFiscalReceipt, 'E', "NOTA DE DÉBITO B/C", Series::InvoiceBC},
    {kOpenHomologated, 'R', "NOTA DE CRÉDITO A", Series::CreditNoteA},
    {kOpenHomologated, 'S', "NOTA DE CRÉDITO B/C", Series::CreditNoteBC},
    {kOpenHomologated, 'r', "REMITO", Series::None},
    {kOpenHomologated, 'x', "RECIBO X", Series::None},
};

// The closing command of each opening, and what it issues when the type is none of the table's.
struct Kind {
    quint8 opening;
    quint8 close;
    const char* untitled;
};

constexpr Kind kKinds[] = {
    {kOpenFiscalReceipt, kCloseFiscalReceipt, "el comprobante fiscal"},
    {kOpenHomologated, kCloseHomologated, "el documento no fiscal homologado"},
    {kOpenNonFiscal, kCloseNonFiscal, "el DOCUMENTO NO FISCAL"},
};

const Kind* kindOpenedBy(quint8 code) {
    const auto k = std::ranges::find(kKinds, code, &Kind::opening);
    return k == std::end(kKinds) ? nullptr : &*k;
}

const Kind* kindClosedBy(quint8 code) {
    const auto k = std::ranges::find(kKinds, code, &Kind::close);
    return k == std::end(kKinds) ? nullptr : &*k;
}

Document documentOf(quint8 opening, const QByteArray& type) {
    for (const Closing& c : kClosings)
        if (c.opening == opening && type.size() == 1 && type[0] == c.type)
            return Document{QString::fromUtf8(c.title), c.series};
    const Kind* kind = kindOpenedBy(opening);
    return Document{QString::fromUtf8(kind ? kind->untitled : "el comprobante")};
}

}  // namespace

std::optional<Document> HasarReconciler::closing(quint8 code, const QList<QByteArray>& fields) const {
    if (code == kDailyClose) {
        if (fields.value(0) == "Z") return Document{QStringLiteral("el CIERRE Z"), Series::Z, false, false, true};
        return Document{QStringLiteral("el INFORME X"), Series::None, true, true, true};
    }
    // A report with no number of its own: a lost reply leaves it in doubt, never a plain failure.
    if (code == kDailyCloseByDate || code == kDailyCloseByNumber)
        return Document{QStringLiteral("el INFORME GLOBAL"), Series::None, true, true, true};
    const Kind* kind = kindClosedBy(code);
    if (!kind) return std::nullopt;
    if (openedWith_ != kind->opening) return Document{QString::fromUtf8(kind->untitled)};
    return documentOf(openedWith_, openedType_);
}

frame::Frame HasarReconciler::exchange(quint8 code, const QList<QByteArray>& fields) {
    // A command that cannot travel is refused before anything, a reading included, is sent.
    Link::check(code, fields);
    if (kindOpenedBy(code)) {
        openedWith_ = code;
        openedType_ = fields.value(0);
        frame::Frame reply;
        engine_.opening(documentOf(code, openedType_), [&] { reply = send_(code, fields, IfUnknown::Fail); });
        return reply;
    }
    const std::optional<Document> document = closing(code, fields);
    if (!document) {
        frame::Frame reply;
        engine_.inside([&] { reply = send_(code, fields, IfUnknown::Fail); });
        return reply;
    }
    // Whatever happens to the close, the document it names is no longer the one to name later.
    if (!document->report) openedWith_ = 0;
    return close(*document, code, fields);
}

frame::Frame HasarReconciler::closeLeftOpen(quint8 code) {
    const std::optional<Document> document = closing(code, {});
    openedWith_ = 0;
    return close(document.value_or(Document{QStringLiteral("el comprobante abierto")}), code, {});
}

frame::Frame HasarReconciler::close(const Document& document, quint8 code, const QList<QByteArray>& fields) {
    frame::Frame reply;
    engine_.close(document, [&] {
        reply = send_(code, fields, IfUnknown::Fail);
        if (auto error = statusError(code, readStatus(code, reply))) throw *error;
    });
    return reply;
}

void HasarReconciler::read(const Document& document, Reading& into) {
    const frame::Frame status = send_(kStatusRequest, {}, IfUnknown::Answer);
    const HasarStatus words = readStatus(kStatusRequest, status);
    into.reached = true;
    into.documentOpen = documentOpen(words);
    if (const auto aux = readAuxiliary(status.fields.value(hasar_choice::kAuxiliaryField - 1), slip_)) {
        // A partial payment can still be paid back and cancelled; only a full one forces the close.
        into.paid = hasar_choice::openState(aux->state, slip_) == hasar_choice::OpenState::FullyPaid;
        into.training = trainingMode(*aux);
    }
    into.lastCancelled = hasar_status_field::lastCancelled(status);

    if (document.series == Series::Z) {
        into.counter = number(send_(kHistoryCapacity, {}, IfUnknown::Answer), kLastZField);
        return;
    }
    into.counter = hasar_status_field::lastNumber(status, document.series);
    // Without the document status, the day's count of cancelled documents tells a cancel apart.
    if (document.counted() && document.cancellable && !into.lastCancelled) {
        const frame::Frame day = send_(kGetWorkingMemory, {}, IfUnknown::Answer);
        if (!statusError(kGetWorkingMemory, readStatus(kGetWorkingMemory, day))) into.cancelledCount = number(day, kCancelledField);
    }
}

QString HasarReconciler::pointOfSale() {
    // Only for the message: a model that refuses the query shows the number alone.
    try {
        const frame::Frame reply = send_(kGetInitData, {}, IfUnknown::Answer);
        if (statusError(kGetInitData, readStatus(kGetInitData, reply))) return {};
        const std::optional<quint32> n = number(reply, kPointOfSaleField);
        return n ? QString::number(*n).rightJustified(4, QLatin1Char('0')) : QString();
    } catch (const DriverError&) {
        return {};
    }
}
