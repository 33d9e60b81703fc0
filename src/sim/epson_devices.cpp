#include "epson_command_set.h"
#include "hasar_fields.h"
#include "ledger.h"
#include "printout.h"

#include "epson_words.h"

namespace sim {

using namespace epson_bit;

namespace {

// Lines to feed: one or two digits, 1 to 99.
std::optional<int> feedLines(const QList<QByteArray>& f) {
    if (f.isEmpty() || f[0].isEmpty() || f[0].size() > 2) return std::nullopt;
    int n = 0;
    for (char c : f[0]) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n > 0 ? std::optional<int>(n) : std::nullopt;
}

}  // namespace

EpsonCommandSet::Answer EpsonCommandSet::openDrawer(const Fields& f, qint64) {
    if (f.size() > 1) return refuse(kInvalidField);
    FiscalMemory::countUp(memory_.drawerOpenings);
    printout::drawerOpened(paper_);
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::cutPaper(const Fields&, qint64) {
    // A fiscal document must stay in one piece; a non-fiscal one may be cut.
    if (memory_.open && memory_.open->kind != DocumentKind::NonFiscal) return refuse(kInvalidState);
    FiscalMemory::countUp(memory_.cuts);
    printout::paperCut(paper_);
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::feedRoll(const Fields& f, qint64) {
    const auto lines = feedLines(f);
    if (!lines) return refuse(kInvalidField);
    for (int i = 0; i < *lines; ++i) paper_.print(QString());
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::feedElsewhere(const Fields& f, qint64) {
    // The journal and the slip are not part of the paper file: the feed is checked and done.
    if (!feedLines(f)) return refuse(kInvalidField);
    return {};
}

EpsonCommandSet::Answer EpsonCommandSet::setDateTime(const Fields& f, qint64 nowMs) {
    if (f.size() < 2) return refuse(kInvalidField);
    const auto d = hasar::date(f[0]);
    const auto t = hasar::time(f[1]);
    if (!d || !t) return refuse(kInvalidField);
    // The day's documents carry the old date: the clock moves only on a fresh day, after a Z.
    if (dayHasDocuments(memory_)) return refuse(kInvalidState);
    const QDateTime before = printerTime(memory_, nowMs);
    memory_.clockOffsetMs = QDateTime(*d, *t, Qt::UTC).toMSecsSinceEpoch() - nowMs;
    printout::dateChanged(paper_, memory_, before, printerTime(memory_, nowMs));
    return {};
}

}  // namespace sim
