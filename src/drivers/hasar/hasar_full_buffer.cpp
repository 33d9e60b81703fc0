#include "hasar_full_buffer.h"

#include "drivers/error_numbers.h"
#include "drivers/link/link.h"
#include "drivers/link/link_errors.h"
#include "hasar_protocol.h"
#include "hasar_status.h"

#include <QElapsedTimer>

namespace hasar_full_buffer {

namespace {

constexpr int kBufferFullBit = 6;

bool full(const HasarStatus& status) { return status.printer & (1u << kBufferFullBit); }

DriverError stillFull(int comPort, quint8 command, int seconds) {
    return DriverError(error_number::kBufferStillFull,
                       QStringLiteral("El búfer de impresión del impresor fiscal en COM%1 sigue lleno después de %2 s: "
                                      "el comando %3 no se ejecutó. Revise el papel y la tapa y vuelva a intentarlo")
                           .arg(comPort)
                           .arg(seconds)
                           .arg(link_error::commandCode(command)));
}

}  // namespace

frame::Frame sendUntilTaken(Link& link, int comPort, quint8 command, const std::function<frame::Frame()>& send) {
    const int limitMs = link.options().commandLimitMs;
    QElapsedTimer spent;
    spent.start();
    for (;;) {
        const frame::Frame reply = send();
        if (!full(readStatus(command, reply))) return reply;
        bool stillFullNow = true;
        while (stillFullNow) {
            if (spent.elapsed() >= limitMs) throw stillFull(comPort, command, limitMs / 1000);
            link.pause(kPollMs);
            stillFullNow = full(readStatus(hasar_command::kStatusRequest, link.exchange(hasar_command::kStatusRequest)));
        }
    }
}

}  // namespace hasar_full_buffer
