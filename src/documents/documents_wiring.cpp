#include "documents.h"

#include "app/frm_orbelo.h"
#include "item_count_prompt.h"
#include "test_document.h"

#include <QPushButton>

void wireDocuments(FrmOrbelo& w) {
    const QList<std::pair<QPushButton*, QString>> documentButtons = {
        {w.btnFacA, QStringLiteral("FA")}, {w.btnFacB, QStringLiteral("FB")},   {w.btnNCA, QStringLiteral("NCA")},
        {w.btnNCB, QStringLiteral("NCB")}, {w.btnRemito, QStringLiteral("R")}, {w.btnRecibo, QStringLiteral("RB")},
    };
    for (const auto& [button, code] : documentButtons)
        QObject::connect(button, &QPushButton::clicked, &w, [&w, code] { chooseDocument(w, code); });
    QObject::connect(w.btnAceptar, &QPushButton::clicked, &w, [&w] { printTestDocument(w); });
    QObject::connect(w.btnCancelar, &QPushButton::clicked, &w, [&w] { cancelItemCountPrompt(w); });
    cancelOnEscape(w);
}
