// fault-matrix: every operation that issues a document, a report or the logo, against a virtual
// printer with each fault, judged by what the technician is told and what the printer issued.

#include "bench_window.h"
#include "cell_run.h"
#include "matrix_table.h"
#include "virtual_printer_process.h"

#include <QTextStream>

namespace {

struct Totals {
    int cells = 0;
    int duplicates = 0;
    int losses = 0;
    int wrong = 0;
};

QString flags(const Verdict& v) {
    QStringList out;
    if (v.duplicate) out << QStringLiteral("DUPLICADO");
    if (v.silentLoss) out << QStringLiteral("PÉRDIDA SILENCIOSA");
    if (v.wrongMessage) out << QStringLiteral("MENSAJE ERRÓNEO");
    return out.join(QLatin1Char(' '));
}

void printRow(QTextStream& out, const CellResult& r) {
    const CellFacts& f = r.facts;
    out << QStringLiteral("%1 | %2 | %3 -> %4 | %5 de %6 | %7")
               .arg(r.operation.leftJustified(22), r.fault.leftJustified(42), className(f.first).leftJustified(12),
                    className(f.last).leftJustified(12))
               .arg(f.issuedAtEnd)
               .arg(f.expected)
               .arg(flags(r.verdict))
        << Qt::endl;
    if (!r.verdict.clean() && !r.firstError.isEmpty()) out << QStringLiteral("    mensaje: %1").arg(r.firstError) << Qt::endl;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto app = benchApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    bool reduced = false;
    QString printer = VirtualPrinterProcess::builtProgram();
    QString only;
    const QStringList args = app->arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--reduced")) {
            reduced = true;
        } else if (args[i] == QLatin1String("--printer") && i + 1 < args.size()) {
            printer = args[++i];
        } else if (args[i] == QLatin1String("--only") && i + 1 < args.size()) {
            only = args[++i];
        } else {
            err << "uso: fault-matrix [--reduced] [--only TEXTO] [--printer RUTA-DE-orbelo-virtual-printer]" << Qt::endl;
            return 2;
        }
    }

    Totals totals;
    const QList<MatrixFault> faults = allFaults();
    for (const MatrixOperation& op : reduced ? reducedOperations() : allOperations()) {
        if (!only.isEmpty() && !op.name.contains(only, Qt::CaseInsensitive)) continue;
        // The first fault is none: the clean run tells what the operation issues.
        const CellResult clean = runCell(printer, op, faults.first(), -1);
        if (!clean.setupError.isEmpty()) {
            err << clean.setupError << Qt::endl;
            return 2;
        }
        ++totals.cells;
        printRow(out, clean);
        if (clean.facts.first != MessageClass::None || clean.facts.expected == 0) {
            out << QStringLiteral("    %1 no se completa sin fallas: se omite").arg(op.name) << Qt::endl;
            continue;
        }
        for (qsizetype i = 1; i < faults.size(); ++i) {
            if (!faults[i].applies(op)) continue;
            const CellResult r = runCell(printer, op, faults[i], clean.facts.expected);
            if (!r.setupError.isEmpty()) {
                err << r.setupError << Qt::endl;
                return 2;
            }
            ++totals.cells;
            totals.duplicates += r.verdict.duplicate;
            totals.losses += r.verdict.silentLoss;
            totals.wrong += r.verdict.wrongMessage;
            printRow(out, r);
        }
    }
    out << QStringLiteral("cells: %1, duplicates: %2, silent losses: %3, wrong messages: %4")
               .arg(totals.cells)
               .arg(totals.duplicates)
               .arg(totals.losses)
               .arg(totals.wrong)
        << Qt::endl;
    return totals.duplicates + totals.losses + totals.wrong == 0 ? 0 : 1;
}
