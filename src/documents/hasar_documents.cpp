#include "hasar_documents.h"

#include "app/conversions.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "drivers/hasar_printer.h"
#include "hasar_general_sequence.h"
#include "hasar_models_7_8_sequence.h"

namespace {

// The 715/PR5 prints the test documents as a 615 does.
int documentModel(int entryModel) { return entryModel == 9 ? 2 : entryModel; }

}  // namespace

void printHasarDocuments(FrmOrbelo& w, TestDocument kind) {
    const int model = beginHasarSession(w, documentModel);
    cancelLeftOpen(w);
    const double documents = howMany(w);
    if (model == 7 || model == 8) {
        conv::forEachCount(documents, [&](qint64) { printModel7And8Document(w, kind); });
    } else {
        for (qint64 document = 1; document <= documents; ++document) {
            if (printGeneralDocument(w, kind) == DocumentLoop::Leave) break;
        }
    }
    w.hasar().Finalizar();
}
