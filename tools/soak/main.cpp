// soak: long runs of the window's operations on every printer against the virtual printer with
// faults drawn at random, each step checked against the paper roll and the fiscal memory; a
// failing run is shrunk and kept as a case the test suite replays.

#include "bench_window.h"
#include "soak_case.h"
#include "soak_catalogue.h"
#include "soak_draw.h"
#include "soak_run.h"
#include "soak_shrink.h"
#include "virtual_printer_process.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

constexpr int kStepsPerCase = 10;
constexpr int kShrinkTries = 40;

struct Totals {
    int operations = 0;
    int faults = 0;
    int duplicates = 0;
    int losses = 0;
    int wrong = 0;
    int broken = 0;

    void add(const StepReport& r) {
        ++operations;
        faults += r.step.faultCount();
        duplicates += r.verdict.duplicate;
        losses += r.verdict.silentLoss;
        wrong += r.verdict.wrongMessage;
        broken += int(r.broken.size());
    }
    bool clean() const { return duplicates + losses + wrong + broken == 0; }
    QString line() const {
        return QStringLiteral("operations: %1, faults injected: %2, duplicates: %3, silent losses: %4, wrong messages: %5, broken invariants: %6")
            .arg(operations)
            .arg(faults)
            .arg(duplicates)
            .arg(losses)
            .arg(wrong)
            .arg(broken);
    }
};

QString flags(const StepReport& r) {
    QStringList out;
    if (r.verdict.duplicate) out << QStringLiteral("DUPLICADO");
    if (r.verdict.silentLoss) out << QStringLiteral("PÉRDIDA SILENCIOSA");
    if (r.verdict.wrongMessage) out << QStringLiteral("MENSAJE ERRÓNEO");
    if (!r.broken.isEmpty()) out << QStringLiteral("INVARIANTE");
    return out.join(QLatin1Char(' '));
}

void printRow(QTextStream& out, int model, const StepReport& r) {
    QStringList faults = r.step.printerArguments;
    faults.removeAll(QStringLiteral("--fault"));
    if (r.step.restartMidDocument) faults << QStringLiteral("reinicio");
    const CellFacts& f = r.facts;
    out << QStringLiteral("%1 modelo %2 %3 | %4 | %5 -> %6 | %7 de %8 | %9")
               .arg(r.index, 3)
               .arg(model, 2)
               .arg(r.step.operation.leftJustified(8), (faults.isEmpty() ? QStringLiteral("sin fallas") : faults.join(QLatin1Char(' '))),
                    className(f.first).leftJustified(12), className(f.last).leftJustified(12))
               .arg(f.issuedAtEnd)
               .arg(f.expected)
               .arg(flags(r))
        << Qt::endl;
    if (!r.clean() && !r.firstError.isEmpty()) out << QStringLiteral("    mensaje: %1").arg(r.firstError) << Qt::endl;
    for (const QString& b : r.broken) out << QStringLiteral("    invariante: %1").arg(b) << Qt::endl;
}

struct Options {
    QString brand = QStringLiteral("hasar");
    quint32 seed = quint32(QDateTime::currentMSecsSinceEpoch() % 1000000);
    int minutes = 0;
    int operations = 0;
    QString replay;
    QString cases = QStringLiteral(ORBELO_SOAK_CASES);
    bool shrink = true;
    QString printer = VirtualPrinterProcess::builtProgram();
};

std::optional<Options> parse(const QStringList& args) {
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        const QString& a = args[i];
        bool ok = true;
        if (a == QLatin1String("--no-shrink")) o.shrink = false;
        else if (!hasValue) return std::nullopt;
        else if (a == QLatin1String("--brand")) o.brand = args[++i];
        else if (a == QLatin1String("--seed")) o.seed = args[++i].toUInt(&ok);
        else if (a == QLatin1String("--minutes")) o.minutes = args[++i].toInt(&ok);
        else if (a == QLatin1String("--operations")) o.operations = args[++i].toInt(&ok);
        else if (a == QLatin1String("--replay")) o.replay = args[++i];
        else if (a == QLatin1String("--cases")) o.cases = args[++i];
        else if (a == QLatin1String("--printer")) o.printer = args[++i];
        else return std::nullopt;
        if (!ok) return std::nullopt;
    }
    if (o.brand != QLatin1String("hasar") && o.brand != QLatin1String("epson")) return std::nullopt;
    if (o.replay.isEmpty() && o.minutes <= 0 && o.operations <= 0) o.minutes = 1;
    return o;
}

