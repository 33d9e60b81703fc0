// Page 2, "DATOS FISCALES": the printer's identity and counters, and the seal number.
#include "form_builders.h"
#include "frm_orbelo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using form::onPage;

void FrmOrbelo::buildFiscalDataPage(QWidget* page) {
    auto row = [page](const char* valueName, const QString& text, int top) {
        QLabel* caption = form::label(page, QString::fromLatin1(valueName).replace(0, 3, QStringLiteral("cap")), text,
                                      onPage(240, top, 3855, 375));
        QLabel* value = form::label(page, QString::fromLatin1(valueName), QString(), onPage(4080, top, 3495, 375));
        value->setFrameShape(QFrame::StyledPanel);
        form::valueCaption(caption, value);
        return value;
    };
    lblNroImpresor = row("lblNroImpresor", QStringLiteral("Nº DE IMPRESOR:"), 1560);
    lblRazSoc = row("lblRazSoc", QStringLiteral("Razón Social:"), 2520);
    lblCUIT = row("lblCUIT", QStringLiteral("C.U.I.T.:"), 3000);
    lblPtoVta = row("lblPtoVta", QStringLiteral("Punto de Venta:"), 3480);
    lblUltimaZ = row("lblUltimaZ", QStringLiteral("Ultimo Número de Z:"), 3960);
    lblUltimaFacA = row("lblUltimaFacA", QStringLiteral("Ultimo Número de Ticket/Factura A:"), 4440);
    lblUltimaFacB = row("lblUltimaFacB", QStringLiteral("Ultimo Número de Ticket/Factura B:"), 4920);
    lblUltimaNCA = row("lblUltimaNCA", QStringLiteral("Ultimo Número de N. de Crédito A:"), 5400);
    lblUltimaNCB = row("lblUltimaNCB", QStringLiteral("Ultimo Número de N. de Crédito B:"), 5880);

    txtPrecinto = form::numericBox(page, QStringLiteral("txtPrecinto"), QStringLiteral("1"), onPage(4200, 6720, 3345, 375));
    form::caption(form::label(page, QStringLiteral("capPrecinto"), QStringLiteral("Nº de Precinto:"), onPage(240, 6720, 3855, 375)),
                  txtPrecinto);

    btnTraeInfo = form::button(page, QStringLiteral("btnTraeInfo"), QStringLiteral("TRAER INFORMACIÓN"), onPage(240, 720, 3855, 615));
    btnImprimir = form::button(page, QStringLiteral("btnImprimir"), QStringLiteral("IMPRIMIR INFORMACIÓN"),
                               onPage(3120, 7560, 4335, 615));
}
