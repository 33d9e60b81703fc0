#include "date_time.h"

#include "app/chosen_printer.h"
#include "app/clock.h"
#include "app/conversions.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "app/prompts.h"
#include "drivers/epson_printer.h"
#include "drivers/error_numbers.h"
#include "drivers/hasar_answer.h"
#include "drivers/hasar_printer.h"
#include "drivers/issue_outcome.h"
#include "drivers/operation_error.h"

#include <exception>

namespace {

constexpr char kFieldSeparator = 0x1C;

// Date and time as the printers take them, YYMMDD and HHMMSS. Both come from one reading of
// the clock, so a press at midnight cannot pair the old day with the new time.
struct PrinterClock {
    QString date;
    QString time;
};

PrinterClock readPrinterClock(const Clock& clock) {
    const QDateTime now = clock.now();
    return {now.date().toString(QStringLiteral("yyMMdd")), now.time().toString(QStringLiteral("HHmmss"))};
}

// How far the printer's clock may be from the computer's and still show the time just set: the
// link's resends after a lost reply take some seconds.
constexpr qint64 kSameClockSecs = 10;

// After a clock change whose reply was lost, the printer's clock says whether another is needed.
// The change or not, it is told in the failure's own number class: not made (repeat it), or made
// or not needed, which the paper tells apart (the printer prints each change it makes).
[[noreturn]] void settleLostClockReply(FrmOrbelo& w, const std::exception_ptr& lost) {
    QString date, time;
    try {
        w.epson().SetDateTime(QStringLiteral("G"), date, time);
    } catch (const DriverError&) {
        // Unread, the clock settles nothing: the first failure, with its port advice, stands.
        std::rethrow_exception(lost);
    }
    const QDateTime shown(QDate::fromString(date, QStringLiteral("yyMMdd")).addYears(100),
                          QTime::fromString(time, QStringLiteral("HHmmss")));
    const QString shownText = shown.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    if (shown.isValid() && qAbs(shown.secsTo(w.clock().now())) <= kSameClockSecs)
        throw DriverError(error_number::kIssueUnknown,
                          QStringLiteral("Se perdió la respuesta del impresor al cambio de fecha y hora, pero su reloj ya "
                                         "muestra %1: no hace falta repetirlo. Si imprimió el CAMBIO DE FECHA Y HORA, "
                                         "el cambio quedó registrado.")
                              .arg(shownText));
    throw DriverError(error_number::kNotIssued,
                      QStringLiteral("Se perdió la respuesta del impresor y su reloj muestra %1: la fecha y hora no "
                                     "cambiaron. Puede repetir el cambio.")
                          .arg(shown.isValid() ? shownText : QStringLiteral("una hora que no se lee")));
}

void changeEpsonDateTime(FrmOrbelo& w) {
    cancelLeftOpen(w);
    PrinterClock now = readPrinterClock(w.clock());
    try {
        w.epson().SetDateTime(QStringLiteral("S"), now.date, now.time);
    } catch (const DriverError& e) {
        if (!issue_outcome::leavesDoubt(e)) throw;
        settleLostClockReply(w, std::current_exception());
    }
}

// False, after telling the technician why, when the printer cannot take a new date now.
bool hasarAcceptsDateChange(FrmOrbelo& w) {
    w.hasar().QueryDayActivity();
    if (w.hasar().Respuesta(0).size() < hasar_answer::kUsableAnswerLength) {
        w.prompts().message(Prompts::kExclamation, QStringLiteral("No se puede ejecutar este comando"));
        return false;
    }
    // Documents cancelled, non-fiscal and fiscal since the last Z; all three are converted
    // before any is judged, so a malformed answer always reaches the error path.
    const double cancelled = conv::toDouble(w.hasar().Respuesta(hasar_answer::kCancelledToday));
    const double nonFiscal = conv::toDouble(w.hasar().Respuesta(hasar_answer::kNonFiscalToday));
    const double fiscal = conv::toDouble(w.hasar().Respuesta(hasar_answer::kFiscalToday));
    if (cancelled != 0 || nonFiscal != 0 || fiscal != 0) {
        w.prompts().message(Prompts::kExclamation, QStringLiteral("Debe sacar zeta para poder cambiar la FECHA y HORA"));
        return false;
    }
    return true;
}

void changeHasarDateTime(FrmOrbelo& w) {
    if (hasarAcceptsDateChange(w)) {
        const PrinterClock now = readPrinterClock(w.clock());
        w.hasar().SendCommand(QByteArray("X") + kFieldSeparator + now.date.toLatin1() + kFieldSeparator +
                              now.time.toLatin1());
    }
}

}  // namespace

void changeDateTime(FrmOrbelo& w) {
    onChosenPrinter(w, WriteModel::No, [&] { changeEpsonDateTime(w); }, [&] { changeHasarDateTime(w); });
}
