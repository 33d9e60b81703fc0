#include "z_range.h"

#include "printout.h"

namespace sim {

std::optional<int> zNumber(QByteArrayView field, int maxDigits) {
    if (field.isEmpty() || field.size() > maxDigits) return std::nullopt;
    int n = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

namespace {

// The closes whose key lies in from..to, under this heading; none when the range runs backwards.
template <typename Bound, typename Key>
std::optional<ZRange> within(const QList<ZRecord>& all, Bound from, Bound to, Key key, QString heading) {
    if (from > to) return std::nullopt;
    ZRange range{{}, std::move(heading)};
    for (const ZRecord& r : all)
        if (key(r) >= from && key(r) <= to) range.records.append(r);
    return range;
}

}  // namespace

std::optional<ZRange> zRangeByDate(const QList<ZRecord>& all, QDate from, QDate to) {
    const QString format = QStringLiteral("dd/MM/yy");
    return within(all, from, to, [](const ZRecord& r) { return r.date; },
                  QStringLiteral("POR FECHA %1-%2").arg(from.toString(format), to.toString(format)));
}

std::optional<ZRange> zRangeByNumber(const QList<ZRecord>& all, int from, int to) {
    return within(all, from, to, [](const ZRecord& r) { return r.number; },
                  QStringLiteral("POR NUMERO Z %1-%2").arg(printout::number4(from), printout::number4(to)));
}

}  // namespace sim
