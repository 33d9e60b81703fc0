#include "epson_driver.h"

#include "drivers/error_numbers.h"
#include "drivers/link/link_errors.h"
#include "drivers/link/serial_transport.h"
#include "drivers/service_text.h"
#include "epson_charset.h"

namespace {

DriverError unreadable(quint8 command, const QString& what) {
    return DriverError(error_number::kBadReply, QStringLiteral("Respuesta no válida del impresor fiscal al comando %1: %2")
                                                    .arg(link_error::commandCode(command), what));
}

}  // namespace

EpsonDriver::EpsonDriver(PortResolver resolver, SpeedResolver speeds)
    : ownTransport_(std::make_unique<SerialTransport>(std::move(resolver), std::move(speeds))), link_(*ownTransport_, epsonLinkOptions()) {}

EpsonDriver::EpsonDriver(Transport& transport, LinkOptions options) : link_(transport, std::move(options)) {}

EpsonDriver::~EpsonDriver() = default;

void EpsonDriver::abort() { link_.abort(); }

void EpsonDriver::PortNumber(qint16 port) {
    if (port == port_) return;
    port_ = port;
    link_.close();
}

void EpsonDriver::ensureOpen(const EpsonRequest& request) {
    // A control byte would end or corrupt the frame: refuse it before the port is even touched.
    Link::check(request.command, request.fields);
    if (!link_.isOpen()) link_.open(port_);
}

EpsonDriver::Reply EpsonDriver::exchange(const EpsonRequest& request) {
    ensureOpen(request);

    frame::Frame answer = link_.exchange(request.command, request.fields);
    Reply reply;
    std::optional<EpsonStatus> status;
    if (answer.command != request.command)
        reply.problem = QStringLiteral("responde al comando %1").arg(link_error::commandCode(answer.command));
    else if (status = readStatus(answer.fields); !status)
        reply.problem = QStringLiteral("palabras de estado ilegibles");
    if (!reply.problem.isEmpty()) {
        // The two ends disagree on what was said: start again from a fresh synchronisation.
        link_.close();
        return reply;
    }
    reply.status = *status;
    reply.fields = std::move(answer.fields);
    return reply;
}

EpsonDriver::Reply EpsonDriver::send(const EpsonRequest& request, Judged judged) {
    if (judged == Judged::Raw) return exchange(request);
    ensureOpen(request);
    Reply reply;
    reconciler_.run(request, [&] {
        reply = exchange(request);
        if (!reply.problem.isEmpty()) throw unreadable(request.command, reply.problem);
        if (judged != Judged::Refusals) return;
        if (auto error = statusError(request.command, reply.status)) throw *error;
    });
    return reply;
}

void EpsonDriver::DailyReport(const QString& kind, const QString& print) {
    send(epson_request::dailyReport(kind, print), Judged::Refusals);
}

void EpsonDriver::GlobalReport(const QString& type, const QString& mode, const QString& first, const QString& last) {
    send(epson_request::globalReport(type, mode, first, last), Judged::Refusals);
}

void EpsonDriver::FeedPaper(const QString& station, const QString& lines) {
    send(epson_request::feedPaper(station, lines), Judged::Refusals);
}

void EpsonDriver::CutPaper() { send(epson_request::cutPaper(), Judged::Refusals); }

void EpsonDriver::OpenDrawer(const QString& drawer) { send(epson_request::openDrawer(drawer), Judged::Refusals); }

void EpsonDriver::SetDateTime(const QString& action, QString& date, QString& time) {
    const EpsonRequest request = epson_request::dateTime(action, date, time);
    const Reply reply = send(request, Judged::Refusals);
    if (epson_request::setsClock(action)) return;
    // Fields 3 and 4: the printer's date and time.
    if (reply.fields.size() < 4) throw unreadable(request.command, QStringLiteral("faltan la fecha y la hora"));
    date = QString::fromLatin1(reply.fields[2]);
    time = QString::fromLatin1(reply.fields[3]);
}

bool EpsonDriver::StatusRequest(const QString& letter) {
    // Port and link failures raise; an answer that is unreadable, refused or without data
    // leaves the previous answer in place.
    Reply reply = send(epson_request::statusRequest(letter), Judged::Raw);
    if (!reply.problem.isEmpty() || refusesStatusRequest(reply.status) || reply.fields.size() < 3) return false;
    answer_ = EpsonAnswer(letter.size() == 1 ? letter[0].toLatin1() : '\0', std::move(reply.fields));
    return true;
}

QString EpsonDriver::Answer0B() { return answer_.answer0B(); }
QString EpsonDriver::Answer0E() { return answer_.answer0E(); }
QString EpsonDriver::Answer10() { return answer_.answer10(); }
QString EpsonDriver::Answer11() { return answer_.answer11(); }

