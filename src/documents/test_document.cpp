#include "test_document.h"

#include "app/controls_lock.h"
#include "app/error_path.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "app/printer_selection.h"
#include "app/prompts.h"
#include "document_kind.h"
#include "epson_documents.h"
#include "hasar_documents.h"
#include "item_count_prompt.h"

#include <QComboBox>

namespace {

// The 614 and the 262/272 print none of the test documents.
bool refusedModel(const QString& entry) {
    const double model = printerModel(entry);
    return model == 1 || model == 6;
}

}  // namespace

void printTestDocument(FrmOrbelo& w) {
    runOperation(w, [&] {
        if (refusedModel(w.cboListaImp->currentText())) {
            w.prompts().message(Prompts::kExclamation, QStringLiteral("Este modelo no emite Ticket Facturas"));
            return;
        }
        SetControlsEnabled(w, false);
        const TestDocument kind = testDocument(w.DocumentKind);
        if (epsonSelected(w))
            printEpsonDocuments(w, kind);
        else
            printHasarDocuments(w, kind);
        closeItemCountPrompt(w);
    });
}
