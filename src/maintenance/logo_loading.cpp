#include "logo_loading.h"

#include "app/controls_lock.h"
#include "app/error_path.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "app/prompts.h"
#include "drivers/hasar_printer.h"

void loadLogo(FrmOrbelo& w) {
    runOperation(w, [&] {
        SetControlsEnabled(w, false);
        const QString path = w.prompts().openFile();
        // Epson printers take no logo from here: the choice is simply dropped.
        if (!path.isEmpty() && !epsonSelected(w)) {
            beginHasarSession(w, WriteModel::Yes);
            // Leaves no document open in the printer while the logo is stored.
            cancelLeftOpen(w);
            w.hasar().LoadLogo(path);
            w.hasar().Finalizar();
        }
        SetControlsEnabled(w, true);
    });
}
