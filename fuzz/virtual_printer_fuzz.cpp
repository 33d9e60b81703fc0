#include "virtual_printer_fuzz.h"

#include "fuzz_input.h"

#include <sim/state_file.h>
#include <sim/virtual_printer.h>

#include <drivers/link/line_speeds.h>

#include <QTextStream>
#include <cstdlib>

namespace {

constexpr qint64 kStartMs = 1'780'000'000'000;  // a fixed day, so runs repeat
constexpr qint64 kStepMs = 60'000;              // each frame a minute after the last, past any busy spell

void requireReloadable(const sim::FiscalMemory& memory) {
    QString error;
    const auto reloaded = sim::state_file::fromJson(sim::state_file::toJson(memory), &error);
    if (reloaded && *reloaded == memory) return;
    QTextStream(stderr) << "state does not reload: " << (reloaded ? QStringLiteral("differs") : error) << Qt::endl;
    std::abort();
}

}  // namespace

int fuzzVirtualPrinter(sim::Brand brand, const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the model (Hasar has nine families), whether the printer is new, its
    // brand's lasting condition (a weak battery, a blocked controller) and a Z due.
    const int model = data[0] % 9 + 1;
    sim::FiscalMemory start;
    start.initialised = (data[0] & 0x80) == 0;
    const bool condition = (data[0] & 0x40) != 0;
    start.zDue = (data[0] & 0x20) != 0;
    sim::VirtualPrinter printer(brand, model, start, sim::Conditions{condition, condition});
    qint64 now = kStartMs;
    for (const frame::Frame& request : fuzz_input::frames(fuzz_input::bytes(data + 1, size - 1))) {
        printer.receive(frame::encode(request), now);
        now += kStepMs;
        printer.link().takeDue(now);
        // Acknowledged as a driver does: a Hasar takes no other frame until then.
        printer.receive(QByteArray(1, frame::ACK), now);
        // A SetComSpeed the ACK completed: the speed asked for must be one the line can take.
        if (const std::optional<int> speed = printer.takeNewSpeed(); speed && !isLineSpeed(*speed)) std::abort();
        requireReloadable(printer.memory());
    }
    return 0;
}
