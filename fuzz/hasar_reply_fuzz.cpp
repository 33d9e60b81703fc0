// The Hasar driver reading a reply's status words from an arbitrary frame, the trace's words for
// them, and what a status reply's data fields say about documents.

#include "fuzz_input.h"

#include <drivers/hasar/hasar_status.h>
#include <drivers/hasar/hasar_status_fields.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const frame::Frame& reply : fuzz_input::frames(fuzz_input::bytes(data, size))) {
        (void)hasarStatusInWords(reply.fields).size();
        if (const auto open = hasar_status_field::openDocument(reply))
            (void)hasar_status_field::lastNumber(reply, open->series);
        (void)hasar_status_field::lastCancelled(reply);
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