void EpsonDriver::OpenNonFiscalDocument() { send(epson_request::openNonFiscal(), Judged::Refusals); }
void EpsonDriver::PrintNonFiscalText(const QString& line) { send(epson_request::nonFiscalText(line), Judged::Refusals); }
void EpsonDriver::CloseNonFiscalDocument() { send(epson_request::closeNonFiscal(), Judged::Refusals); }

void EpsonDriver::OpenTicket() { send(epson_request::openTicket(), Judged::Refusals); }
void EpsonDriver::TicketItem(const QStringList& fields) { send(epson_request::ticketItem(fields), Judged::Refusals); }

void EpsonDriver::TicketPayment(const QString& description, const QString& amount, const QString& qualifier) {
    const EpsonRequest request = epson_request::ticketPayment(description, amount, qualifier);
    if (epson_request::isCancel(request)) {
        cancelOpen(request, epson_request::ticketInvoicePayment(description, amount, qualifier));
        return;
    }
    send(request, Judged::Refusals);
}

EpsonDriver::Cancelled EpsonDriver::cancelOpen(const EpsonRequest& ticketCancel, const EpsonRequest& invoiceCancel) {
    const Reply reply = send(ticketCancel, Judged::Readable);
    if (!isFailure(reply.status)) return Cancelled::Ticket;
    // Cancelling when no ticket is open has nothing to do; the caller only wanted none open.
    if (cancelFoundNothing(reply.status)) return Cancelled::Nothing;
    // A ticket-invoice left open may refuse the ticket's cancel: cancel it with its own
    // payment command, or the printer stays blocked until it is switched off.
    if (cancelMetAnOpenDocument(reply.status)) {
        const Reply invoiceReply = send(invoiceCancel, Judged::Readable);
        if (!isFailure(invoiceReply.status)) return Cancelled::TicketInvoice;
        // Refused too (a payment was made, or it is no ticket-invoice): the printer's own reason.
        throw failureError(invoiceCancel.command, invoiceReply.status);
    }
    throw failureError(ticketCancel.command, reply.status);
}

LeftOpen EpsonDriver::CancelAll() {
    const QString none;
    const QString zero = QStringLiteral("0");
    const QString cancel = QStringLiteral("C");
    const EpsonRequest ticketCancel = epson_request::ticketPayment(none, zero, cancel);
    ensureOpen(ticketCancel);
    const std::optional<EpsonReconciler::Counters> before = reconciler_.counters();
    // The printer says nothing is open: there is nothing to send.
    if (before && !before->documentOpen) return {};
    if (before && before->nonFiscalOpen) {
        send(epson_request::closeNonFiscal(), Judged::Refusals);
        return reconciler_.closedNonFiscal(countersAfterwards());
    }
    const Cancelled what = cancelOpen(ticketCancel, epson_request::ticketInvoicePayment(none, zero, cancel));
    if (what == Cancelled::Nothing) return {};
    return reconciler_.cancelled(what == Cancelled::Ticket, before, countersAfterwards());
}

std::optional<EpsonReconciler::Counters> EpsonDriver::countersAfterwards() {
    try {
        return reconciler_.counters();
    } catch (const DriverError&) {
        // The document is ended already; only its name is left untold.
        return std::nullopt;
    }
}

void EpsonDriver::CloseTicket() { send(epson_request::closeTicket(), Judged::Refusals); }

void EpsonDriver::OpenTicketInvoice(const QStringList& fields) { send(epson_request::openTicketInvoice(fields), Judged::Refusals); }
void EpsonDriver::TicketInvoiceItem(const QStringList& fields) { send(epson_request::ticketInvoiceItem(fields), Judged::Refusals); }
void EpsonDriver::TicketInvoicePayment(const QString& description, const QString& amount, const QString& qualifier) {
    send(epson_request::ticketInvoicePayment(description, amount, qualifier), Judged::Refusals);
}
void EpsonDriver::CloseTicketInvoice(const QString& type, const QString& letter, const QString& text) {
    send(epson_request::closeTicketInvoice(type, letter, text), Judged::Refusals);
}

namespace {

// Header and trailer lines 1-20 of 40 characters, as public drivers write them (the exact range
// per model is not known); the Epson keeps no fantasy name.
QByteArray epsonServiceField(ServiceText kind, int line, const QString& text) {
    const ServiceLimits limits = kind == ServiceText::FantasyName ? ServiceLimits{} : ServiceLimits{1, 20, 40};
    return serviceField(kind, line, text, limits, epson_charset::encode);
}

}  // namespace

void EpsonDriver::CheckServiceText(ServiceText kind, int line, const QString& text) {
    (void)epsonServiceField(kind, line, text);
}

void EpsonDriver::SetServiceText(ServiceText kind, int line, const QString& text) {
    // Sent again after a lost reply, the same line is stored once more: nothing is issued.
    send(EpsonRequest{epson_code::kSetHeaderTrailer,
                      {QByteArray::number(line).rightJustified(5, '0'), epsonServiceField(kind, line, text)}},
         Judged::Refusals);
}
