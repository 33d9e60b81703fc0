#include "reports.h"

#include "app/controls_lock.h"
#include "app/conversions.h"
#include "app/clock.h"
#include "app/error_path.h"
#include "app/frm_orbelo.h"
#include "app/printer_selection.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_printer.h"
#include "maintenance/cancel_document.h"
#include "drivers/hasar_answer.h"

#include <QLineEdit>

namespace {


double reportCount(FrmOrbelo& w) { return conv::leadingNumber(w.txtCant->text()); }

}  // namespace

void printDailyReports(FrmOrbelo& w, DailyReport kind) {
    runOperation(w, [&] {
        SetControlsEnabled(w, false);
        if (epsonSelected(w)) {
            configureEpson(w);
            cancelLeftOpen(w);
            const QString letter = kind == DailyReport::X ? QStringLiteral("X") : QStringLiteral("Z");
            conv::forEachCount(reportCount(w), [&](qint64) { w.epson().DailyReport(letter, QStringLiteral("P")); });
        } else {
            beginHasarSession(w, WriteModel::Yes);
            cancelLeftOpen(w);
            conv::forEachCount(reportCount(w), [&](qint64) {
                if (kind == DailyReport::X)
                    w.hasar().PrintXReport();
                else
                    w.hasar().PrintZReport();
            });
            w.hasar().Finalizar();
        }
        SetControlsEnabled(w, true);
    });
}

void printGlobalReport(FrmOrbelo& w) {
    runOperation(w, [&] {
        SetControlsEnabled(w, false);
        if (epsonSelected(w)) {
            configureEpson(w);
            w.epson().GlobalReport(QStringLiteral("T"), QStringLiteral("N"), QStringLiteral("1"), QStringLiteral("2"));
        } else {
            beginHasarSession(w, WriteModel::Yes);
            cancelLeftOpen(w);
            w.hasar().QueryDailyStatus();
            if (w.hasar().Respuesta(0).size() < hasar_answer::kUsableAnswerLength) {
                w.hasar().GlobalReportByDate(QDate(1997, 1, 1), w.clock().now().date(), true);
            } else {
                w.hasar().GlobalReportByNumber(1, conv::toInt32(w.hasar().Respuesta(hasar_answer::kZCapacity)), true);
            }
            w.hasar().Finalizar();
        }
        SetControlsEnabled(w, true);
    });
}
