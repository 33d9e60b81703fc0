#pragma once

#include "fiscal_memory.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace sim {

// The daily closes a global report covers, and the range its heading names.
struct ZRange {
    QList<ZRecord> records;
    QString heading;
};

// A Z number of one to maxDigits decimal digits; none for anything else.
std::optional<int> zNumber(QByteArrayView field, int maxDigits);

// The closes dated from..to, both included; none when the range runs backwards.
std::optional<ZRange> zRangeByDate(const QList<ZRecord>& all, QDate from, QDate to);
// The closes numbered from..to; numbers past the last Z cover the records that exist.
std::optional<ZRange> zRangeByNumber(const QList<ZRecord>& all, int from, int to);

}  // namespace sim
