#pragma once

#include "cell_verdict.h"
#include "soak_case.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// One step as its row shows it.
struct StepReport {
    int index = 0;
    SoakStep step;
    CellFacts facts;
    Verdict verdict;
    QStringList broken;  // what the roll and the fiscal memory say is wrong after it
    QString firstError;

    bool clean() const { return verdict.clean() && broken.isEmpty(); }
};

// What a clean run of an operation on a fresh printer of a model does.
struct CleanRun {
    QList<quint8> commands;  // sent, in order
    int issued = 0;          // documents and reports completed on the roll
    QStringList kinds;       // what they are ("TIQUE", "FACTURA A", "INFORME GLOBAL")
};

// Runs soak cases with the real window and drivers against the virtual printer program.
class SoakRunner {
public:
    explicit SoakRunner(QString printerProgram) : program_(std::move(printerProgram)) {}

    // The clean run of `operation` on model `model`, made once on a printer of its own.
    const CleanRun& clean(int model, const QString& operation);
    // Runs the case on a fresh printer, one printer start per step with that step's faults, and
    // stops after the first step that is not clean. Each step is handed to `report` as it ends.
    // False, with the reason in `setupError`, when the printer would not start or its state file
    // would not load.
    bool run(const SoakCase& soakCase, const std::function<void(const StepReport&)>& report, QString* setupError);

private:
    QString program_;
    QHash<QString, CleanRun> clean_;
};
