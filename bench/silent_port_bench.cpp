// How long a port where nothing answers takes to be told, with the program's own limits: the
// status request at 9600 (three sends), then the search of the other speeds.
#include "virtual_printer_process.h"

#include "app/port_device.h"
#include "drivers/hasar/hasar_choices.h"
#include "drivers/hasar/hasar_driver.h"
#include "drivers/link/serial_transport.h"
#include "drivers/operation_error.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

void silentPort(benchmark::State& state, bool searchSpeeds) {
    VirtualPrinterProcess printer(QStringLiteral("hasar"), {QStringLiteral("--fault"), QStringLiteral("silent,times=0")});
    if (!printer.start()) return state.SkipWithError("the virtual Hasar printer did not start");
    qputenv("ORBELO_COM1", printer.device().toLocal8Bit());
    LinkOptions options = hasar_choice::linkOptions();
    if (!searchSpeeds) options.searchSpeeds.clear();
    HasarDriver driver(std::make_unique<SerialTransport>(portDeviceName), options);
    driver.ComPort(1);
    double totalMs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        try {
            driver.BeginSession();
        } catch (const DriverError&) {
        }
        totalMs += double(clock.elapsed());
    }
    state.counters["told_ms"] = totalMs / double(state.iterations());
}

void BM_SilentPortToldAt9600Only(benchmark::State& state) { silentPort(state, false); }
BENCHMARK(BM_SilentPortToldAt9600Only)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_SilentPortToldAfterTheSpeedSearch(benchmark::State& state) { silentPort(state, true); }
BENCHMARK(BM_SilentPortToldAfterTheSpeedSearch)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
