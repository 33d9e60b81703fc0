// The virtual 2G Hasar on arbitrary request bodies, separated by NUL bytes: every reply is one JSON
// object under one key, and the memory it leaves saves and reloads unchanged.

#include "fuzz_input.h"

#include <sim/hasar2g/printer.h>
#include <sim/hasar2g/state_file.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sim::hasar2g::Printer printer({});
    qint64 now = 1'700'000'000'000;
    for (const QByteArray& body : fuzz_input::bytes(data, size).split('\0')) {
        const sim::hasar2g::Reply reply = printer.handle(body, now += 1000);
        const QJsonDocument doc = QJsonDocument::fromJson(reply.body);
        if ((reply.httpStatus != 200 && reply.httpStatus != 400) || !doc.isObject() || doc.object().size() != 1) std::abort();
        printer.paper().take();
    }
    QString error;
    const auto again = sim::hasar2g::state_file::fromJson(sim::hasar2g::state_file::toJson(printer.memory()), &error);
    if (!again || !(*again == printer.memory())) std::abort();
    return 0;
}
