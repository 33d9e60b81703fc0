#include "other_speed.h"

#include "drivers/hasar_printer.h"
#include "drivers/link/link_errors.h"
#include "drivers/operation_error.h"
#include "error_path.h"
#include "frm_orbelo.h"
#include "port_device.h"
#include "prompts.h"

namespace {

void setHasarBack(FrmOrbelo& w, const link_error::OtherSpeed& found) {
    if (!w.prompts().ask(errorMessage(found.number(), found.description()) +
                         QStringLiteral("\n\n¿Volver el impresor a %1 baudios con el comando de cambio de velocidad?")
                             .arg(found.portSpeed())))
        return;
    try {
        w.hasar().ComPort(found.comPort());
        w.hasar().SetPrinterSpeed(found.found(), found.portSpeed());
        w.hasar().Finalizar();
    } catch (const OperationError& e) {
        w.prompts().message(Prompts::kCritical, errorMessage(e.number(), e.description()));
        return;
    }
    w.prompts().message(Prompts::kInformation,
                        QStringLiteral("El impresor responde ahora a %1 baudios en COM%2. Repita la operación")
                            .arg(found.portSpeed())
                            .arg(found.comPort()));
}

void followWithThePort(FrmOrbelo& w, const link_error::OtherSpeed& found) {
    if (!w.prompts().ask(errorMessage(found.number(), found.description()) +
                         QStringLiteral("\n\nEste impresor no tiene un comando conocido para cambiar su velocidad: se "
                                        "cambia en el propio impresor, como indica su manual. ¿Guardar %1 baudios como "
                                        "velocidad de COM%2 (orbelo --velocidad %2=%1)?")
                             .arg(found.found())
                             .arg(found.comPort())))
        return;
    if (!assignPortSpeed(found.comPort(), found.found())) {
        w.prompts().message(Prompts::kCritical,
                            QStringLiteral("No se pudo guardar la configuración de COM%1").arg(found.comPort()));
        return;
    }
    w.prompts().message(Prompts::kInformation, QStringLiteral("COM%1 trabaja ahora a %2 baudios. Repita la operación")
                                                   .arg(found.comPort())
                                                   .arg(found.found()));
}

}  // namespace

void answerOtherSpeed(FrmOrbelo& w, const link_error::OtherSpeed& found) {
    if (found.printerSetsSpeed())
        setHasarBack(w, found);
    else
        followWithThePort(w, found);
}
