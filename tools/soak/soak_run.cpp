#include "soak_run.h"

#include "bench_window.h"
#include "restart_when_open.h"
#include "roll_audit.h"
#include "soak_catalogue.h"
#include "soak_draw.h"
#include "technician_advice.h"
#include "virtual_printer_process.h"

#include "drivers/link/link_trace.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// Follow-ups a technician makes after the first message before giving up on the operation.
constexpr int kMaxTries = 3;

QStringList rollLines(const VirtualPrinterProcess& printer) {
    QFile file(printer.paperFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList modelArguments(int model) {
    return isEpsonModel(model) ? QStringList{} : QStringList{QStringLiteral("--model"), QString::number(model)};
}

// The commands of every exchange in a wire trace ("... 0x45 cerrar comprobante fiscal: 1 envío, ...").
QList<quint8> tracedCommands(const QString& traceFile) {
    QFile file(traceFile);
    QList<quint8> out;
    if (!file.open(QIODevice::ReadOnly)) return out;
    static const QRegularExpression exchange(QStringLiteral(" 0x([0-9A-F]{2}) [^|]*: \\d+ env"));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = exchange.match(line);
        if (m.hasMatch()) out << quint8(m.captured(1).toUInt(nullptr, 16));
    }
    return out;
}

// Documents and reports of `kinds` completed on the roll from line `from` on, but those begun in
// the technician's own Z reports. Other kinds are left out: a document the printer restored at
// power return and the window closed before its own is no part of the operation's count. An
// operation that issues nothing counts all but non-fiscal documents and the clock's change.
int completedSince(const QStringList& roll, qsizetype from, const QStringList& kinds,
                   const QList<std::pair<qsizetype, qsizetype>>& leftOut = {}) {
    static const QStringList kUncounted{QStringLiteral("DOCUMENTO NO FISCAL"), QStringLiteral("CAMBIO DE FECHA Y HORA")};
    int count = 0;
    for (const RollBlock& b : readRoll(roll).blocks) {
        if (b.line < from || b.end != RollBlock::End::Finished) continue;
        if (kinds.isEmpty() ? kUncounted.contains(b.kind()) : !kinds.contains(b.kind())) continue;
        const bool technicians = std::any_of(leftOut.begin(), leftOut.end(),
                                             [&](const auto& r) { return b.line >= r.first && b.line < r.second; });
        if (!technicians) ++count;
    }
    return count;
}

// The clock's notice that asks for a Z is advice as much as an error is.
bool asksForZ(const QString& notice) { return adviceFor(notice, false).takeZFirst; }

// One step's printer, window and roll, as the technician at the bench sees them.
class StepRun {
public:
    StepRun(VirtualPrinterProcess& printer, BenchWindow& bench, const SoakOperation& op, const QStringList& kinds)
        : printer_(printer), bench_(bench), op_(op), kinds_(kinds) {}

    // What this operation has issued so far.
    int issued() const { return completedSince(rollLines(printer_), from_, kinds_, zRanges_); }

    void markStart() { from_ = rollLines(printer_).size(); }

    // The message the operation ended with: its error; else a notice that asks for a Z (the
    // clock's), advice as much as an error is; else a question declined (a printer answering at
    // another speed), after which nothing was done.
    QString operate() {
        const QString error = bench_.operate(op_.kind, op_.documentCode, op_.documents);
        if (!error.isEmpty()) return error;
        const TechnicianPrompts& p = bench_.prompts();
        if (asksForZ(p.notices.value(0))) return p.notices.value(0);
        return p.questions.value(0);
    }

    // The technician's Z before the repeat, kept out of the operation's count.
    void technicianZ() {
        const qsizetype start = rollLines(printer_).size();
        bench_.operate(OperationKind::ZReport);
        zRanges_.append({start, rollLines(printer_).size()});
    }

    bool plugBackIn(QString* error) { return printer_.start(error); }

private:
    VirtualPrinterProcess& printer_;
    BenchWindow& bench_;
    const SoakOperation& op_;
    QStringList kinds_;
    qsizetype from_ = 0;
    QList<std::pair<qsizetype, qsizetype>> zRanges_;
};

}  // namespace

