#include "reports.h"

#include "app/chosen_printer.h"
#include "app/clock.h"
#include "app/conversions.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_printer.h"
#include "drivers/hasar_answer.h"

void printDailyReports(FrmOrbelo& w, DailyReport kind) {
    onChosenPrinter(
        w, WriteModel::Yes,
        [&] {
            cancelLeftOpen(w);
            const QString letter = kind == DailyReport::X ? QStringLiteral("X") : QStringLiteral("Z");
            conv::forEachCount(howMany(w), [&](qint64) { w.epson().DailyReport(letter, QStringLiteral("P")); });
        },
        [&] {
            cancelLeftOpen(w);
            conv::forEachCount(howMany(w), [&](qint64) {
                if (kind == DailyReport::X)
                    w.hasar().PrintXReport();
                else
                    w.hasar().PrintZReport();
            });
        });
}

void printGlobalReport(FrmOrbelo& w) {
    onChosenPrinter(
        w, WriteModel::Yes,
        [&] { w.epson().GlobalReport(QStringLiteral("T"), QStringLiteral("N"), QStringLiteral("1"), QStringLiteral("2")); },
        [&] {
            cancelLeftOpen(w);
            w.hasar().QueryDailyStatus();
            if (w.hasar().Respuesta(0).size() < hasar_answer::kUsableAnswerLength) {
                w.hasar().GlobalReportByDate(QDate(1997, 1, 1), w.clock().now().date(), true);
            } else {
                w.hasar().GlobalReportByNumber(1, conv::toInt32(w.hasar().Respuesta(hasar_answer::kZCapacity)), true);
            }
        });
}
