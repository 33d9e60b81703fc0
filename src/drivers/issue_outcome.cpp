#include "issue_outcome.h"

#include "error_numbers.h"
#include "left_open.h"

namespace issue_outcome {

namespace {

// What the printer's record says happened, each with its number and text: %1 the document, %2
// its number, %3 the cause in a few words, %4 why it cannot be told.
// Unknown is told where TRAER INFORMACIÓN shows the document's number; UnknownOnPaper where only
// the paper can tell (no number kept or told, training mode, a cancel not marked).
enum class Verdict { Issued, OpenWithPayment, OpenUnpaid, Cancelled, NotRegistered, Unknown, UnknownOnPaper };

struct VerdictText {
    Verdict verdict;
    error_number::Number number;
    const char* text;
};

constexpr VerdictText kTexts[] = {
    {Verdict::Issued, error_number::kIssuedReplyLost,
     "Se emitió %1 Nº %2, pero su respuesta se perdió (%3). No lo repita."},
    {Verdict::OpenWithPayment, error_number::kOpenWithPayment,
     "%1 sigue abierto con su pago y ya no puede cancelarse (%3). Termínelo con CANCELAR COMPROBANTE: lo cierra y "
     "queda emitido con su número."},
    {Verdict::OpenUnpaid, error_number::kNotIssued,
     "No se emitió %1: sigue abierto en el impresor (%3). Puede repetirlo: primero se cancela el abierto."},
    {Verdict::Cancelled, error_number::kCancelledByPrinter,
     "No se emitió %1: el impresor lo canceló y usó el Nº %2 (%3). Puede repetirlo."},
    {Verdict::NotRegistered, error_number::kNotIssued,
     "No se emitió %1: el impresor no lo registró (%3). Puede repetirlo."},
    {Verdict::Unknown, error_number::kIssueUnknown,
     "No se sabe si se emitió %1: %4 (%3). Verifique el último número con TRAER INFORMACIÓN antes de repetirlo."},
    {Verdict::UnknownOnPaper, error_number::kIssueUnknown,
     "No se sabe si se emitió %1: %4 (%3). Mire en el papel del impresor si salió antes de repetirlo."},
};

QString numberText(const Document& document, quint32 number, const QString& pointOfSale) {
    return document.withPointOfSale ? printedNumber(number, pointOfSale) : QString::number(number);
}

DriverError verdictError(Verdict verdict, const Document& document, const Reading& after, const DriverError& cause,
                 const QString& why = {}) {
    for (const VerdictText& t : kTexts) {
        if (t.verdict != verdict) continue;
        const QString number = after.counter ? numberText(document, *after.counter, after.pointOfSale) : QString();
        // Replaced by name: a text may leave out a marker that arg() would then shift onto the next.
        QString text = QString::fromUtf8(t.text);
        text.replace(QLatin1String("%1"), document.title)
            .replace(QLatin1String("%2"), number)
            .replace(QLatin1String("%3"), causeInWords(cause))
            .replace(QLatin1String("%4"), why);
        return DriverError(t.number, text);
    }
    return DriverError(error_number::kInternal, QStringLiteral("Veredicto sin texto"));
}

// The printer's evidence that the document it numbered was cancelled: its mark, or its count
// of cancelled documents having moved. Empty when it keeps neither.
std::optional<bool> cancelled(const Reading& before, const Reading& after) {
    if (after.lastCancelled) return *after.lastCancelled;
    if (before.cancelledCount && after.cancelledCount) return *after.cancelledCount != *before.cancelledCount;
    return std::nullopt;
}

}  // namespace

bool leavesDoubt(const DriverError& error) { return error_number::classOf(error.number()) == error_number::Class::Doubt; }

bool isRefusal(const DriverError& error) { return error_number::classOf(error.number()) == error_number::Class::Refusal; }

QString causeInWords(const DriverError& cause) {
    const error_number::Row* row = error_number::rowOf(cause.number());
    return QString::fromUtf8(row && row->cause ? row->cause : "falla del enlace");
}

DriverError decide(const Document& document, const Reading& before, const Reading& after, const DriverError& cause) {
    // A number the printer told before the close, TRAER INFORMACIÓN shows as well.
    if (!after.reached)
        return verdictError(before.counter ? Verdict::Unknown : Verdict::UnknownOnPaper, document, after, cause,
                            QStringLiteral("el impresor no respondió al consultarlo"));
    // A document still open was not issued, whatever its counter says; paid, it can only be closed.
    if (after.documentOpen) return verdictError(after.paid ? Verdict::OpenWithPayment : Verdict::OpenUnpaid, document, after, cause);
    if (!document.counted() || !before.counter || !after.counter)
        return verdictError(Verdict::UnknownOnPaper, document, after, cause, QStringLiteral("el impresor no informa su número"));
    if (*after.counter == *before.counter) {
        if (after.training)
            return verdictError(Verdict::UnknownOnPaper, document, after, cause,
                        QStringLiteral("en modo entrenamiento el impresor no avanza sus números"));
        return verdictError(Verdict::NotRegistered, document, after, cause);
    }
    if (!document.cancellable) return verdictError(Verdict::Issued, document, after, cause);
    const std::optional<bool> wasCancelled = cancelled(before, after);
    if (!wasCancelled)
        return verdictError(Verdict::UnknownOnPaper, document, after, cause,
                    QStringLiteral("su número avanzó, pero el impresor no informa si lo canceló"));
    return verdictError(*wasCancelled ? Verdict::Cancelled : Verdict::Issued, document, after, cause);
}

}  // namespace issue_outcome
