#include "service_data.h"

#include "app/controls_lock.h"
#include "app/frm_orbelo.h"
#include "service_page.h"
#include "service_read.h"
#include "service_send.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace service_page;

void startServiceMode(FrmOrbelo& w) {
    w.setServiceMode(true);
    QPushButton* read = button(w, "btnTraeDatos");
    read->setToolTip(QStringLiteral("Lee del impresor elegido sus datos, contadores, nombre de fantasía, encabezado y pie"));
    QObject::connect(read, &QPushButton::clicked, &w, [&w] { readServiceData(w); });
    for (const Frame* frame : {&kFantasy, &kHeader, &kTrailer}) {
        QPushButton* send = button(w, frame->sendButton);
        send->setToolTip(QStringLiteral("Envía al impresor las líneas cambiadas de este cuadro, después de confirmarlas"));
        QObject::connect(send, &QPushButton::clicked, &w, [&w, frame] { sendServiceLines(w, *frame); });
        // The maker documents one style for these lines, double width ("D").
        for (int line = frame->first; line <= frame->last; ++line)
            for (const char style : {'C', 'B'})
                if (QCheckBox* box = styleBox(w, frame->kind, line, style))
                    setUnavailable(*box, QStringLiteral("El fabricante no documenta este estilo para estas líneas"));
    }
    button(w, "btnEnviarConfiguracion")
        ->setToolTip(QStringLiteral("Sin función: Orbelo no cambia la configuración del impresor"));
    for (QLineEdit* box : w.findChildren<QLineEdit*>())
        if (box->objectName().startsWith(QLatin1String("txtNroImpresorIzq")) ||
            box->objectName().startsWith(QLatin1String("txtNroImpresorDer")))
            setUnavailable(*box, QStringLiteral("Sin uso: ningún impresor guarda estos números"));
}
