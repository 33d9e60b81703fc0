// The 2G driver's readers of what a printer on the network sends: the HTTP response as it arrives
// in pieces (the input cut at its first byte's value), read open and closed, and the JSON reply of
// its body. A reading never grows past its bounds, and a complete one is the same however cut.

#include "fuzz_input.h"

#include <drivers/hasar2g/hasar2g_answer.h>
#include <drivers/hasar2g/hasar2g_http.h>
#include <drivers/hasar2g/hasar2g_status.h>

#include <cstdlib>

namespace {

void readReply(const QByteArray& body) {
    const auto read = hasar2g_answer::read(body, QStringLiteral("ConsultarEstado"), QStringLiteral("ConsultarEstadoEspera"));
    if (const auto* a = std::get_if<hasar2g_answer::Answer>(&read)) {
        if (a->fields.size() > hasar2g_answer::kMaxFields || a->fiscalFlags.size() > hasar2g_answer::kMaxFlags) std::abort();
        (void)hasar2g_status::failed(*a);
        (void)hasar2g_status::conditions(*a).size();
        (void)hasar2g_status::documentInCourse(*a);
        (void)hasar2g_status::number(a->field("NumeroUltimoComprobante"));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz_input::bytes(data, size);
    if (input.isEmpty()) return 0;
    const QByteArray received = input.mid(1);
    const qsizetype cut = static_cast<quint8>(input[0]) % (received.size() + 1);

    const hasar2g_http::Reading early = hasar2g_http::read(received.left(cut), false);
    const hasar2g_http::Reading whole = hasar2g_http::read(received, true);
    if (whole.state == hasar2g_http::Reading::State::Incomplete) std::abort();  // closed: nothing more can come
    if (whole.state == hasar2g_http::Reading::State::Complete) {
        if (whole.response.body.size() > hasar2g_http::kMaxBodyBytes) std::abort();
        // A response complete early is the whole one when nothing followed it.
        if (early.state == hasar2g_http::Reading::State::Complete && cut == received.size() && early.response.body != whole.response.body)
            std::abort();
        readReply(whole.response.body);
    }
    readReply(received);
    return 0;
}
