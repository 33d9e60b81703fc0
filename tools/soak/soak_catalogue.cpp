#include "soak_catalogue.h"

#include "app/printer_selection.h"

const QList<SoakOperation>& soakOperations() {
    using K = OperationKind;
    static const QList<SoakOperation> operations{
        {QStringLiteral("FA"), K::TestDocument, QStringLiteral("FA")},
        // Two in one click: an error after the first must say that a repeat issues it again.
        {QStringLiteral("FAx2"), K::TestDocument, QStringLiteral("FA"), 2},
        {QStringLiteral("FB"), K::TestDocument, QStringLiteral("FB")},
        {QStringLiteral("NCA"), K::TestDocument, QStringLiteral("NCA")},
        {QStringLiteral("NCB"), K::TestDocument, QStringLiteral("NCB")},
        {QStringLiteral("R"), K::TestDocument, QStringLiteral("R")},
        {QStringLiteral("RB"), K::TestDocument, QStringLiteral("RB")},
        {QStringLiteral("X"), K::XReport, {}},
        {QStringLiteral("Z"), K::ZReport, {}},
        {QStringLiteral("global"), K::GlobalReport, {}},
        {QStringLiteral("cajon"), K::Drawer, {}},
        {QStringLiteral("cuchilla"), K::Cutter, {}},
        {QStringLiteral("cancelar"), K::CancelAll, {}},
        {QStringLiteral("fecha"), K::Clock, {}},
        {QStringLiteral("logo"), K::Logo, {}},
        {QStringLiteral("consulta"), K::FiscalQuery, {}},
        {QStringLiteral("datos"), K::FiscalDataPrintout, {}},
    };
    return operations;
}

std::optional<SoakOperation> soakOperation(const QString& name) {
    for (const SoakOperation& op : soakOperations())
        if (op.name == name) return op;
    return std::nullopt;
}

QString printerEntry(int model) { return model >= 1 && model <= kModelEntries.size() ? kModelEntries[model - 1] : QString(); }
