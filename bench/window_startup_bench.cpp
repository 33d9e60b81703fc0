// Building and showing the window, with the memory the process holds afterwards.
#include "app/clock.h"
#include "app/frm_orbelo.h"
#include "app/port_device.h"
#include "app/prompts.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/hasar/hasar_driver.h"
#include "program/operations.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>

namespace {

class SilentPrompts : public Prompts {
public:
    void message(int, const QString&) override {}
    bool ask(const QString&) override { return false; }
    QString openFile() override { return {}; }
};

// Resident memory of this process in MiB, from /proc (0 where there is none).
double residentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
}

void BM_WindowStartup(benchmark::State& state) {
    HasarDriver hasar(portDeviceName);
    EpsonDriver epson(portDeviceName);
    SilentPrompts prompts;
    SystemClock clock;
    for (auto _ : state) {
        FrmOrbelo window(hasar, epson, prompts, clock);
        wireOperations(window);
        window.show();
        QApplication::processEvents();
    }
    state.counters["rss_MiB"] = residentMiB();
}
BENCHMARK(BM_WindowStartup)->Unit(benchmark::kMillisecond);

}  // namespace
