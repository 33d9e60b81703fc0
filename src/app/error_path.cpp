#include "error_path.h"

#include "controls_lock.h"
#include "drivers/error_numbers.h"
#include "drivers/operation_error.h"
#include "frm_orbelo.h"
#include "prompts.h"

QString errorMessage(int number, const QString& description) {
    return QStringLiteral("El sistema detectó el error Nº %1 ''%2''").arg(number).arg(description);
}

namespace {

void showError(FrmOrbelo& w, int number, const QString& description) {
    SetControlsEnabled(w, true);
    w.prompts().message(Prompts::kCritical, errorMessage(number, description));
}

}  // namespace

void runOperation(FrmOrbelo& w, const std::function<void()>& body) {
    if (w.busy()) return;
    w.setBusy(true);
    try {
        body();
    } catch (const OperationError& e) {
        showError(w, e.number(), e.description());
    } catch (const std::exception& e) {
        // Not expected from any operation, but it must not escape into the event loop.
        showError(w, error_number::kInternal, QStringLiteral("Error interno: %1").arg(QString::fromUtf8(e.what())));
    }
    w.setBusy(false);
}
