#include "hasar2g_reconcile.h"

#include "hasar2g_protocol.h"
#include "hasar2g_status.h"

using hasar2g_answer::Answer;
using issue_outcome::Reading;

Answer Hasar2gReconciler::open(int code) {
    const hasar2g_request::Request request = hasar2g_request::openDocument(code);
    opened_ = probed_ = code;
    Answer reply;
    engine_.opening(hasar2g::documentOfCode(code), [&] { reply = command_(request); });
    return reply;
}

Answer Hasar2gReconciler::inside(const hasar2g_request::Request& request) {
    Answer reply;
    engine_.inside([&] { reply = command_(request); });
    return reply;
}

Answer Hasar2gReconciler::close(int code) {
    const int closing = code ? code : opened_;
    opened_ = 0;
    probed_ = closing;
    const Document document = closing ? hasar2g::documentOfCode(closing) : Document::unnamed("el comprobante abierto");
    return closeThrough(document, hasar2g_request::closeDocument());
}

Answer Hasar2gReconciler::report(const Document& document, const hasar2g_request::Request& request) {
    probed_ = 0;
    return closeThrough(document, request);
}

Answer Hasar2gReconciler::closeThrough(const Document& document, const hasar2g_request::Request& request) {
    Answer reply;
    engine_.close(document, [&] { reply = command_(request); });
    return reply;
}

void Hasar2gReconciler::read(const Document& document, Reading& into) {
    const Answer status = exchange_(probed_ ? hasar2g_request::status(probed_) : hasar2g_request::Request{hasar2g::command::kConsultarEstado, {}});
    if (hasar2g_status::failed(status)) return;
    into.reached = true;
    into.documentOpen = hasar2g_status::documentInCourse(status) != 0 || status.fiscal(hasar2g::kDocumentOpenFlag);
    into.paid = hasar2g_status::withPayments(status);
    // The counters are per code; a Z or an X has none in ConsultarEstado.
    if (!probed_ || !document.counted() || document.series == Series::Z) return;
    into.counter = hasar2g_status::number(status.field("NumeroUltimoComprobante"));
    into.cancelledCount = hasar2g_status::number(status.field("CantidadCancelados"));
}

QString Hasar2gReconciler::pointOfSale() {
    // Only for the message: without it the number shows alone.
    try {
        const Answer init = exchange_({hasar2g::command::kConsultarDatosInicializacion, {}});
        if (hasar2g_status::failed(init)) return {};
        const auto n = hasar2g_status::number(init.field("NumeroPos"));
        return n ? QString::number(*n).rightJustified(4, QLatin1Char('0')) : QString();
    } catch (const DriverError&) {
        return {};
    }
}
