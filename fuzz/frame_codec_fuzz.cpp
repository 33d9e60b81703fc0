// The frame decoder on arbitrary bytes: every frame it accepts encodes back to bytes that
// decode to the same frame, whatever way the bytes were split on arrival.

#include "fuzz_input.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz_input::bytes(data, size);
    frame::Decoder decoder;
    // The first byte picks where the stream is cut, so partial arrivals are exercised too.
    const qsizetype cut = size > 0 ? data[0] % (input.size() + 1) : 0;
    decoder.feed(QByteArrayView(input).first(cut));
    decoder.feed(QByteArrayView(input).sliced(cut));
    while (const auto item = decoder.next()) {
        if (item->kind != frame::Received::Kind::Frame) continue;
        if (!frame::fieldProblem(item->frame).isEmpty()) std::abort();  // decoded a frame that cannot travel
        frame::Decoder again;
        again.feed(frame::encode(item->frame));
        const auto back = again.next();
        if (!back || back->kind != frame::Received::Kind::Frame || !(back->frame == item->frame) || again.next())
            std::abort();
    }
    return 0;
}
