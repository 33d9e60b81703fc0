#include "status_bits.h"

#include "drivers/link/link_trace.h"
#include "drivers/link/reply_fields.h"

namespace {

QStringList bitWords(quint16 word, StatusTable table) {
    return link_trace::bitMeanings(word, [table](int bit) { return bitText(table, bit); });
}

}  // namespace

bool bitIs(const StatusBit& bit, BitKind kind, quint8 command) {
    if (bit.errorOn == command) return kind == BitKind::Error;
    return bit.kind == kind;
}

QStringList bitTexts(quint16 word, StatusTable table, BitKind kind, quint8 command) {
    QStringList out;
    for (const StatusBit& b : table)
        if ((word & b.mask) && bitIs(b, kind, command)) out << QString::fromUtf8(b.text);
    return out;
}

const char* bitText(StatusTable table, int bit) {
    for (const StatusBit& b : table)
        if (b.mask == (1u << bit)) return b.text;
    return nullptr;
}

QStringList conditionNotices(quint16 word, StatusTable table) {
    QStringList out;
    for (const StatusBit& b : table)
        if ((word & b.mask) && b.kind == BitKind::Condition) out << QString::fromUtf8(b.notice ? b.notice : b.text);
    return out;
}

QStringList blockingConditions(quint16 word, StatusTable table) {
    QStringList out;
    for (const StatusBit& b : table)
        if ((word & b.mask) && b.kind == BitKind::Condition && b.cure)
            out << QStringLiteral("%1: %2").arg(QString::fromUtf8(b.text), QString::fromUtf8(b.cure));
    return out;
}

QString statusInWords(const QList<QByteArray>& fields, StatusTable printer, StatusTable fiscal) {
    const auto s = reply_field::statusWords(fields);
    if (!s) return {};
    return link_trace::statusWords(s->printer, bitWords(s->printer, printer), s->fiscal, bitWords(s->fiscal, fiscal));
}

QStringList replyConditions(const QList<QByteArray>& fields, StatusTable printer, StatusTable fiscal) {
    const auto s = reply_field::statusWords(fields);
    if (!s) return {};
    return conditionNotices(s->printer, printer) + conditionNotices(s->fiscal, fiscal);
}
