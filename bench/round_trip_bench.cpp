// Commands over a real pseudo-terminal against the virtual printers, next to the time the same
// bytes would take on a 9600-baud serial line.
#include "counting_transport.h"
#include "virtual_printer_process.h"

#include "app/port_device.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/epson/epson_link.h"
#include "drivers/hasar/hasar_choices.h"
#include "drivers/hasar/hasar_driver.h"
#include "drivers/link/serial_transport.h"

#include <benchmark/benchmark.h>

namespace {

// Reports the bytes per iteration and what they cost on the wire.
void reportWire(benchmark::State& state, const CountingTransport& transport) {
    const double bytesPerIteration = static_cast<double>(transport.bytes()) / static_cast<double>(state.iterations());
    state.counters["bytes"] = bytesPerIteration;
    state.counters["wire_ms_9600"] = wireSecondsAt9600(bytesPerIteration) * 1000.0;
}

template <typename Body>
void hasarBench(benchmark::State& state, Body body) {
    VirtualPrinterProcess printer(QStringLiteral("hasar"));
    if (!printer.start()) return state.SkipWithError("the virtual Hasar printer did not start");
    qputenv("ORBELO_COM1", printer.device().toLocal8Bit());
    auto counting = std::make_unique<CountingTransport>(std::make_unique<SerialTransport>(portDeviceName));
    CountingTransport& transport = *counting;
    HasarDriver driver(std::move(counting), hasar_choice::linkOptions());
    driver.ComPort(1);
    driver.Model(8);
    driver.BeginSession();
    transport.reset();
    for (auto _ : state) body(driver);
    reportWire(state, transport);
    driver.Finalizar();
}

void BM_HasarStatusQuery(benchmark::State& state) {
    hasarBench(state, [](HasarDriver& d) { d.QueryStatus(); });
}
BENCHMARK(BM_HasarStatusQuery)->Unit(benchmark::kMicrosecond);

void BM_HasarZReport(benchmark::State& state) {
    hasarBench(state, [](HasarDriver& d) { d.PrintZReport(); });
}
BENCHMARK(BM_HasarZReport)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_HasarInvoiceWithThreeItems(benchmark::State& state) {
    hasarBench(state, [](HasarDriver& d) {
        d.SetCustomerData(QStringLiteral("Cliente de Prueba"), QStringLiteral("99999999995"), 67, 73, QStringLiteral("Direccion"));
        d.OpenFiscalReceipt(48);
        for (int i = 0; i < 3; ++i) d.ImprimirItem(QStringLiteral("Item de Prueba "), 1.0, 0.01, 0.0, 0.0);
        d.PrintPayment(QString(), 1.0);
        d.CloseFiscalReceipt();
    });
}
BENCHMARK(BM_HasarInvoiceWithThreeItems)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_EpsonStatusRequest(benchmark::State& state) {
    VirtualPrinterProcess printer(QStringLiteral("epson"));
    if (!printer.start()) return state.SkipWithError("the virtual Epson printer did not start");
    qputenv("ORBELO_COM2", printer.device().toLocal8Bit());
    CountingTransport transport(std::make_unique<SerialTransport>(portDeviceName));
    EpsonDriver driver(transport, epsonLinkOptions());
    driver.PortNumber(2);
    driver.StatusRequest(QStringLiteral("A"));  // opens the port
    transport.reset();
    for (auto _ : state) benchmark::DoNotOptimize(driver.StatusRequest(QStringLiteral("A")));
    reportWire(state, transport);
}
BENCHMARK(BM_EpsonStatusRequest)->Unit(benchmark::kMicrosecond);

}  // namespace
