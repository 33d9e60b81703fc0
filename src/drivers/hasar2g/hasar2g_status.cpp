#include "hasar2g_status.h"

#include "hasar2g_protocol.h"

namespace hasar2g_status {

namespace {

template <typename Table>
QStringList wordsOf(const QStringList& set, const Table& table, hasar2g::FlagKind kind) {
    QStringList out;
    for (const hasar2g::Flag& f : table)
        if (f.kind == kind && set.contains(QLatin1String(f.name))) out << QString::fromUtf8(f.words);
    return out;
}

}  // namespace

bool mechanismFault(const hasar2g_answer::Answer& a) {
    return !wordsOf(a.printerFlags, hasar2g::kPrinterFlags, hasar2g::FlagKind::Fault).isEmpty();
}

bool failed(const hasar2g_answer::Answer& a) {
    return mechanismFault(a) || !wordsOf(a.fiscalFlags, hasar2g::kFiscalFlags, hasar2g::FlagKind::Refusal).isEmpty();
}

QStringList failureWords(const hasar2g_answer::Answer& a) {
    return wordsOf(a.fiscalFlags, hasar2g::kFiscalFlags, hasar2g::FlagKind::Refusal) +
           wordsOf(a.printerFlags, hasar2g::kPrinterFlags, hasar2g::FlagKind::Fault);
}

QStringList conditions(const hasar2g_answer::Answer& a) {
    return wordsOf(a.fiscalFlags, hasar2g::kFiscalFlags, hasar2g::FlagKind::Condition) +
           wordsOf(a.printerFlags, hasar2g::kPrinterFlags, hasar2g::FlagKind::Condition);
}

int documentInCourse(const hasar2g_answer::Answer& status) {
    const auto code = number(status.field("ComprobanteEnCurso"));
    return code && *code <= 9999 ? static_cast<int>(*code) : 0;
}

bool withPayments(const hasar2g_answer::Answer& status) { return status.field("EstadoInterno") == QLatin1String("PagoEnCurso"); }

std::optional<quint32> number(const QString& text) {
    if (text.isEmpty() || text.size() > 9) return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    return text.toUInt();
}

}  // namespace hasar2g_status
