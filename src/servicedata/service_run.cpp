#include "service_run.h"

#include "app/controls_lock.h"
#include "app/error_path.h"
#include "app/frm_orbelo.h"
#include "app/printer_selection.h"
#include "drivers/hasar_printer.h"

#include <QComboBox>

void onServicePrinter(FrmOrbelo& w, const std::function<void()>& epson, const std::function<void(int model)>& hasar) {
    runOperation(w, [&] {
        SetControlsEnabled(w, false);
        if (epsonSelected(w)) {
            configureEpson(w);
            epson();
        } else {
            beginHasarSession(w, WriteModel::Yes);
            hasar(hasarModelNumber(w.cboListaImp->currentText()));
            w.hasar().Finalizar();
        }
        SetControlsEnabled(w, true);
    });
}
