#include "epson_reconcile.h"

#include "drivers/link/link.h"
#include "epson_codes.h"
#include "epson_status.h"
#include "epson_status_bits.h"

#include <algorithm>

using issue_outcome::Document;
using issue_outcome::Reading;
using issue_outcome::Series;

namespace {

// The counters status request ("A"), in answer fields (1 and 2 are the status words); the
// taxpayer request ("C") has the point of sale.
const QByteArray kCounters = QByteArrayLiteral("A");
const QByteArray kTaxpayer = QByteArrayLiteral("C");
constexpr int kPointOfSaleField = 4;

// Where a series' number is kept: the last one printed and, where the printer keeps it apart,
// the last one fully issued. A cancelled document is printed but never issued.
struct Counter {
    Series series;
    int printed;
    int issued;  // 0 when the printer keeps no such count
};

constexpr Counter kCounterFields[] = {
    {Series::Z, 3, 0},           {Series::InvoiceBC, 5, 4},     {Series::InvoiceA, 7, 6},
    {Series::NonFiscal, 8, 0},   {Series::CreditNoteA, 11, 0},  {Series::CreditNoteBC, 12, 0},
};

// Each document type and letter of the invoice requests (0x60 opens, 0x65 closes), what it issues.
struct Titled {
    char type;
    char letter;  // '*' for any letter but A
    const char* title;
    Series series;
};

constexpr Titled kInvoiceTypes[] = {
    {'T', 'A', "TIQUE FACTURA A", Series::InvoiceA},       {'T', '*', "TIQUE FACTURA B/C", Series::InvoiceBC},
    {'F', 'A', "FACTURA A", Series::InvoiceA},             {'F', '*', "FACTURA B/C", Series::InvoiceBC},
    {'D', 'A', "NOTA DE DÉBITO A", Series::InvoiceA},      {'D', '*', "NOTA DE DÉBITO B/C", Series::InvoiceBC},
    {'M', 'A', "NOTA DE CRÉDITO A", Series::CreditNoteA},  {'M', '*', "NOTA DE CRÉDITO B/C", Series::CreditNoteBC},
    {'N', 'A', "NOTA DE CRÉDITO A", Series::CreditNoteA},  {'N', '*', "NOTA DE CRÉDITO B/C", Series::CreditNoteBC},
};

Document invoice(const QByteArray& type, const QByteArray& letter) {
    const char l = letter.size() == 1 ? letter[0] : '\0';
    for (const Titled& t : kInvoiceTypes)
        if (type.size() == 1 && type[0] == t.type && (t.letter == l || (t.letter == '*' && l != 'A' && l != '\0')))
            return Document{QString::fromUtf8(t.title), t.series};
    return Document{QStringLiteral("el comprobante fiscal")};
}

// What a cancel ended, by the series whose number it used up. The ticket's cancel may also end
// a ticket-invoice, so on the B/C series it does not tell which of the two it was.
struct CancelledKind {
    Series series;
    const char* byInvoiceCancel;
    const char* byTicketCancel;
};

constexpr CancelledKind kCancelledKinds[] = {
    {Series::InvoiceA, "TIQUE FACTURA A", "TIQUE FACTURA A"},
    {Series::InvoiceBC, "TIQUE FACTURA B/C", "el comprobante B/C"},
    {Series::CreditNoteA, "NOTA DE CRÉDITO A", "NOTA DE CRÉDITO A"},
    {Series::CreditNoteBC, "NOTA DE CRÉDITO B/C", "NOTA DE CRÉDITO B/C"},
};

const Document kTicket{QStringLiteral("TIQUE"), Series::InvoiceBC};
const Document kNonFiscal{QStringLiteral("el DOCUMENTO NO FISCAL"), Series::NonFiscal};

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

// The last number printed of the series; empty where the answer does not carry it.
std::optional<quint32> lastPrinted(const QList<QByteArray>& fields, Series series) {
    const auto c = std::ranges::find(kCounterFields, series, &Counter::series);
    return c == std::end(kCounterFields) ? std::nullopt : number(fields, c->printed);
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
        if (request.fields.value(0) == "Z") return Document{QStringLiteral("el CIERRE Z"), Series::Z, false, false, true};
        return Document{QStringLiteral("el INFORME X"), Series::None, true, true, true};
    // A report with no number of its own: a lost reply leaves it in doubt, never a plain failure.
    case epson_code::kGlobalByNumber: return Document{QStringLiteral("el INFORME GLOBAL"), Series::None, true, true, true};
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
    for (const Counter& c : kCounterFields) {
        if (c.series != document.series) continue;
        into.counter = number(*fields, c.printed);
        const std::optional<quint32> issued = c.issued ? number(*fields, c.issued) : std::nullopt;
        if (into.counter && issued) into.lastCancelled = *issued != *into.counter;
    }
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
        found.document = QString::fromUtf8(byTicketCancel ? k.byTicketCancel : k.byInvoiceCancel);
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
