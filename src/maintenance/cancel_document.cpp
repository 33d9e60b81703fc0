#include "cancel_document.h"

#include "app/controls_lock.h"
#include "app/error_path.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "app/prompts.h"
#include "drivers/hasar_printer.h"

void cancelOpenDocument(FrmOrbelo& w) {
    runOperation(w, [&] {
        if (epsonSelected(w)) {
            w.prompts().message(Prompts::kInformation,
                                QStringLiteral("Para cancelar un comprobante en un impresor fiscal Epson apague y vuelva a "
                                               "prender el impresor fiscal"));
            return;
        }
        SetControlsEnabled(w, false);
        beginHasarSession(w, WriteModel::No);
        const LeftOpen found = w.hasar().CancelAll();
        w.hasar().Finalizar();
        SetControlsEnabled(w, true);
        // What the press cancelled, or closed and so issued: the technician must know which.
        if (found.found()) w.prompts().message(Prompts::kInformation, leftOpenNotice(found, LeftOpenFoundBy::CancelButton));
    });
}
