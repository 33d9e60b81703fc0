#include "maintenance.h"

#include "app/frm_orbelo.h"
#include "reports.h"

#include <QPushButton>

void wireMaintenance(FrmOrbelo& w) {
    QObject::connect(w.btnX, &QPushButton::clicked, &w, [&w] { printDailyReports(w, DailyReport::X); });
    QObject::connect(w.btnZ, &QPushButton::clicked, &w, [&w] { printDailyReports(w, DailyReport::Z); });
    QObject::connect(w.btnRepGlobal, &QPushButton::clicked, &w, [&w] { printGlobalReport(w); });
}
