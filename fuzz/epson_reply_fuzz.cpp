// The Epson driver reading an answer from arbitrary fields: the status words, what they mean,
// the trace's words for them, and the four answer properties after either request letter.

#include "fuzz_input.h"

#include <drivers/epson/epson_answer.h>
#include <drivers/epson/epson_status.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const frame::Frame& reply : fuzz_input::frames(fuzz_input::bytes(data, size))) {
        (void)epsonStatusInWords(reply.fields).size();
        if (const auto status = readStatus(reply.fields)) {
            (void)refusesStatusRequest(*status);
            (void)cancelFoundNothing(*status);
            (void)cancelMetAnOpenDocument(*status);
            if (isFailure(*status)) (void)failureError(reply.command, *status).description().size();
        }
        // The command byte stands in for the letter of the status request answered.
        const EpsonAnswer answer(static_cast<char>(reply.command), reply.fields);
        (void)(answer.answer0B().size() + answer.answer0E().size() + answer.answer10().size() +
               answer.answer11().size());
    }
    return 0;
}
