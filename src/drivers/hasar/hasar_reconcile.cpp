#include "hasar_reconcile.h"

#include "drivers/link/link.h"
#include "hasar_commands.h"
#include "hasar_status.h"

using namespace hasar_command;

namespace {

// StatusRequest fields of the last numbers, and HistoryCapacity's field of the last Z. The
// credit-note fields exist on slip models only; elsewhere the answer is simply shorter.
constexpr int kLastBField = 3;
constexpr int kLastAField = 5;
constexpr int kLastCreditNoteBField = 7;
constexpr int kLastCreditNoteAField = 8;
constexpr int kLastZField = 4;
// GetInitData's point of sale.
constexpr int kPointOfSaleField = 7;

struct Titled {
    char type;
    const char* title;
    int field;
};

// What OpenFiscalReceipt's type opens, and the counter its close advances.
constexpr Titled kFiscalTypes[] = {
    {'A', "FACTURA A", kLastAField},         {'a', "RECIBO A", kLastAField},
    {'D', "NOTA DE DÉBITO A", kLastAField},  {'B', "FACTURA B/C", kLastBField},
    {'T', "TIQUE", kLastBField},             {'b', "RECIBO B/C", kLastBField},
    {'E', "NOTA DE DÉBITO B/C", kLastBField},
};

// What OpenDNFH's type opens; the unnumbered ones have no counter to compare.
constexpr Titled kHomologatedTypes[] = {
    {'R', "NOTA DE CRÉDITO A", kLastCreditNoteAField},
    {'S', "NOTA DE CRÉDITO B/C", kLastCreditNoteBField},
    {'r', "REMITO", 0},
    {'x', "RECIBO X", 0},
};

std::optional<quint32> number(const frame::Frame& reply, int field) {
    if (field < 1 || field > reply.fields.size()) return std::nullopt;
    bool ok = false;
    const quint32 value = reply.fields[field - 1].trimmed().toUInt(&ok);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

template <std::size_t N>
const Titled* find(const Titled (&table)[N], const QByteArray& type) {
    for (const Titled& t : table)
        if (type.size() == 1 && type[0] == t.type) return &t;
    return nullptr;
}

}  // namespace

std::optional<HasarReconciler::Target> HasarReconciler::target(quint8 code, const QList<QByteArray>& fields) const {
    using issue_outcome::Document;
    switch (code) {
    case kCloseFiscalReceipt: {
        const Titled* t = openedWith_ == kOpenFiscalReceipt ? find(kFiscalTypes, openedType_) : nullptr;
        if (!t) return Target{Document{QStringLiteral("el comprobante fiscal")}, kStatusRequest, 0};
        return Target{Document{QString::fromUtf8(t->title), true}, kStatusRequest, t->field};
    }
    case kCloseHomologated: {
        const Titled* t = openedWith_ == kOpenHomologated ? find(kHomologatedTypes, openedType_) : nullptr;
        if (!t) return Target{Document{QStringLiteral("el documento no fiscal homologado")}, kStatusRequest, 0};
        return Target{Document{QString::fromUtf8(t->title), t->field != 0}, kStatusRequest, t->field};
    }
    case kCloseNonFiscal: return Target{Document{QStringLiteral("el DOCUMENTO NO FISCAL")}, kStatusRequest, 0};
    case kDailyClose:
        if (fields.value(0) == "Z") return Target{Document{QStringLiteral("el CIERRE Z"), true, false}, kHistoryCapacity, kLastZField};
        return Target{Document{QStringLiteral("el INFORME X")}, 0, 0};
    default: break;
    }
    return std::nullopt;
}

frame::Frame HasarReconciler::exchange(int comPort, quint8 code, const QList<QByteArray>& fields) {
    if (code == kOpenFiscalReceipt || code == kOpenHomologated) {
        openedWith_ = code;
        openedType_ = fields.value(0);
    }
    const std::optional<Target> t = target(code, fields);
    // A command that cannot travel is refused by the link before anything, the counter query included, is sent.
    if (!t || !frame::fieldProblem(frame::make(frame::kSeqFirst, code, fields)).isEmpty())
        return link_.exchange(code, fields);
    // Whatever happens to the close, the document it names is no longer the one to name later.
    if (code != kDailyClose) openedWith_ = 0;

    // Read before the command leaves: a failure here has issued nothing and stays a plain error.
    std::optional<quint32> before;
    if (t->document.counted) before = number(link_.exchange(t->query), t->field);
    try {
        return link_.exchange(code, fields);
    } catch (const DriverError& failure) {
        if (!issue_outcome::leavesDoubt(failure)) throw;
        const issue_outcome::Reading after = askAgain(comPort, *t);
        // A document still open proves the close never took effect: sending it again issues
        // the document once, as the operation meant to.
        if (after.reached && after.documentOpen && code != kDailyClose) {
            try {
                return link_.exchange(code, fields);
            } catch (const DriverError& again) {
                if (!issue_outcome::leavesDoubt(again)) throw;
                const issue_outcome::Reading last = askAgain(comPort, *t);
                link_.close();
                throw issue_outcome::decide(t->document, before, last, again);
            }
        }
        link_.close();
        throw issue_outcome::decide(t->document, before, after, failure);
    }
}

issue_outcome::Reading HasarReconciler::askAgain(int comPort, const Target& t) {
    issue_outcome::Reading reading;
    try {
        link_.open(comPort);
        const frame::Frame status = link_.exchange(kStatusRequest);
        reading.documentOpen = documentOpen(readStatus(kStatusRequest, status));
        if (t.document.counted)
            reading.counter = number(t.query == kStatusRequest ? status : link_.exchange(t.query), t.field);
        reading.reached = true;
        if (reading.counter && t.document.withPointOfSale) reading.pointOfSale = pointOfSale();
    } catch (const DriverError&) {
        // Whatever was learnt before the printer went quiet again still counts.
    }
    return reading;
}

QString HasarReconciler::pointOfSale() {
    // Only for the message: a model that refuses the query shows the number alone.
    try {
        const frame::Frame reply = link_.exchange(kGetInitData);
        if (statusError(kGetInitData, readStatus(kGetInitData, reply))) return {};
        const std::optional<quint32> n = number(reply, kPointOfSaleField);
        return n ? QString::number(*n).rightJustified(4, QLatin1Char('0')) : QString();
    } catch (const DriverError&) {
        return {};
    }
}
