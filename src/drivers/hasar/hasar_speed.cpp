#include "hasar_driver.h"

#include "drivers/error_numbers.h"
#include "hasar_protocol.h"

namespace {

// The printer changes its line after its reply; the host changes its own only once the ACK has
// left at the old speed and the printer has had a moment to follow.
constexpr int kSpeedSettleMs = 100;

}  // namespace

void HasarDriver::SetPrinterSpeed(int fromBaud, int toBaud) {
    link_.openAt(comPort_, fromBaud);
    try {
        command({hasar_command::kSetComSpeed, {QByteArray::number(toBaud)}});
    } catch (const DriverError& e) {
        // A printer may take the new speed before its reply gets through: silence is no refusal.
        if (e.number() != error_number::kNoAnswer) {
            link_.close();
            throw;
        }
    }
    link_.pause(kSpeedSettleMs);
    link_.openAt(comPort_, toBaud);
    link_.exchange(hasar_command::kStatusRequest);
}
