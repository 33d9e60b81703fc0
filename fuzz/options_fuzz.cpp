// The virtual printer's command line on arbitrary arguments (one per line): valid options or
// a reason, never a crash.

#include "fuzz_input.h"

#include <options.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList arguments = QString::fromUtf8(fuzz_input::bytes(data, size)).split(QLatin1Char('\n'));
    QString error;
    const auto options = parseOptions(arguments, &error);
    if (!options && error.isEmpty()) std::abort();
    if (options) {
        for (const sim::Fault& f : options->faults)
            if (f.milliseconds < 0 || f.after < 0 || f.times < 0) std::abort();
    }
    return 0;
}
