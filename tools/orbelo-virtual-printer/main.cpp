// orbelo-virtual-printer: one virtual fiscal printer on a new pseudo-terminal.

#include "options.h"
#include "printer_host.h"
#include "pseudo_terminal.h"
#include "second_generation.h"
#include "state_lock.h"
#include "stop_signals.h"

#include <sim/brand.h>
#include <sim/state_file.h>
#include <sim/virtual_printer.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>

namespace {

int fail(const QString& message) {
    QTextStream(stderr) << "orbelo-virtual-printer: " << message << Qt::endl;
    return 2;
}

// The fiscal memory to start from: the state file when there is one, else a new printer whose
// clock shows local time.
std::optional<sim::FiscalMemory> startingMemory(const Options& o, QString* error) {
    sim::FiscalMemory memory;
    if (!o.state.isEmpty() && QFileInfo::exists(o.state)) {
        auto loaded = sim::state_file::load(o.state, error);
        if (!loaded) return std::nullopt;
        memory = std::move(*loaded);
    } else {
        memory.identity = sim::identityFor(o.brand);
        memory.clockOffsetMs = qint64{QDateTime::currentDateTime().offsetFromUtc()} * 1000;
    }
    if (o.notInitialised) memory.initialised = false;
    if (o.moduleClosed) memory.moduleOpen = false;
    if (o.zDue) memory.zDue = true;
    if (o.zCapacity) {
        if (*o.zCapacity < memory.lastZ) {
            *error = QStringLiteral("--z-capacity %1 es menor que los %2 cierres Z ya guardados").arg(*o.zCapacity).arg(memory.lastZ);
            return std::nullopt;
        }
        memory.zCapacity = *o.zCapacity;
    }
    return memory;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString error;
    const auto options = parseOptions(app.arguments().mid(1), &error);
    if (!options) return fail(error);
    if (options->help) {
        QTextStream(stdout) << helpText();
        return 0;
    }
    if (options->secondGeneration) return runSecondGeneration(app, *options);

    std::unique_ptr<StateLock> stateLock;
    if (!options->state.isEmpty() && !(stateLock = StateLock::claim(options->state, &error))) return fail(error);
    auto memory = startingMemory(*options, &error);
    if (!memory) return fail(error);
    sim::VirtualPrinter printer(options->brand, options->model, std::move(*memory),
                               {options->batteryLow, options->blocked});
    printer.powerReturned(QDateTime::currentMSecsSinceEpoch());
    sim::FaultPlan faults;
    for (const sim::Fault& f : options->faults) faults.add(f);
    printer.link().setFaults(faults);
    if (options->resendMs) printer.link().setReplyResendMs(*options->resendMs);

    PseudoTerminal pty;
    if (!pty.open(&error)) return fail(error);
    if (!options->link.isEmpty() && !replaceSymlink(options->link, pty.devicePath(), &error)) return fail(error);

    PrinterHost host(printer, pty, options->baud, options->baud > 0, {options->paper, stateLock.get()});
    StopSignals stop;
    if (!host.start(&error) || !stop.install(&error)) return fail(error);
    QObject::connect(&stop, &StopSignals::stopRequested, &app, &QCoreApplication::quit);
    QObject::connect(&host, &PrinterHost::hungUp, &app, &QCoreApplication::quit);

    // Saving at once proves the state file is writable before any client relies on it.
    if (!host.saveState()) return fail(QStringLiteral("no se puede guardar el estado"));
    QTextStream(stdout) << pty.devicePath() << Qt::endl;

    const int status = app.exec();
    const bool saved = host.saveState();
    if (!options->link.isEmpty()) removeSymlink(options->link, pty.devicePath());
    return saved ? status : 1;
}
