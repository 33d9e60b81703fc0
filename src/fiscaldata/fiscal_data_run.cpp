#include "fiscal_data_run.h"

#include "app/controls_lock.h"
#include "app/error_path.h"
#include "app/frm_orbelo.h"
#include "app/printer_selection.h"
#include "drivers/hasar_printer.h"

void onChosenPrinter(FrmOrbelo& w, const std::function<void()>& epson, const std::function<void()>& hasar) {
    runOperation(w, [&] {
        SetControlsEnabled(w, false);
        if (epsonSelected(w)) {
            configureEpson(w);
            epson();
        } else {
            beginHasarSession(w, WriteModel::No);
            hasar();
            w.hasar().Finalizar();
        }
        SetControlsEnabled(w, true);
    });
}
