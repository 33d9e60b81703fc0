#pragma once

#include "cell_verdict.h"
#include "matrix_table.h"

#include <QString>

// One cell as the row shows it.
struct CellResult {
    QString operation;
    QString fault;
    CellFacts facts;
    Verdict verdict;
    QString firstError;  // the first error text shown, for flagged rows
    QString setupError;  // the printer could not be started: no facts
};

// Runs one operation of the real window, on the real drivers, against a virtual printer on a
// pseudo-terminal with the fault; then does what the message tells a technician and counts
// what the printer issued. `expected` is what a clean run issues (-1: this is the clean run).
CellResult runCell(const QString& printerProgram, const MatrixOperation& op, const MatrixFault& fault, int expected);
