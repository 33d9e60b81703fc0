// The Hasar driver reading a reply's status words from an arbitrary frame, and the trace's words for them.

#include "fuzz_input.h"

#include <drivers/hasar/hasar_status.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const frame::Frame& reply : fuzz_input::frames(fuzz_input::bytes(data, size))) {
        (void)hasarStatusInWords(reply.fields).size();
        try {
            const HasarStatus status = readStatus(reply.command, reply);
            (void)documentOpen(status);
            if (const auto error = statusError(reply.command, status)) (void)error->description().size();
        } catch (const DriverError& e) {
            (void)e.description().size();
        }
    }
    return 0;
}
