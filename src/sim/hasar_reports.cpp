#include "hasar_command_set.h"
#include "hasar_fields.h"
#include "hasar_status.h"
#include "ledger.h"
#include "printout.h"
#include "z_range.h"

namespace sim {

using namespace hasar;

HasarCommandSet::Answer HasarCommandSet::dailyClose(const Fields& f, qint64 nowMs) {
    if (f.isEmpty() || f[0].size() != 1) return refuse(kInvalidField);
    if (memory_.open) return refuse(kInvalidInState);
    const bool z = f[0] == "Z";
    if (z && (!memory_.moduleOpen || memoryFull(memory_) || blocked_)) return refuse(kMemoryFullOrClosed | kInvalidInState);

    const QDateTime time = printerTime(memory_, nowMs);
    const DayTotals totals = memory_.day;
    if (!z) memory_.lastX = FiscalMemory::nextXNumber(memory_.lastX);
    int number = memory_.lastX;
    if (z && training()) {
        // The Z a training printer prints carries the next number and leaves the fiscal memory as it was.
        number = memory_.lastZ + 1;
        closeTrainingDay(memory_);
    } else if (z) {
        number = closeDay(memory_, time.date()).number;
    }
    printout::dailyReport(paper_, memory_, z ? 'Z' : 'X', number, totals, time, training());

    const LastNumbers& last = memory_.last;
    const auto n8 = [](quint32 n) { return printout::number8(n).toLatin1(); };
    return Answer{0,
                  {printout::number4(number).toLatin1(), QByteArray::number(totals.cancelled),
                   QByteArray::number(totals.homologated), QByteArray::number(totals.nonFiscal),
                   QByteArray::number(totals.fiscal), "0", n8(last.b), n8(last.a), totals.sold.money().toLatin1(),
                   totals.tax.money().toLatin1(), "0.00", "0.00", "0.00", n8(last.creditNoteB), n8(last.creditNoteA),
                   totals.credited.money().toLatin1(), totals.creditedTax.money().toLatin1(), "0.00", "0.00", "0.00",
                   n8(last.deliveryNote)}};
}

HasarCommandSet::Answer HasarCommandSet::globalByDate(const Fields& f, qint64 nowMs) {
    const auto from = date(f.value(0)), to = date(f.value(1));
    return globalReport(f, nowMs, from && to ? zRangeByDate(memory_.zRecords, *from, *to) : std::nullopt);
}

HasarCommandSet::Answer HasarCommandSet::globalByNumber(const Fields& f, qint64 nowMs) {
    const auto from = zNumber(f.value(0), 6), to = zNumber(f.value(1), 6);
    return globalReport(f, nowMs, from && to ? zRangeByNumber(memory_.zRecords, *from, *to) : std::nullopt);
}

HasarCommandSet::Answer HasarCommandSet::globalReport(const Fields& f, qint64 nowMs, const std::optional<ZRange>& range) {
    if (f.size() < 3 || !range || f[2].size() != 1) return refuse(kInvalidField);
    if (memory_.open) return refuse(kInvalidInState);
    printout::globalReport(paper_, memory_, range->heading, range->records, f[2] == "T", printerTime(memory_, nowMs));
    return {};
}

}  // namespace sim