const CleanRun& SoakRunner::clean(int model, const QString& operation) {
    const QString key = QStringLiteral("%1/%2").arg(model).arg(operation);
    if (const auto it = clean_.constFind(key); it != clean_.cend()) return *it;
    CleanRun run;
    const std::optional<SoakOperation> op = soakOperation(operation);
    VirtualPrinterProcess printer(brandOfModel(model), modelArguments(model), program_);
    const QByteArray previousPort = qgetenv("ORBELO_COM1");
    QTemporaryDir traceDir;
    const QString trace = traceDir.filePath(QStringLiteral("traza.txt"));
    if (op && printer.start()) {
        qputenv("ORBELO_COM1", printer.device().toLocal8Bit());
        BenchWindow bench(printerEntry(model));
        link_trace::setFile(trace);
        bench.operate(op->kind, op->documentCode, op->documents);
        link_trace::setFile({});
        run.commands = tracedCommands(trace);
        const QStringList roll = rollLines(printer);
        for (const RollBlock& b : readRoll(roll).blocks)
            if (b.end == RollBlock::End::Finished && !run.kinds.contains(b.kind())) run.kinds << b.kind();
        run.issued = completedSince(roll, 0, run.kinds);
    }
    qputenv("ORBELO_COM1", previousPort);
    return *clean_.insert(key, run);
}

bool SoakRunner::run(const SoakCase& soakCase, const std::function<void(const StepReport&)>& report, QString* setupError) {
    // The clean runs first: they use the port variable for printers of their own.
    for (const SoakStep& s : soakCase.steps) clean(soakCase.model, s.operation);
    VirtualPrinterProcess printer(brandOfModel(soakCase.model), modelArguments(soakCase.model), program_);
    qputenv("ORBELO_COM1", printer.device().toLocal8Bit());
    for (int i = 0; i < soakCase.steps.size(); ++i) {
        const SoakStep& step = soakCase.steps[i];
        const std::optional<SoakOperation> op = soakOperation(step.operation);
        if (!op) {
            *setupError = QStringLiteral("operación desconocida '%1'").arg(step.operation);
            return false;
        }
        printer.armNextStart(step.printerArguments);
        StepReport r{i + 1, step, {}, {}, {}, {}};
        if (QString why; !printer.start(&why)) {
            // Once it has run, a printer that will not start again lost its state file.
            if (i == 0) {
                *setupError = why;
                return false;
            }
            r.broken << QStringLiteral("el impresor no arranca con su archivo de estado: %1").arg(why);
            report(r);
            return true;
        }
        CellFacts& f = r.facts;
        const CleanRun& cleanRun = clean(soakCase.model, step.operation);
        f.expected = cleanRun.issued;
        // The program opened afresh: a printer started again between two operations is a device
        // that came and went, which is not among the faults drawn.
        BenchWindow bench(printerEntry(soakCase.model));
        StepRun run(printer, bench, *op, cleanRun.kinds);
        run.markStart();

        QString restartError;
        RestartWhenOpen powerCycle(printer, step.restartMidDocument, &restartError);
        QElapsedTimer sinceStart;
        sinceStart.start();
        r.firstError = run.operate();
        powerCycle.stop();
        f.first = classify(r.firstError);
        f.issuedAtError = run.issued();
        f.unreached = unreachedDocuments(r.firstError);
        f.last = f.first;

        // The technician follows the message: waits out what holds the printer, plugs it back in
        // after a port error, takes the Z it asks for, checks before repeating a doubtful one.
        QString shown = r.firstError;
        bool zTaken = false;
        for (int tries = 0; tries < kMaxTries && restartError.isEmpty(); ++tries) {
            const Advice advice = adviceFor(shown, f.expected > 0 && run.issued() >= f.expected);
            if (advice.step == TechnicianStep::Nothing) break;
            if (const qint64 left = faultHoldMs(step) - sinceStart.elapsed(); left > 0) waitWithEvents(int(left));
            if ((!printer.running() || advice.plugBackIn) && !run.plugBackIn(setupError)) return false;
            if (advice.step == TechnicianStep::FinishWithCancel) {
                shown = bench.cancelAll();
                f.last = classify(shown);
                continue;
            }
            if (advice.takeZFirst && !zTaken) {
                run.technicianZ();
                zTaken = true;
            }
            shown = run.operate();
            f.last = classify(shown);
        }
        if (!restartError.isEmpty()) {
            *setupError = restartError;
            return false;
        }
        f.issuedAtEnd = run.issued();
        r.verdict = judge(f);

        // The roll against the fiscal memory as the printer saved it, and a document left open
        // while the technician was told all went well.
        const QJsonObject state = printer.state();
        if (state.isEmpty()) r.broken << QStringLiteral("el archivo de estado no se lee");
        r.broken << auditRoll(readRoll(rollLines(printer)), state);
        const bool toldDone = f.last == MessageClass::None || f.last == MessageClass::Issued;
        if (toldDone && state.value(QStringLiteral("open_document")).isObject() && f.expected > 0)
            r.broken << QStringLiteral("queda un documento abierto y el técnico no fue avisado");
        report(r);
        if (!r.clean()) return true;
    }
    return true;
}
