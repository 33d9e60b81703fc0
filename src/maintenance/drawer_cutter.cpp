#include "drawer_cutter.h"

#include "app/chosen_printer.h"
#include "app/controls_lock.h"
#include "app/conversions.h"
#include "app/error_path.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_printer.h"

void testDrawer(FrmOrbelo& w) {
    runOperation(w, [&] {
        if (epsonSelected(w)) {
            configureEpson(w);
            w.epson().OpenDrawer(QStringLiteral("1"));
            return;
        }
        SetControlsEnabled(w, false);
        beginHasarSession(w, WriteModel::Yes);
        w.hasar().OpenDrawer();
        w.hasar().Finalizar();
        SetControlsEnabled(w, true);
    });
}

void testCutter(FrmOrbelo& w) {
    onChosenPrinter(
        w, WriteModel::Yes,
        [&] {
            // Cancels a ticket that may have been left open, so the cuts are not refused.
            cancelLeftOpen(w);
            conv::forEachCount(howMany(w), [&](qint64) {
                w.epson().FeedPaper(QStringLiteral("A"), QStringLiteral("20"));
                w.epson().CutPaper();
            });
        },
        [&] {
            w.hasar().OpenNonFiscalDocument();
            conv::forEachCount(howMany(w), [&](qint64) {
                w.hasar().PrintNonFiscalText(QStringLiteral("Prueba de Cuchilla"));
                w.hasar().CutPaper();
            });
            // Ends its own non-fiscal document, which has no closing call here: nothing to tell.
            w.hasar().CancelAll();
        });
}
