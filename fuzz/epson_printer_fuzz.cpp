// The virtual Epson printer fed arbitrary frames.

#include "virtual_printer_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzVirtualPrinter(sim::Brand::Epson, data, size);
}
