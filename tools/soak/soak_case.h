#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One operation of a soak and what the printer brings to it.
struct SoakStep {
    QString operation;              // a name of the soak's catalogue: "FA", "Z", "cajon", ...
    QStringList printerArguments;   // for this start of the printer only: --fault ..., --z-due, ...
    bool restartMidDocument = false;  // killed and started again on its state file once it saves a document open

    // The faults it meets: each --fault, and the restart.
    int faultCount() const;
    bool operator==(const SoakStep&) const = default;
};

// Operations one after another on one printer, from a fresh fiscal memory.
struct SoakCase {
    int model = 0;      // the window's list entry number: 1-9 a Hasar family, 10 the Epson
    quint32 seed = 0;   // what it was drawn from, for the record
    QList<SoakStep> steps;

    bool operator==(const SoakCase&) const = default;
};

// The case as a file the test suite replays: a header of "modelo N" and "semilla S", then one
// line per step, "OPERACION | ARGUMENTOS" ("reinicio" among them for the restart).
QString caseText(const SoakCase& soakCase);
std::optional<SoakCase> parseCase(const QString& text, QString* error);
