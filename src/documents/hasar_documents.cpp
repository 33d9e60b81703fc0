#include "hasar_documents.h"

#include "app/conversions.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "drivers/hasar_printer.h"
#include "hasar_general_sequence.h"
#include "hasar_models_7_8_sequence.h"
#include "issued_so_far.h"

namespace {

// The 715/PR5 prints the test documents as a 615 does.
int documentModel(int entryModel) { return entryModel == 9 ? 2 : entryModel; }

// The rounds the loops below make of `documents`, for the words an error gets: the general
// models' loop is not bounded as the counted one is, so a count past any bench is cut short here.
qint64 rounds(double documents) {
    constexpr double kFar = 1e15;
    return !(documents >= 1) ? 0 : documents >= kFar ? qint64(kFar) : qint64(documents);
}

}  // namespace

void printHasarDocuments(FrmOrbelo& w, TestDocument kind) {
    const int model = beginHasarSession(w, documentModel);
    cancelLeftOpen(w);
    const double documents = howMany(w);
    if (model == 7 || model == 8) {
        IssuedSoFar issued(model7And8Documents(kind), conv::runsFor(documents));
        issued.run([&] {
            conv::forEachCount(documents, [&](qint64) {
                printModel7And8Document(w, kind);
                issued.closed();
            });
        });
    } else {
        // The credit note A prints once whatever the count.
        const qint64 times = kind == TestDocument::CreditNoteA ? qMin(rounds(documents), qint64{1}) : rounds(documents);
        IssuedSoFar issued(generalDocuments(kind), times);
        issued.run([&] {
            for (qint64 document = 1; document <= documents; ++document) {
                if (printGeneralDocument(w, kind, issued) == DocumentLoop::Leave) break;
            }
        });
    }
    w.hasar().Finalizar();
}
