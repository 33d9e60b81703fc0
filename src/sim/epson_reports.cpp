#include "epson_command_set.h"
#include "epson_fields.h"
#include "hasar_fields.h"
#include "ledger.h"
#include "printout.h"

#include "epson_words.h"

namespace sim {

using namespace epson_bit;
using epson::counterField;
using epson::impliedField;

namespace {

std::optional<int> zNumber(QByteArrayView field) {
    if (field.isEmpty() || field.size() > 5) return std::nullopt;
    int n = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// Report types: T/D summary or per-day as a non-fiscal document, t/d the same as an audit report.
std::optional<bool> totalsOnly(const QList<QByteArray>& f) {
    const auto type = hasar::letter(f, 3, "TDtd");
    if (!type) return std::nullopt;
    return *type == 'T' || *type == 't';
}

}  // namespace

EpsonCommandSet::Answer EpsonCommandSet::dailyClose(const Fields& f, qint64 nowMs) {
    const auto kind = hasar::letter(f, 1, "XZ");
    if (!kind) return refuse(kInvalidField);
    if (memory_.open) return refuse(kInvalidState);
    const bool z = *kind == 'Z';
    if (z && !memory_.initialised) return refuse(kInvalidState);
    if (z && (!memory_.moduleOpen || memoryFull(memory_))) return refuse(kFiscalMemoryFull | kInvalidState);

    const QDateTime time = printerTime(memory_, nowMs);
    const DayTotals totals = memory_.day;
    if (!z) memory_.lastX = FiscalMemory::nextXNumber(memory_.lastX);
    const int number = z ? closeDay(memory_, time.date()).number : memory_.lastX;
    printout::dailyReport(paper_, memory_, *kind, number, totals, time);

    // The day's totals are not split by letter: every fiscal document counts as B/C here.
    const LastNumbers& last = memory_.last;
    return Answer{0,
                  {counterField(number, 5), counterField(totals.cancelled, 5), counterField(totals.homologated, 5),
                   counterField(totals.nonFiscal, 5), counterField(totals.fiscal, 5), counterField(0, 5),
                   counterField(last.b, 8), impliedField(totals.sold, 14), impliedField(totals.tax, 14),
                   impliedField({}, 14), counterField(last.a, 8), counterField(last.creditNoteA, 8),
                   counterField(last.creditNoteB, 8), counterField(last.deliveryNote, 8),
                   impliedField(totals.credited, 14), impliedField(totals.creditedTax, 14), impliedField({}, 14)}};
}

EpsonCommandSet::Answer EpsonCommandSet::globalByDate(const Fields& f, qint64 nowMs) {
    if (f.size() < 3) return refuse(kInvalidField);
    const auto from = hasar::date(f[0]), to = hasar::date(f[1]);
    const auto summary = totalsOnly(f);
    if (!from || !to || *from > *to || !summary) return refuse(kInvalidField);
    if (memory_.open) return refuse(kInvalidState);
    QList<ZRecord> chosen;
    for (const ZRecord& r : memory_.zRecords)
        if (r.date >= *from && r.date <= *to) chosen.append(r);
    const QString range = QStringLiteral("POR FECHA %1-%2")
                              .arg(from->toString(QStringLiteral("dd/MM/yy")), to->toString(QStringLiteral("dd/MM/yy")));
    printout::globalReport(paper_, range, chosen, *summary, printerTime(memory_, nowMs));
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::globalByNumber(const Fields& f, qint64 nowMs) {
    if (f.size() < 3) return refuse(kInvalidField);
    const auto from = zNumber(f[0]), to = zNumber(f[1]);
    const auto summary = totalsOnly(f);
    if (!from || !to || *from > *to || !summary) return refuse(kInvalidField);
    if (memory_.open) return refuse(kInvalidState);
    // A range past the last Z covers the records that exist.
    QList<ZRecord> chosen;
    for (const ZRecord& r : memory_.zRecords)
        if (r.number >= *from && r.number <= *to) chosen.append(r);
    const QString range = QStringLiteral("POR NUMERO Z %1-%2").arg(printout::number4(*from), printout::number4(*to));
    printout::globalReport(paper_, range, chosen, *summary, printerTime(memory_, nowMs));
    return {};
}

}  // namespace sim
