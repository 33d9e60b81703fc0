#include "soak_case.h"

#include "soak_catalogue.h"

namespace {
const QString kRestart = QStringLiteral("reinicio");
}

int SoakStep::faultCount() const {
    return int(printerArguments.count(QStringLiteral("--fault"))) + (restartMidDocument ? 1 : 0);
}

QString caseText(const SoakCase& c) {
    QString out = QStringLiteral("# Caso del soak: se repite en cada corrida de las pruebas.\nmodelo %1\nsemilla %2\n")
                      .arg(c.model)
                      .arg(c.seed);
    for (const SoakStep& s : c.steps) {
        QStringList arguments = s.printerArguments;
        if (s.restartMidDocument) arguments.prepend(kRestart);
        out += QStringLiteral("%1 | %2").arg(s.operation, arguments.join(QLatin1Char(' '))).trimmed() + QLatin1Char('\n');
    }
    return out;
}

std::optional<SoakCase> parseCase(const QString& text, QString* error) {
    SoakCase c;
    int lineNumber = 0;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        ++lineNumber;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const auto fail = [&](const QString& why) {
            *error = QStringLiteral("línea %1: %2").arg(lineNumber).arg(why);
            return std::nullopt;
        };
        if (line.startsWith(QStringLiteral("modelo "))) {
            bool ok = false;
            c.model = line.mid(7).toInt(&ok);
            if (!ok || printerEntry(c.model).isEmpty()) return fail(QStringLiteral("modelo fuera de 1 a 10"));
            continue;
        }
        if (line.startsWith(QStringLiteral("semilla "))) {
            bool ok = false;
            c.seed = line.mid(8).toUInt(&ok);
            if (!ok) return fail(QStringLiteral("semilla no numérica"));
            continue;
        }
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        SoakStep step;
        step.operation = line.left(bar).trimmed();
        if (!soakOperation(step.operation)) return fail(QStringLiteral("operación desconocida '%1'").arg(step.operation));
        if (bar >= 0) step.printerArguments = line.mid(bar + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        step.restartMidDocument = step.printerArguments.removeAll(kRestart) > 0;
        c.steps << step;
    }
    if (c.model == 0) {
        *error = QStringLiteral("falta la línea 'modelo N'");
        return std::nullopt;
    }
    return c;
}
