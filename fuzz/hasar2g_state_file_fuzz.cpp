// The 2G Hasar's state-file loader on arbitrary JSON: whatever it accepts saves and reloads unchanged.

#include "fuzz_input.h"

#include <sim/hasar2g/state_file.h>

#include <QJsonDocument>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QJsonDocument doc = QJsonDocument::fromJson(fuzz_input::bytes(data, size));
    if (!doc.isObject()) return 0;
    QString error;
    const auto memory = sim::hasar2g::state_file::fromJson(doc.object(), &error);
    if (!memory) {
        if (error.isEmpty()) std::abort();  // a refusal must say why
        return 0;
    }
    const auto again = sim::hasar2g::state_file::fromJson(sim::hasar2g::state_file::toJson(*memory), &error);
    if (!again || !(*again == *memory)) std::abort();
    return 0;
}
