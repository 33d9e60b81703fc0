// Page 3, "TOMAR/ENVIAR DATOS AL IMPRESOR FISCAL": data-entry controls without actions; only
// the busy lock reaches them.
#include "form_builders.h"
#include "frm_orbelo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using form::onPage;
using form::twips;

namespace {

constexpr int kRowHeight = 285;

const QString kDataEntryButtonsTip =
    QStringLiteral("Sin función: esta página no trae ni envía datos al impresor fiscal");

// A caption and its text box on one row of a container laid out in plain twips.
QLineEdit* field(QWidget* parent, const QString& name, const QString& text, int labelLeft, int labelWidth, int boxLeft,
                 int boxWidth, int top, bool onTabPage) {
    auto at = [onTabPage](int l, int t, int w, int h) { return onTabPage ? onPage(l, t, w, h) : twips(l, t, w, h); };
    QLineEdit* box = form::textBox(parent, name, at(boxLeft, top, boxWidth, kRowHeight));
    form::caption(form::label(parent, QStringLiteral("cap") + name.mid(3), text, at(labelLeft, top, labelWidth, kRowHeight)), box);
    return box;
}

void buildMarca(QWidget* page) {
    QGroupBox* frame = form::groupFrame(page, QStringLiteral("XPFrame301"), QStringLiteral("MARCA"), onPage(120, 720, 10695, 1695));
    auto left = [frame](const char* name, const QString& text, int top, int boxWidth = 2325) {
        field(frame, QString::fromLatin1(name), text, 120, 1695, 1820, boxWidth, top, false);
    };
    auto right = [frame](const char* name, const QString& text, int top, int labelLeft = 4800, int boxLeft = 6500) {
        field(frame, QString::fromLatin1(name), text, labelLeft, 1695, boxLeft, 2325, top, false);
    };
    left("txtNroImp", QStringLiteral("Nº de Impresor:"), 240);
    right("txtNroPrecinto", QStringLiteral("Nº de Precinto:"), 240);
    left("txtRazonSocial", QStringLiteral("Razón Social:"), 600, 4245);
    right("txtCUIT", QStringLiteral("C.U.I.T.:"), 600, 6120, 7820);
    left("txtIngBrutos", QStringLiteral("Ing. Brutos:"), 960);
    right("txtPuntoVenta", QStringLiteral("Pto. de Venta:"), 960);
    field(frame, QStringLiteral("txtFecIniActiv"), QStringLiteral("Inicio de Actividades:"), 120, 2175, 2300, 2325, 1320, false);
    right("txtFecIni", QStringLiteral("Inicialización:"), 1320);
}

void buildFantasia(QWidget* page) {
    QGroupBox* frame =
        form::groupFrame(page, QStringLiteral("XPFrame302"), QStringLiteral("Nombre de Fantasía"), onPage(120, 2400, 10695, 2055));
    for (int n = 1; n <= 5; ++n) {
        const int top = 240 + 360 * (n - 1);
        const QString index = QStringLiteral("(%1)").arg(n);
        field(frame, QStringLiteral("txtFanta") + index, QStringLiteral("Línea Nº %1:").arg(n), 240, 1215, 1460, 5205, top, false);
        int left = 6960;
        for (const char* flag : {"D", "C", "B"}) {
            form::checkBox(frame, QStringLiteral("chkFanta%1").arg(QLatin1String(flag)) + index, QString::fromLatin1(flag),
                           twips(left, top, 495, 255));
            left += 600;
        }
    }
    form::button(frame, QStringLiteral("btnEnviarFantasia"), QStringLiteral("Enviar Datos"), twips(8760, 840, 1695, 615));
}

void buildLines(QWidget* page, int first, const QString& buttonName) {
    for (int n = first; n < first + 10; ++n) {
        const int top = 480 + 360 * (n - first);
        const QString index = QStringLiteral("(%1)").arg(n);
        field(page, QStringLiteral("txtLinea") + index, QStringLiteral("Línea Nº %1:").arg(n), 120, 1335, 1460, 5205, top, true);
        form::checkBox(page, QStringLiteral("chkLineaD") + index, QStringLiteral("D"), onPage(6840, top, 495, 255));
        form::checkBox(page, QStringLiteral("chkLineaC") + index, QStringLiteral("C"), onPage(7440, top, 495, 255));
    }
    form::button(page, buttonName, QStringLiteral("Enviar Datos"), onPage(8400, 480, 1815, 615));
}

void buildAccumulators(QWidget* page) {
    const int tops[] = {600, 1080, 1560, 2040};
    const char* leftNames[] = {"txtCapacidad", "txtNroFacA", "txtNroNCA", "txtNroRemito"};
    const char* leftCaptions[] = {"Capacidad:", "Nº Tick/Fact. A:", "Nº N. de Cred. A:", "Nº de Remito:"};
    const char* rightNames[] = {"txtZeta", "txtNroFacB", "txtNroNCB", "txtZetasRest"};
    const char* rightCaptions[] = {"Nº de Zeta:", "Nº Tick/Fact. B:", "Nº N. de Cred. B:", "Zetas Restantes:"};
    for (int i = 0; i < 4; ++i) {
        field(page, QString::fromLatin1(leftNames[i]), QString::fromUtf8(leftCaptions[i]), 120, 1815, 1940, 2325, tops[i], true);
        field(page, QString::fromLatin1(rightNames[i]), QString::fromUtf8(rightCaptions[i]), 4680, 1815, 6500, 2325, tops[i], true);
    }
}

void buildConfiguration(QWidget* page) {
    field(page, QStringLiteral("txtLimiteCF"), QStringLiteral("Límite C. F.:"), 120, 1815, 1940, 2325, 600, true);
    for (int row = 0; row < 5; ++row) {
        const int top = 1080 + 480 * row;
        field(page, QStringLiteral("txtNroImpresorIzq(%1)").arg(row + 1), QStringLiteral("Nº de Impresor:"), 120, 1815, 1940, 2325,
              top, true);
        field(page, QStringLiteral("txtNroImpresorDer(%1)").arg(row + 1), QStringLiteral("Nº de Impresor:"), 4440, 1815, 6255, 2325,
              top, true);
    }
    form::button(page, QStringLiteral("btnEnviarConfiguracion"), QStringLiteral("Enviar Datos"), onPage(8760, 600, 1815, 615));
}

}  // namespace

void FrmOrbelo::buildDataEntryPage(QWidget* page) {
    QPushButton* read = form::button(page, QStringLiteral("btnTraeDatos"), QStringLiteral("Traer Datos"), onPage(9000, 720, 1575, 255));
    buildMarca(page);
    // It sits on the MARCA frame's top edge: above the frame, or the frame takes its clicks.
    read->raise();
    buildFantasia(page);

    auto* inner = new QTabWidget(page);
    inner->setObjectName(QStringLiteral("Tab2"));
    inner->setGeometry(onPage(120, 4440, 10695, 4095));
    QWidget* pages[4];
    const char* captions[] = {"Encabezado", "Pie", "Acumuladores", "Configuración"};
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget;
        inner->addTab(pages[i], QString::fromUtf8(captions[i]));
    }
    buildLines(pages[0], 1, QStringLiteral("btnEnviarEncabezado"));
    buildLines(pages[1], 11, QStringLiteral("btnEnviarPie"));
    buildAccumulators(pages[2]);
    buildConfiguration(pages[3]);
    inner->setCurrentIndex(3);
    // The buttons are there as on the original bench, without an action: say so where they are.
    for (QPushButton* b : page->findChildren<QPushButton*>()) b->setToolTip(kDataEntryButtonsTip);
}
