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

std::optional<ZRange> zRangeByDate(const QList<ZRecord>& all, QDate from, QDate to) {
    if (from > to) return std::nullopt;
    ZRange range;
    for (const ZRecord& r : all)
        if (r.date >= from && r.date <= to) range.records.append(r);
    range.heading = QStringLiteral("POR FECHA %1-%2")
                        .arg(from.toString(QStringLiteral("dd/MM/yy")), to.toString(QStringLiteral("dd/MM/yy")));
    return range;
}

std::optional<ZRange> zRangeByNumber(const QList<ZRecord>& all, int from, int to) {
    if (from > to) return std::nullopt;
    ZRange range;
    for (const ZRecord& r : all)
        if (r.number >= from && r.number <= to) range.records.append(r);
    range.heading = QStringLiteral("POR NUMERO Z %1-%2").arg(printout::number4(from), printout::number4(to));
    return range;
}

}  // namespace sim
