#include "maintenance.h"

#include "app/frm_orbelo.h"
#include "cancel_document.h"
#include "date_time.h"
#include "drawer_cutter.h"
#include "logo_loading.h"
#include "reports.h"

#include <QPushButton>

void wireMaintenance(FrmOrbelo& w) {
    QObject::connect(w.btnX, &QPushButton::clicked, &w, [&w] { printDailyReports(w, DailyReport::X); });
    QObject::connect(w.btnZ, &QPushButton::clicked, &w, [&w] { printDailyReports(w, DailyReport::Z); });
    QObject::connect(w.btnRepGlobal, &QPushButton::clicked, &w, [&w] { printGlobalReport(w); });
    QObject::connect(w.btnAperturaCajon, &QPushButton::clicked, &w, [&w] { testDrawer(w); });
    QObject::connect(w.btnPruebaCuchilla, &QPushButton::clicked, &w, [&w] { testCutter(w); });
    QObject::connect(w.btnCancelarTodo, &QPushButton::clicked, &w, [&w] { cancelOpenDocument(w); });
    QObject::connect(w.btnCambioFechaHora, &QPushButton::clicked, &w, [&w] { changeDateTime(w); });
    QObject::connect(w.btnCargaLogo, &QPushButton::clicked, &w, [&w] { loadLogo(w); });
}
