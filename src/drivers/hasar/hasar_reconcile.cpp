#include "hasar_reconcile.h"

#include "drivers/link/link.h"
#include "drivers/link/reply_fields.h"
#include "hasar_choices.h"
#include "hasar_protocol.h"
#include "hasar_status.h"
#include "hasar_status_fields.h"

#include <algorithm>

using namespace hasar_command;
using issue_outcome::Reading;

namespace {

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
    const char t = type.size() == 1 ? type[0] : '\0';
    for (const hasar_document::Code& c : hasar_document::kCodes)
        if (c.opening == opening && c.type == t) return Document::of(c.id);
    const Kind* kind = kindOpenedBy(opening);
    return Document::unnamed(kind ? kind->untitled : "el comprobante");
}

}  // namespace

std::optional<Document> HasarReconciler::closing(quint8 code, const QList<QByteArray>& fields) const {
    if (code == kDailyClose) {
        return fields.value(0) == "Z" ? Document::zReport() : Document::xReport();
    }
    // A report with no number of its own: a lost reply leaves it in doubt, never a plain failure.
    if (code == kDailyCloseByDate || code == kDailyCloseByNumber)
        return Document::globalReport();
    const Kind* kind = kindClosedBy(code);
    if (!kind) return std::nullopt;
    if (openedWith_ != kind->opening) return Document::unnamed(kind->untitled);
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
    return close(document.value_or(Document::unnamed("el comprobante abierto")), code, {});
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
    if (const auto aux = readAuxiliary(status.fields.value(hasar_answer::kAuxiliary - 1), slip_)) {
        // A partial payment can still be paid back and cancelled; only a full one forces the close.
        into.paid = hasar_choice::openState(aux->state, slip_) == hasar_choice::OpenState::FullyPaid;
        into.training = trainingMode(*aux);
    }
    into.lastCancelled = hasar_status_field::lastCancelled(status);

    if (document.series == Series::Z) {
        into.counter = reply_field::number(send_(kHistoryCapacity, {}, IfUnknown::Answer).fields, hasar_answer::kLastZ);
        return;
    }
    into.counter = hasar_status_field::lastNumber(status, document.series);
    // Without the document status, the day's count of cancelled documents tells a cancel apart.
    if (document.counted() && document.cancellable && !into.lastCancelled) {
        const frame::Frame day = send_(kGetWorkingMemory, {}, IfUnknown::Answer);
        if (!statusError(kGetWorkingMemory, readStatus(kGetWorkingMemory, day))) into.cancelledCount = reply_field::number(day.fields, hasar_answer::kCancelledToday);
    }
}

QString HasarReconciler::pointOfSale() {
    // Only for the message: a model that refuses the query shows the number alone.
    try {
        const frame::Frame reply = send_(kGetInitData, {}, IfUnknown::Answer);
        if (statusError(kGetInitData, readStatus(kGetInitData, reply))) return {};
        const std::optional<quint32> n = reply_field::number(reply.fields, hasar_answer::kPointOfSale);
        return n ? QString::number(*n).rightJustified(4, QLatin1Char('0')) : QString();
    } catch (const DriverError&) {
        return {};
    }
}
