#include "epson_command_set.h"
#include "epson_fields.h"
#include "hasar_fields.h"
#include "ledger.h"
#include "printout.h"
#include "z_range.h"

#include "epson_words.h"

namespace sim {

using namespace epson_bit;
using epson::counterField;
using epson::impliedField;

namespace {

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
    if (z) memory_.zDue = false;
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
    const auto from = hasar::date(f.value(0)), to = hasar::date(f.value(1));
    return globalReport(f, nowMs, from && to ? zRangeByDate(memory_.zRecords, *from, *to) : std::nullopt);
}

EpsonCommandSet::Answer EpsonCommandSet::globalByNumber(const Fields& f, qint64 nowMs) {
    const auto from = zNumber(f.value(0), 5), to = zNumber(f.value(1), 5);
    return globalReport(f, nowMs, from && to ? zRangeByNumber(memory_.zRecords, *from, *to) : std::nullopt);
}

EpsonCommandSet::Answer EpsonCommandSet::globalReport(const Fields& f, qint64 nowMs, const std::optional<ZRange>& range) {
    if (f.size() < 3 || !range) return refuse(kInvalidField);
    const auto summary = totalsOnly(f);
    if (!summary) return refuse(kInvalidField);
    if (memory_.open) return refuse(kInvalidState);
    printout::globalReport(paper_, memory_, range->heading, range->records, *summary, printerTime(memory_, nowMs));
    return {};
}

}  // namespace sim
