#include "cancel_document.h"

#include "app/controls_lock.h"
#include "app/error_path.h"
#include "app/frm_orbelo.h"
#include "app/printer_selection.h"
#include "app/prompts.h"
#include "drivers/hasar_printer.h"

void cancelLeftOpen(FrmOrbelo& w) {
    if (const QString issued = w.hasar().CancelAll(); !issued.isEmpty())
        w.prompts().message(Prompts::kInformation, issued);
}

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
        const QString issued = w.hasar().CancelAll();
        w.hasar().Finalizar();
        SetControlsEnabled(w, true);
        // A document that could only be closed was issued: the technician must know which.
        if (!issued.isEmpty()) w.prompts().message(Prompts::kInformation, issued);
    });
}
