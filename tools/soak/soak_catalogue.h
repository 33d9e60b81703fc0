#pragma once

#include "bench_window.h"

#include <QList>
#include <QString>
#include <optional>

// An operation of the window as a soak names it.
struct SoakOperation {
    QString name;
    OperationKind kind;
    QString documentCode;  // the test document's code, for TestDocument
    int documents = 1;     // the count the click is given
};

// Every operation of the window: each test document, the reports, drawer, cutter, cancel, clock,
// logo, the fiscal query and its printout.
const QList<SoakOperation>& soakOperations();
std::optional<SoakOperation> soakOperation(const QString& name);

// The window's list entry for model number 1-10; empty for any other number.
QString printerEntry(int model);
inline bool isEpsonModel(int model) { return model == 10; }
inline QString brandOfModel(int model) { return isEpsonModel(model) ? QStringLiteral("epson") : QStringLiteral("hasar"); }
