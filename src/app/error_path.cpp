#include "error_path.h"

#include "controls_lock.h"
#include "drivers/error_numbers.h"
#include "drivers/operation_error.h"
#include "frm_orbelo.h"
#include "prompts.h"

#include <QGuiApplication>

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

}  // namespace

void runOperation(FrmOrbelo& w, const std::function<void()>& body) {
    if (w.busy()) return;
    w.setBusy(true);
    WaitCursor cursor;
    try {
        body();
    } catch (const OperationError& e) {
        cursor.restore();
        showError(w, e.number(), e.description());
    } catch (const std::exception& e) {
        cursor.restore();
        // Not expected from any operation, but it must not escape into the event loop.
        showError(w, error_number::kInternal, QStringLiteral("Error interno: %1").arg(QString::fromUtf8(e.what())));
    }
    cursor.restore();
    w.setBusy(false);
}
