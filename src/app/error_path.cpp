#include "error_path.h"

#include "controls_lock.h"
#include "drivers/error_numbers.h"
#include "drivers/link/line_speeds.h"
#include "drivers/link/link_errors.h"
#include "drivers/link/link_trace.h"
#include "drivers/operation_error.h"
#include "frm_orbelo.h"
#include "other_speed.h"
#include "port_advice.h"
#include "port_device.h"
#include "printer_selection.h"
#include "prompts.h"

#include <QComboBox>
#include <QGuiApplication>

#include <utility>

QString errorMessage(int number, const QString& description) {
    return QStringLiteral("El sistema detectó el error Nº %1 ''%2''").arg(number).arg(description);
}

namespace {

// The wait cursor for as long as an operation runs, put back on every way out.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    // Before an error is shown: the technician reads it with the normal pointer.
    void restore() {
        if (!shown_) return;
        shown_ = false;
        QGuiApplication::restoreOverrideCursor();
    }

private:
    bool shown_ = true;
};

void showError(FrmOrbelo& w, int number, const QString& description) {
    SetControlsEnabled(w, true);
    w.prompts().message(Prompts::kCritical, errorMessage(number, description));
}

// The trace's line where an operation starts: its button, the model entry and the port as chosen.
void traceStart(FrmOrbelo& w) {
    if (!link_trace::active()) return;
    const QString chosen = w.cboPuerto->currentText();
    const double com = portValue(chosen);
    const QString port = com >= kFirstComPort && com <= kLastComPort
                             ? port_error::Port{int(com), network_address::withoutCredentials(portDeviceName(int(com)))}.label()
                             : QStringLiteral("COM %1").arg(chosen.trimmed());
    // The speed is named where it is not the one printers come set to.
    const int baud = com >= kFirstComPort && com <= kLastComPort ? portSpeed(int(com)) : kDefaultBaud;
    link_trace::operation(w.operationCaption(), w.cboListaImp->currentText(),
                          baud == kDefaultBaud ? port : QStringLiteral("%1 a %2 baudios").arg(port).arg(baud));
}

}  // namespace

void runOperation(FrmOrbelo& w, const std::function<void()>& body) {
    if (w.busy()) return;
    w.setBusy(true);
    w.noticesAtEnd().clear();
    traceStart(w);
    WaitCursor cursor;
    try {
        body();
    } catch (const link_error::OtherSpeed& e) {
        cursor.restore();
        SetControlsEnabled(w, true);
        answerOtherSpeed(w, e);
    } catch (const port_error::PortError& e) {
        cursor.restore();
        showError(w, e.number(), withPortAdvice(e, serialDevices()));
    } catch (const OperationError& e) {
        cursor.restore();
        showError(w, e.number(), e.description());
    } catch (const std::exception& e) {
        cursor.restore();
        // Not expected from any operation, but it must not escape into the event loop.
        showError(w, error_number::kInternal, QStringLiteral("Error interno: %1").arg(QString::fromUtf8(e.what())));
    }
    cursor.restore();
    // What the operation met on its way (a document left open by an earlier one) is told after
    // its own outcome, success or error.
    const QStringList notices = std::exchange(w.noticesAtEnd(), {});
    for (const QString& notice : notices) w.prompts().message(Prompts::kInformation, notice);
    w.setBusy(false);
}
