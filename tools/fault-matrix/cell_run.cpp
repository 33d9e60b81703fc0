#include "cell_run.h"

#include "bench_window.h"
#include "restart_when_open.h"
#include "technician_advice.h"
#include "virtual_printer_process.h"

#include <QElapsedTimer>
#include <QJsonValue>

namespace {
using Kind = MatrixOperation::Kind;
}  // namespace

CellResult runCell(const QString& printerProgram, const MatrixOperation& op, const MatrixFault& fault, int expected) {
    CellResult result{op.name, fault.name, {}, {}, {}, {}};
    QStringList arguments;
    if (op.model != 0) arguments << QStringLiteral("--model") << QString::number(op.model);
    arguments << fault.printerOptions;
    const int closings = op.kind == Kind::Logo ? 1 : qMax(expected, 1);
    VirtualPrinterProcess printer(op.brand, arguments + fault.arguments(op.closing, closings, op.middle), printerProgram);
    if (!printer.start(&result.setupError)) return result;
    qputenv("ORBELO_COM1", printer.device().toLocal8Bit());

    // What the operation has issued so far: documents on the roll, or the stored logo.
    const auto issued = [&] {
        if (op.kind != Kind::Logo) return printer.finishedDocuments();
        const bool wasRunning = printer.running();
        const QJsonValue logo = printer.state().value(QStringLiteral("logo"));
        const bool stored = !logo.isUndefined() && !logo.isNull();
        QString ignored;
        if (wasRunning) printer.start(&ignored);
        return stored ? 1 : 0;
    };

    {
        BenchWindow bench(op.entry);

        RestartWhenOpen powerCycle(printer, fault.restartMidDocument, &result.setupError);
        QElapsedTimer sinceStart;
        sinceStart.start();
        result.firstError = bench.operate(op.kind, op.documentCode);
        powerCycle.stop();
        CellFacts& f = result.facts;
        f.expected = expected < 0 ? 0 : expected;
        f.first = classify(result.firstError);
        f.issuedAtError = issued();
        f.unreached = unreachedDocuments(result.firstError);
        f.last = f.first;

        // The technician plugs the printer (back) in, or loads paper and waits, before anything else.
        if (fault.reconnect) printer.start(&result.setupError);
        if (const qint64 left = fault.settleMs - sinceStart.elapsed(); left > 0) waitWithEvents(int(left));

        // The check an 8020 asks for reads the roll, which for the logo means a restart: only then.
        const bool checks = stepAfter(f.first) == TechnicianStep::CheckThenRepeat;
        const TechnicianStep step = adviceFor(result.firstError, checks && f.expected > 0 && issued() >= f.expected).step;
        if (step == TechnicianStep::Repeat && expected >= 0) f.last = classify(bench.operate(op.kind, op.documentCode));
        if (step == TechnicianStep::FinishWithCancel) f.last = classify(bench.cancelAll());
    }
    printer.stop();
    result.facts.issuedAtEnd = issued();
    if (expected < 0) result.facts.expected = result.facts.issuedAtEnd;
    result.verdict = judge(result.facts);
    return result;
}
