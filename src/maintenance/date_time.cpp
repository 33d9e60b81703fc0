#include "date_time.h"

#include "app/chosen_printer.h"
#include "app/clock.h"
#include "app/conversions.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "app/prompts.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_printer.h"
#include "drivers/hasar_answer.h"

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

void changeEpsonDateTime(FrmOrbelo& w) {
    cancelLeftOpen(w);
    PrinterClock now = readPrinterClock(w.clock());
    w.epson().SetDateTime(QStringLiteral("S"), now.date, now.time);
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
