#include "soak_shrink.h"

namespace {

// The step's printer arguments as the units that can be left out: "--fault X" pairs and single
// conditions.
QList<QStringList> units(const QStringList& arguments) {
    QList<QStringList> out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--fault") && i + 1 < arguments.size()) out << QStringList{arguments[i], arguments[++i]};
        else out << QStringList{arguments[i]};
    }
    return out;
}

QStringList joined(const QList<QStringList>& parts) {
    QStringList out;
    for (const QStringList& p : parts) out << p;
    return out;
}

}  // namespace

SoakCase shrinkCase(SoakCase failing, const std::function<bool(const SoakCase&)>& fails, int tries) {
    const auto attempt = [&](const SoakCase& candidate) {
        if (tries <= 0) return false;
        --tries;
        if (!fails(candidate)) return false;
        failing = candidate;
        return true;
    };
    for (qsizetype i = 0; i < failing.steps.size() && failing.steps.size() > 1;) {
        SoakCase candidate = failing;
        candidate.steps.removeAt(i);
        if (!attempt(candidate)) ++i;
    }
    for (qsizetype s = 0; s < failing.steps.size(); ++s) {
        if (failing.steps[s].restartMidDocument) {
            SoakCase candidate = failing;
            candidate.steps[s].restartMidDocument = false;
            attempt(candidate);
        }
        for (qsizetype u = 0; u < units(failing.steps[s].printerArguments).size();) {
            QList<QStringList> parts = units(failing.steps[s].printerArguments);
            parts.removeAt(u);
            SoakCase candidate = failing;
            candidate.steps[s].printerArguments = joined(parts);
            if (!attempt(candidate)) ++u;
        }
    }
    return failing;
}
