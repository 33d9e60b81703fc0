#include "chosen_printer.h"

#include "controls_lock.h"
#include "drivers/hasar_printer.h"
#include "error_path.h"
#include "frm_orbelo.h"
#include "operation_steps.h"

void onChosenPrinter(FrmOrbelo& w, WriteModel writeModel, const std::function<void()>& epson,
                     const std::function<void()>& hasar) {
    runOperation(w, [&] {
        SetControlsEnabled(w, false);
        if (epsonSelected(w)) {
            configureEpson(w);
            epson();
        } else {
            beginHasarSession(w, writeModel);
            hasar();
            w.hasar().Finalizar();
        }
        SetControlsEnabled(w, true);
    });
}
