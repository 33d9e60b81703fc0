#include "left_open.h"

namespace {

// %1 the document with its number. Found by an operation, the cause is said, and whether
// that earlier operation may be repeated.
struct NoticeText {
    LeftOpen::End end;
    LeftOpenFoundBy foundBy;
    const char* text;
};

constexpr NoticeText kTexts[] = {
    {LeftOpen::End::Cancelled, LeftOpenFoundBy::Operation,
     "Se canceló %1, que había quedado sin terminar de una operación anterior. Si aún hace falta, repita esa "
     "operación."},
    {LeftOpen::End::Closed, LeftOpenFoundBy::Operation,
     "Se cerró %1, que había quedado sin terminar de una operación anterior."},
    {LeftOpen::End::IssuedPaid, LeftOpenFoundBy::Operation,
     "Se emitió %1, que había quedado sin terminar de una operación anterior: ya tenía un pago y no podía "
     "cancelarse, así que se cerró. No repita esa operación."},
    {LeftOpen::End::IssuedUncancellable, LeftOpenFoundBy::Operation,
     "Se emitió %1, que había quedado sin terminar de una operación anterior: este modelo no puede cancelarlo, así "
     "que se cerró. No repita esa operación."},
    {LeftOpen::End::Cancelled, LeftOpenFoundBy::CancelButton, "Se canceló %1."},
    {LeftOpen::End::Closed, LeftOpenFoundBy::CancelButton, "Se cerró %1."},
    {LeftOpen::End::IssuedPaid, LeftOpenFoundBy::CancelButton,
     "Se emitió %1: ya tenía un pago y no podía cancelarse, así que se cerró."},
    {LeftOpen::End::IssuedUncancellable, LeftOpenFoundBy::CancelButton,
     "Se emitió %1: este modelo no puede cancelarlo, así que se cerró."},
};

}  // namespace

QString leftOpenNotice(const LeftOpen& found, LeftOpenFoundBy foundBy) {
    const QString document =
        found.number.isEmpty() ? found.document : found.document + QStringLiteral(" Nº ") + found.number;
    for (const NoticeText& t : kTexts)
        if (t.end == found.end && t.foundBy == foundBy) return QString::fromUtf8(t.text).replace(QLatin1String("%1"), document);
    return {};
}

QString printedNumber(quint32 number, const QString& pointOfSale) {
    const QString digits = QString::number(number).rightJustified(8, QLatin1Char('0'));
    return pointOfSale.isEmpty() ? digits : pointOfSale + QLatin1Char('-') + digits;
}
