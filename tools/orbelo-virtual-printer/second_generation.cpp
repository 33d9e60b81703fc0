#include "second_generation.h"

#include "network_host.h"
#include "state_lock.h"
#include "stop_signals.h"

#include <sim/hasar2g/state_file.h>

#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>

namespace {

int fail(const QString& message) {
    QTextStream(stderr) << "orbelo-virtual-printer: " << message << Qt::endl;
    return 2;
}

// The memory to start from: the state file when there is one, else a new printer whose clock
// shows local time.
std::optional<sim::hasar2g::Memory> startingMemory(const Options& o, QString* error) {
    sim::hasar2g::Memory memory;
    if (!o.state.isEmpty() && QFileInfo::exists(o.state)) {
        auto loaded = sim::hasar2g::state_file::load(o.state, error);
        if (!loaded) return std::nullopt;
        memory = std::move(*loaded);
    } else {
        memory.identity = sim::hasar2g::secondGenerationIdentity();
        memory.clockOffsetMs = qint64{QDateTime::currentDateTime().offsetFromUtc()} * 1000;
    }
    if (o.zCapacity) {
        if (*o.zCapacity < memory.lastZ()) {
            *error = QStringLiteral("--z-capacity %1 es menor que los %2 cierres Z ya guardados").arg(*o.zCapacity).arg(memory.lastZ());
            return std::nullopt;
        }
        memory.zCapacity = *o.zCapacity;
    }
    return memory;
}

}  // namespace

int runSecondGeneration(QCoreApplication& app, const Options& options) {
    QString error;
    std::unique_ptr<StateLock> stateLock;
    if (!options.state.isEmpty() && !(stateLock = StateLock::claim(options.state, &error))) return fail(error);
    auto memory = startingMemory(options, &error);
    if (!memory) return fail(error);

    NetworkHost::Settings settings;
    settings.address = options.listenAddress;
    settings.port = static_cast<quint16>(options.listenPort);
    settings.user = options.user;
    settings.password = options.password;
    settings.paper = options.paper;
    settings.statePath = options.state;
    settings.state = stateLock.get();
    settings.faults = options.networkFaults;
    NetworkHost host(std::move(*memory), settings);
    StopSignals stop;
    if (!host.start(&error) || !stop.install(&error)) return fail(error);
    QObject::connect(&stop, &StopSignals::stopRequested, &app, &QCoreApplication::quit);

    // Saving at once proves the state file is writable before any client relies on it.
    if (!host.saveState()) return fail(QStringLiteral("no se puede guardar el estado"));
    const QString host6 = options.listenAddress.protocol() == QAbstractSocket::IPv6Protocol
                              ? QStringLiteral("[%1]").arg(options.listenAddress.toString())
                              : options.listenAddress.toString();
    QTextStream(stdout) << "http://" << host6 << ':' << host.port() << "/fiscal.json" << Qt::endl;

    const int status = app.exec();
    return host.saveState() ? status : 1;
}
