#include "epson_reconcile.h"

#include "drivers/link/link.h"
#include "drivers/link/reply_fields.h"
#include "epson_protocol.h"
#include "epson_status.h"

#include <algorithm>
#include <optional>

using issue_outcome::Reading;

namespace {

// The counters status request ("A") and the taxpayer request ("C"), whose fields epson_field names.
const QByteArray kCounters = QByteArrayLiteral("A");
const QByteArray kTaxpayer = QByteArrayLiteral("C");

Document invoice(const QByteArray& type, const QByteArray& letter) {
    const char l = letter.size() == 1 ? letter[0] : '\0';
    for (const epson_document::InvoiceType& t : epson_document::kInvoiceTypes)
        if (type.size() == 1 && type[0] == t.type && (t.letter == l || (t.letter == '*' && l != 'A' && l != '\0')))
            return Document::of(t.id);
    return Document::unnamed("el comprobante fiscal");
}

// What a cancel ended, by the series whose number it used up. The ticket's cancel may also end
// a ticket-invoice, so on the B/C series it does not tell which of the two it was.
struct CancelledKind {
    Series series;
    DocumentId byInvoiceCancel;
    std::optional<DocumentId> byTicketCancel;  // empty: either document of the series
};

constexpr CancelledKind kCancelledKinds[] = {
    {Series::InvoiceA, DocumentId::TicketInvoiceA, DocumentId::TicketInvoiceA},
    {Series::InvoiceBC, DocumentId::TicketInvoiceBC, std::nullopt},
    {Series::CreditNoteA, DocumentId::CreditNoteA, DocumentId::CreditNoteA},
    {Series::CreditNoteBC, DocumentId::CreditNoteBC, DocumentId::CreditNoteBC},
};

const Document kTicket = Document::of(DocumentId::Ticket);
// The Epson numbers its non-fiscal documents.
const Document kNonFiscal = Document::of(DocumentId::NonFiscal).countedOn(Series::NonFiscal);


// The answer's fields when its status words are readable and report no refusal.
std::optional<QList<QByteArray>> answer(Link& link, const QByteArray& letter) {
    const frame::Frame reply = link.exchange(epson_code::kStatus, {letter});
    const std::optional<EpsonStatus> status = readStatus(reply.fields);
    if (reply.command != epson_code::kStatus || !status || refusesStatusRequest(*status)) return std::nullopt;
    return reply.fields;
}

// The last number printed of the series; empty where the answer does not carry it.
std::optional<quint32> lastPrinted(const QList<QByteArray>& fields, Series series) {
    const auto c = std::ranges::find(epson_field::kCounters, series, &epson_field::Counter::series);
    return c == std::end(epson_field::kCounters) ? std::nullopt : reply_field::number(fields, c->printed);
}

}  // namespace

std::optional<Document> EpsonReconciler::opened(const EpsonRequest& request) {
    switch (request.command) {
    case epson_code::kOpenTicket: return kTicket;
    case epson_code::kOpenTicketInvoice: return invoice(request.fields.value(0), request.fields.value(2));
    case epson_code::kOpenNonFiscal: return kNonFiscal;
    default: return std::nullopt;
    }
}

std::optional<Document> EpsonReconciler::closed(const EpsonRequest& request) {
    switch (request.command) {
    case epson_code::kCloseTicket: return kTicket;
    case epson_code::kCloseTicketInvoice: return invoice(request.fields.value(0), request.fields.value(1));
    case epson_code::kCloseNonFiscal: return kNonFiscal;
    case epson_code::kDailyClose:
        return request.fields.value(0) == "Z" ? Document::zReport() : Document::xReport();
    // A report with no number of its own: a lost reply leaves it in doubt, never a plain failure.
    case epson_code::kGlobalByNumber: return Document::globalReport();
    default: return std::nullopt;
    }
}

void EpsonReconciler::run(const EpsonRequest& request, const std::function<void()>& send) {
    // A request that cannot travel is refused before anything, a reading included, is sent.
    Link::check(request.command, request.fields);
    if (const std::optional<Document> document = opened(request)) return engine_.opening(*document, send);
    if (const std::optional<Document> document = closed(request)) return engine_.close(*document, send);
    engine_.inside(send);
}

void EpsonReconciler::read(const Document& document, Reading& into) {
    const std::optional<QList<QByteArray>> fields = answer(link_, kCounters);
    if (!fields) return;
    const EpsonStatus status = *readStatus(*fields);
    into.reached = true;
    into.documentOpen = documentOpen(status);
    into.training = (status.fiscal & epson_bit::kCertified) != 0 && (status.fiscal & epson_bit::kFiscalized) == 0;
    for (const epson_field::Counter& c : epson_field::kCounters) {
        if (c.series != document.series) continue;
        into.counter = reply_field::number(*fields, c.printed);
        const std::optional<quint32> issued = c.issued ? reply_field::number(*fields, c.issued) : std::nullopt;
        if (into.counter && issued) into.lastCancelled = *issued != *into.counter;
    }
}

QString EpsonReconciler::pointOfSale() {
    // Only for the message: without it the number is shown alone.
    try {
        const std::optional<QList<QByteArray>> fields = answer(link_, kTaxpayer);
        const std::optional<quint32> n = fields ? reply_field::number(*fields, epson_field::kPointOfSale) : std::nullopt;
        return n ? QString::number(*n).rightJustified(4, QLatin1Char('0')) : QString();
    } catch (const DriverError&) {
        return {};
    }
}

std::optional<EpsonReconciler::Counters> EpsonReconciler::counters() {
    std::optional<QList<QByteArray>> fields = answer(link_, kCounters);
    if (!fields) return std::nullopt;
    const EpsonStatus status = *readStatus(*fields);
    return Counters{documentOpen(status), onlyNonFiscalOpen(status), std::move(*fields)};
}

LeftOpen EpsonReconciler::cancelled(bool byTicketCancel, const std::optional<Counters>& before,
                                    const std::optional<Counters>& after) {
    LeftOpen found{LeftOpen::End::Cancelled, QStringLiteral("el comprobante fiscal"), {}};
    if (!before || !after) return found;
    for (const CancelledKind& k : kCancelledKinds) {
        const std::optional<quint32> was = lastPrinted(before->fields, k.series);
        const std::optional<quint32> now = lastPrinted(after->fields, k.series);
        if (!was || !now || *was == *now) continue;
        const std::optional<DocumentId> id = byTicketCancel ? k.byTicketCancel : k.byInvoiceCancel;
        found.document = id ? Document::of(*id).title : QStringLiteral("el comprobante B/C");
        found.number = printedNumber(*now, pointOfSale());
        break;
    }
    return found;
}

LeftOpen EpsonReconciler::closedNonFiscal(const std::optional<Counters>& after) {
    LeftOpen found{LeftOpen::End::Closed, kNonFiscal.title, {}};
    if (const std::optional<quint32> n = after ? lastPrinted(after->fields, Series::NonFiscal) : std::nullopt)
        found.number = printedNumber(*n, {});
    return found;
}
