#include "issued_so_far.h"

#include "drivers/error_numbers.h"
#include "drivers/operation_error.h"

namespace {

// The errors after which a technician does not repeat the document in course: it was issued,
// may have been, or is still open to be finished.
bool inCourseSettled(int number) {
    return number == error_number::kIssuedReplyLost || number == error_number::kIssueUnknown ||
           number == error_number::kOpenWithPayment;
}

}  // namespace

QString IssuedSoFar::named(qint64 from, qint64 to) const {
    const qint64 m = each_.size();
    if (to - from == 1) return Document::of(each_[from % m]).title;
    // Counted by whole rounds and the part rounds at either end, so a count of millions costs no more.
    QList<DocumentId> order;
    for (qint64 p = from; p < qMin(to, from + m); ++p)
        if (!order.contains(each_[p % m])) order << each_[p % m];
    QStringList parts;
    for (DocumentId id : order) {
        qint64 n = 0;
        for (qint64 i = 0; i < m; ++i) {
            if (each_[i] != id) continue;
            // Positions p in [from, to) with p % m == i.
            const qint64 first = from + ((i - from % m) + m) % m;
            if (first < to) n += (to - 1 - first) / m + 1;
        }
        const QString title = Document::of(id).title;
        parts << (n == 1 ? title : QStringLiteral("%1: %2").arg(title).arg(n));
    }
    return QStringLiteral("%1 comprobantes (%2)").arg(to - from).arg(parts.join(QStringLiteral(", ")));
}

QString IssuedSoFar::words(qint64 closed, int number) const {
    const qint64 total = each_.isEmpty() ? 0 : times_ * each_.size();
    closed = qMin(closed, total);
    QStringList out;
    if (closed > 0)
        out << QStringLiteral("Antes del error esta operación ya emitió %1: si la repite, %2 otra vez.")
                   .arg(named(0, closed), closed == 1 ? QStringLiteral("se emite") : QStringLiteral("se emiten"));
    if (inCourseSettled(number) && closed + 1 < total)
        out << QStringLiteral("No llegó a emitir lo que seguía: %1.").arg(named(closed + 1, total));
    return out.join(QLatin1Char(' '));
}

void IssuedSoFar::run(const std::function<void()>& documents) {
    try {
        documents();
    } catch (OperationError& e) {
        e.addWords(words(closed_, e.number()));
        throw;
    }
}
