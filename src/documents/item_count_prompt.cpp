#include "item_count_prompt.h"

#include "app/controls_lock.h"
#include "app/frm_orbelo.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

class EscapeCancels : public QObject {
public:
    explicit EscapeCancels(FrmOrbelo& w) : QObject(w.txtCantItems), w_(w) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return QObject::eventFilter(watched, event);
        cancelItemCountPrompt(w_);
        return true;
    }

private:
    FrmOrbelo& w_;
};

}  // namespace

void chooseDocument(FrmOrbelo& w, const QString& code) {
    // A driver wait keeps the event loop running; a click queued meanwhile must not change the print.
    if (w.busy()) return;
    w.DocumentKind = code;
    SetControlsEnabled(w, false);
    EscepcionesDesbloq(w);
    w.fmeCantItems->setEnabled(true);
    w.txtCantItems->setFocus();
}

void EscepcionesDesbloq(FrmOrbelo& w) {
    w.txtCantItems->setEnabled(true);
    w.btnAceptar->setEnabled(true);
    w.btnCancelar->setEnabled(true);
}

void closeItemCountPrompt(FrmOrbelo& w) {
    w.txtCantItems->setText(QStringLiteral("1"));
    SetControlsEnabled(w, true);
    w.fmeCantItems->setEnabled(false);
}

void cancelItemCountPrompt(FrmOrbelo& w) {
    // Unlocking the window in the middle of a print would let a second operation start.
    if (!w.busy()) closeItemCountPrompt(w);
}

void cancelOnEscape(FrmOrbelo& w) { w.txtCantItems->installEventFilter(new EscapeCancels(w)); }
