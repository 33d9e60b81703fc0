#include "epson_reconcile.h"

#include "drivers/link/link.h"
#include "epson_codes.h"
#include "epson_status.h"
#include "epson_status_bits.h"

namespace {

// The counters status request ("A") and its fields; the taxpayer request ("C") has the point of sale.
const QByteArray kCounters = QByteArrayLiteral("A");
constexpr int kLastZField = 3;
constexpr int kLastBField = 4;
constexpr int kLastAField = 6;
constexpr int kLastNonFiscalField = 8;
const QByteArray kTaxpayer = QByteArrayLiteral("C");
constexpr int kPointOfSaleField = 4;

std::optional<quint32> number(const QList<QByteArray>& fields, int field) {
    if (field < 1 || field > fields.size()) return std::nullopt;
    bool ok = false;
    const quint32 value = fields[field - 1].trimmed().toUInt(&ok);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

// The answer's fields when its status words are readable and report no refusal.
std::optional<QList<QByteArray>> answer(Link& link, const QByteArray& letter) {
    const frame::Frame reply = link.exchange(epson_code::kStatus, {letter});
    const std::optional<EpsonStatus> status = readStatus(reply.fields);
    if (reply.command != epson_code::kStatus || !status || refusesStatusRequest(*status)) return std::nullopt;
    return reply.fields;
}

}  // namespace

std::optional<EpsonReconciler::Target> EpsonReconciler::target(const EpsonRequest& request) {
    using issue_outcome::Document;
    switch (request.command) {
    case epson_code::kCloseTicket: return Target{Document{QStringLiteral("TIQUE"), true}, kLastBField};
    case epson_code::kCloseTicketInvoice:
        if (request.fields.value(1) == "A") return Target{Document{QStringLiteral("TIQUE FACTURA A"), true}, kLastAField};
        return Target{Document{QStringLiteral("TIQUE FACTURA B/C"), true}, kLastBField};
    case epson_code::kCloseNonFiscal:
        return Target{Document{QStringLiteral("el DOCUMENTO NO FISCAL"), true}, kLastNonFiscalField};
    case epson_code::kDailyClose:
        if (request.fields.value(0) == "Z") return Target{Document{QStringLiteral("el CIERRE Z"), true, false}, kLastZField};
        return Target{Document{QStringLiteral("el INFORME X")}, 0};
    default: return std::nullopt;
    }
}

void EpsonReconciler::run(qint16 port, const EpsonRequest& request, const std::function<void()>& send) {
    const std::optional<Target> t = target(request);
    // A request that cannot travel is refused by `send` before the port, or the counter query, is touched.
    if (!t || !frame::fieldProblem(frame::make(frame::kSeqFirst, request.command, request.fields)).isEmpty())
        return send();
    // Read before the request leaves: a failure here has issued nothing and stays a plain error.
    const std::optional<quint32> before = t->document.counted ? counter(port, t->field) : std::nullopt;
    try {
        send();
    } catch (const DriverError& failure) {
        if (!issue_outcome::leavesDoubt(failure)) throw;
        const issue_outcome::Reading after = askAgain(port, *t);
        // A document still open proves the close never took effect: sending it again issues
        // the document once, as the operation meant to.
        if (after.reached && after.documentOpen && request.command != epson_code::kDailyClose) {
            try {
                return send();
            } catch (const DriverError& again) {
                if (!issue_outcome::leavesDoubt(again)) throw;
                const issue_outcome::Reading last = askAgain(port, *t);
                link_.close();
                throw issue_outcome::decide(t->document, before, last, again);
            }
        }
        // The next request starts from a fresh synchronisation, as after any link failure.
        link_.close();
        throw issue_outcome::decide(t->document, before, after, failure);
    }
}

std::optional<quint32> EpsonReconciler::counter(qint16 port, int field) {
    if (!link_.isOpen()) link_.open(port);
    const std::optional<QList<QByteArray>> fields = answer(link_, kCounters);
    return fields ? number(*fields, field) : std::nullopt;
}

issue_outcome::Reading EpsonReconciler::askAgain(qint16 port, const Target& t) {
    issue_outcome::Reading reading;
    try {
        link_.open(port);
        if (const std::optional<QList<QByteArray>> fields = answer(link_, kCounters)) {
            const EpsonStatus status = *readStatus(*fields);
            reading.documentOpen =
                (status.fiscal & (epson_bit::kFiscalDocumentOpen | epson_bit::kRollDocumentOpen)) != 0;
            reading.counter = number(*fields, t.field);
            reading.reached = true;
            if (reading.counter && t.document.withPointOfSale) reading.pointOfSale = pointOfSale();
        }
    } catch (const DriverError&) {
        // Whatever was learnt before the printer went quiet again still counts.
    }
    return reading;
}

QString EpsonReconciler::pointOfSale() {
    // Only for the message: without it the number is shown alone.
    try {
        const std::optional<QList<QByteArray>> fields = answer(link_, kTaxpayer);
        const std::optional<quint32> n = fields ? number(*fields, kPointOfSaleField) : std::nullopt;
        return n ? QString::number(*n).rightJustified(4, QLatin1Char('0')) : QString();
    } catch (const DriverError&) {
        return {};
    }
}
