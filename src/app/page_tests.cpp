// Page 1, "TEST DE IMPRESORES FISCALES": the printer choice and every printer test button.
#include "form_builders.h"
#include "frm_orbelo.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using form::onPage;

void FrmOrbelo::buildTestsPage(QWidget* page) {
    auto caption = [page](const char* name, const QString& text, int top) {
        return form::label(page, QString::fromLatin1(name), text, onPage(120, top, 3135, 375));
    };
    auto button = [page](const char* name, const QString& text, int left, int top) {
        return form::button(page, QString::fromLatin1(name), text, onPage(left, top, 2775, 615));
    };

    cboPuerto = form::dropDown(page, QStringLiteral("cboPuerto"), onPage(3360, 945, 1185, 375));
    form::caption(caption("XPLabel301", QStringLiteral("Puerto COM Nº:"), 945), cboPuerto);
    txtCant = form::numericBox(page, QStringLiteral("txtCant"), QStringLiteral("1"), onPage(3360, 1440, 1185, 375));
    form::caption(caption("XPLabel302", QStringLiteral("Cantidad de Tickets/Facturas:"), 1440), txtCant);
    cboListaImp = form::dropDown(page, QStringLiteral("cboListaImp"), onPage(3360, 1920, 7425, 375));
    form::caption(caption("XPLabel303", QStringLiteral("Modelos de Impresor:"), 1920), cboListaImp);

    btnCargaLogo = form::button(page, QStringLiteral("btnCargaLogo"), QStringLiteral("CARGAR LOGO"),
                                onPage(6480, 960, 4215, 615));
    btnCambioFechaHora = button("btnCambioFechaHora", QStringLiteral("CAMBIO DE FECHA Y HORA"), 240, 2520);
    btnCancelarTodo = button("btnCancelarTodo", QStringLiteral("CANCELAR COMPROBANTE"), 3960, 2520);
    btnRemito = button("btnRemito", QStringLiteral("REMITO"), 7680, 2520);
    btnPruebaCuchilla = button("btnPruebaCuchilla", QStringLiteral("PRUEBA DE CUCHILLA"), 240, 3840);
    btnAperturaCajon = button("btnAperturaCajon", QStringLiteral("PRUEBA DE ABERTURA DE CAJÓN"), 3960, 3840);
    btnRecibo = button("btnRecibo", QStringLiteral("RECIBO"), 7680, 3840);
    btnFacA = button("btnFacA", QStringLiteral("TICKET/FACTURA A"), 240, 5160);
    btnNCA = button("btnNCA", QStringLiteral("NOTA DE CRÉDITO A"), 3960, 5160);
    btnRepGlobal = button("btnRepGlobal", QStringLiteral("REPORTE GLOBAL"), 7680, 5160);
    btnFacB = button("btnFacB", QStringLiteral("TICKET/FACTURA B"), 240, 6480);
    btnNCB = button("btnNCB", QStringLiteral("NOTA DE CRÉDITO B"), 3960, 6480);
    btnX = button("btnX", QStringLiteral("IMPRIMIR X"), 240, 7800);
    btnZ = button("btnZ", QStringLiteral("IMPRIMIR Z"), 3960, 7800);

    fmeCantItems = form::groupFrame(page, QStringLiteral("fmeCantItems"), QStringLiteral("Items en Comprobantes Fiscales"),
                                    onPage(6960, 6150, 3855, 2175));
    fmeCantItems->setEnabled(false);
    auto* itemsCaption = form::label(fmeCantItems, QStringLiteral("XPLabel3014"), QStringLiteral("Cantidad de Items a imprimir:"),
                                     form::twips(240, 480, 3345, 375));
    txtCantItems = form::numericBox(fmeCantItems, QStringLiteral("txtCantItems"), QStringLiteral("1"),
                                    form::twips(240, 855, 3345, 375));
    form::caption(itemsCaption, txtCantItems);
    btnAceptar = form::button(fmeCantItems, QStringLiteral("btnAceptar"), QStringLiteral("Aceptar"), form::twips(240, 1260, 1665, 495));
    btnCancelar = form::button(fmeCantItems, QStringLiteral("btnCancelar"), QStringLiteral("Cancelar"),
                               form::twips(1920, 1260, 1665, 495));
}
