#include "fiscal_data.h"

#include "app/frm_orbelo.h"
#include "fiscal_printout.h"
#include "fiscal_query.h"

#include <QLabel>
#include <QPushButton>

void wireFiscalData(FrmOrbelo& w) {
    // The value labels show what a printer sent: never let it pass for markup.
    for (QLabel* value : {w.lblNroImpresor, w.lblRazSoc, w.lblCUIT, w.lblPtoVta, w.lblUltimaZ, w.lblUltimaFacA,
                          w.lblUltimaFacB, w.lblUltimaNCA, w.lblUltimaNCB})
        value->setTextFormat(Qt::PlainText);
    QObject::connect(w.btnTraeInfo, &QPushButton::clicked, &w, [&w] { queryFiscalData(w); });
    QObject::connect(w.btnImprimir, &QPushButton::clicked, &w, [&w] { printFiscalData(w); });
}