// The case files named: one file, or every .soak file of a folder.
QStringList caseFiles(const QString& path) {
    const QDir dir(path);
    if (!dir.exists()) return {path};
    QStringList out;
    for (const QString& name : dir.entryList({QStringLiteral("*.soak")}, QDir::Files, QDir::Name)) out << dir.filePath(name);
    return out;
}

int replay(SoakRunner& runner, const QString& path, QTextStream& out, QTextStream& err) {
    Totals totals;
    for (const QString& file : caseFiles(path)) {
        QFile f(file);
        QString why;
        const std::optional<SoakCase> c = f.open(QIODevice::ReadOnly) ? parseCase(QString::fromUtf8(f.readAll()), &why) : std::nullopt;
        if (!c) {
            err << QStringLiteral("%1: %2").arg(file, why.isEmpty() ? f.errorString() : why) << Qt::endl;
            return 2;
        }
        out << QStringLiteral("caso %1").arg(QFileInfo(file).fileName()) << Qt::endl;
        if (!runner.run(*c, [&](const StepReport& r) { totals.add(r), printRow(out, c->model, r); }, &why)) {
            err << why << Qt::endl;
            return 2;
        }
    }
    out << totals.line() << Qt::endl;
    return totals.clean() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto app = benchApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const std::optional<Options> o = parse(app->arguments().mid(1));
    if (!o) {
        err << "uso: soak [--brand hasar|epson] [--seed N] [--minutes N | --operations N] [--no-shrink]\n"
               "          [--cases CARPETA] [--printer RUTA-DE-orbelo-virtual-printer]\n"
               "     soak --replay ARCHIVO-O-CARPETA"
            << Qt::endl;
        return 2;
    }
    SoakRunner runner(o->printer);
    if (!o->replay.isEmpty()) return replay(runner, o->replay, out, err);

    out << QStringLiteral("soak %1, semilla %2").arg(o->brand).arg(o->seed) << Qt::endl;
    const QDeadlineTimer deadline = o->minutes > 0 ? QDeadlineTimer(qint64(o->minutes) * 60000) : QDeadlineTimer(QDeadlineTimer::Forever);
    const auto commandsOf = [&](int model, const QString& op) { return runner.clean(model, op).commands; };
    Totals totals;
    for (quint32 n = 0; !deadline.hasExpired() && (o->operations <= 0 || totals.operations < o->operations); ++n) {
        const quint32 seed = o->seed + n;
        const int model = o->brand == QLatin1String("epson") ? 10 : 1 + SoakRandom(seed ^ 0x9E3779B9u).below(9);
        int steps = kStepsPerCase;
        if (o->operations > 0) steps = qMin(steps, o->operations - totals.operations);
        SoakCase c = drawCase(seed, model, steps, commandsOf);
        std::optional<StepReport> failed;
        QString why;
        const bool ran = runner.run(c, [&](const StepReport& r) {
            totals.add(r);
            printRow(out, model, r);
            if (!r.clean()) failed = r;
        }, &why);
        if (!ran) {
            err << why << Qt::endl;
            return 2;
        }
        if (!failed || !o->shrink) continue;
        c.steps = c.steps.mid(0, failed->index);
        const auto fails = [&](const SoakCase& candidate) {
            bool failing = false;
            QString ignored;
            runner.run(candidate, [&](const StepReport& r) { failing = failing || !r.clean(); }, &ignored);
            return failing;
        };
        const SoakCase shrunk = shrinkCase(c, fails, kShrinkTries);
        const QString path = QDir(o->cases).filePath(QStringLiteral("%1-semilla-%2.soak").arg(o->brand).arg(seed));
        QDir().mkpath(o->cases);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(caseText(shrunk).toUtf8());
        out << QStringLiteral("    caso reducido a %1 pasos: %2").arg(shrunk.steps.size()).arg(path) << Qt::endl;
    }
    out << totals.line() << Qt::endl;
    return totals.clean() ? 0 : 1;
}
