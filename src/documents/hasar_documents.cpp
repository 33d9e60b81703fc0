#include "hasar_documents.h"

#include "app/conversions.h"
#include "app/frm_orbelo.h"
#include "app/printer_selection.h"
#include "document_counts.h"
#include "drivers/hasar_printer.h"
#include "hasar_general_sequence.h"
#include "hasar_models_7_8_sequence.h"
#include "maintenance/cancel_document.h"

#include <QComboBox>

namespace {

// The 715/PR5 prints the test documents as a 615 does.
int documentModelNumber(const QString& entry) {
    const int model = hasarModelNumber(entry);
    return model == 9 ? 2 : model;
}

}  // namespace

void printHasarDocuments(FrmOrbelo& w, TestDocument kind) {
    HasarPrinter& h = w.hasar();
    h.ComPort(conv::toInt32(portValue(w.cboPuerto->currentText())));
    const int model = documentModelNumber(w.cboListaImp->currentText());
    h.Model(model);
    h.BeginSession();
    cancelLeftOpen(w);
    const double documents = documentCount(w);
    if (model == 7 || model == 8) {
        conv::forEachCount(documents, [&](qint64) { printModel7And8Document(w, kind); });
    } else {
        for (qint64 document = 1; document <= documents; ++document) {
            if (printGeneralDocument(w, kind) == DocumentLoop::Leave) break;
        }
    }
    h.Finalizar();
}
