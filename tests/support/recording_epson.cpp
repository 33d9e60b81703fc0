#include "recording_epson.h"

#include "drivers/error_numbers.h"
#include "drivers/operation_error.h"

#include <tuple>
#include <utility>

using namespace arg;

void RecordingEpson::PortNumber(qint16 port) { trace_.record(QStringLiteral("PortNumber(%1)").arg(port)); }

void RecordingEpson::DailyReport(const QString& kind, const QString& print) {
    trace_.record(QStringLiteral("DailyReport(%1)").arg(list({kind, print})));
}

void RecordingEpson::GlobalReport(const QString& type, const QString& mode, const QString& first, const QString& last) {
    trace_.record(QStringLiteral("GlobalReport(%1)").arg(list({type, mode, first, last})));
}

void RecordingEpson::FeedPaper(const QString& station, const QString& lines) {
    trace_.record(QStringLiteral("FeedPaper(%1)").arg(list({station, lines})));
}

void RecordingEpson::CutPaper() { trace_.record(QStringLiteral("CutPaper()")); }
void RecordingEpson::OpenDrawer(const QString& drawer) { trace_.record(QStringLiteral("OpenDrawer(%1)").arg(q(drawer))); }

void RecordingEpson::SetDateTime(const QString& action, QString& date, QString& time) {
    trace_.record(QStringLiteral("SetDateTime(%1)").arg(list({action, date, time})));
    if (action == QLatin1String("G")) std::tie(date, time) = clock_;
}

bool RecordingEpson::StatusRequest(const QString& letter) {
    trace_.record(QStringLiteral("StatusRequest(%1)").arg(q(letter)));
    const auto it = answers_.constFind(letter);
    if (it == answers_.cend()) return false;
    held_ = *it;
    return true;
}

QString RecordingEpson::recorded(const QString& call, const QString& value) {
    trace_.record(call);
    return value;
}

QString RecordingEpson::Answer0B() { return recorded(QStringLiteral("Answer0B()"), held_.answer0B); }

QString RecordingEpson::Answer0E() { return recorded(QStringLiteral("Answer0E()"), held_.answer0E); }

QString RecordingEpson::Answer10() { return recorded(QStringLiteral("Answer10()"), held_.answer10); }

QString RecordingEpson::Answer11() { return recorded(QStringLiteral("Answer11()"), held_.answer11); }

void RecordingEpson::OpenNonFiscalDocument() { trace_.record(QStringLiteral("OpenNonFiscalDocument()")); }
void RecordingEpson::PrintNonFiscalText(const QString& line) { trace_.record(QStringLiteral("PrintNonFiscalText(%1)").arg(q(line))); }
void RecordingEpson::CloseNonFiscalDocument() { trace_.record(QStringLiteral("CloseNonFiscalDocument()")); }
void RecordingEpson::OpenTicket() { trace_.record(QStringLiteral("OpenTicket()")); }
void RecordingEpson::TicketItem(const QStringList& fields) { trace_.record(QStringLiteral("TicketItem(%1)").arg(list(fields))); }

void RecordingEpson::TicketPayment(const QString& description, const QString& amount, const QString& qualifier) {
    trace_.record(QStringLiteral("TicketPayment(%1)").arg(list({description, amount, qualifier})));
}

LeftOpen RecordingEpson::CancelAll() {
    trace_.record(QStringLiteral("CancelAll()"));
    return std::exchange(leftOpen_, {});
}

void RecordingEpson::CloseTicket() { trace_.record(QStringLiteral("CloseTicket()")); }

void RecordingEpson::OpenTicketInvoice(const QStringList& fields) {
    trace_.record(QStringLiteral("OpenTicketInvoice(%1)").arg(list(fields)));
}

void RecordingEpson::TicketInvoiceItem(const QStringList& fields) {
    trace_.record(QStringLiteral("TicketInvoiceItem(%1)").arg(list(fields)));
}

void RecordingEpson::TicketInvoicePayment(const QString& description, const QString& amount, const QString& qualifier) {
    trace_.record(QStringLiteral("TicketInvoicePayment(%1)").arg(list({description, amount, qualifier})));
}

void RecordingEpson::CloseTicketInvoice(const QString& type, const QString& letter, const QString& text) {
    trace_.record(QStringLiteral("CloseTicketInvoice(%1)").arg(list({type, letter, text})));
}

void RecordingEpson::CheckServiceText(ServiceText kind, int line, const QString& text) {
    trace_.record(QStringLiteral("CheckServiceText(%1,%2,%3)").arg(serviceKind(kind)).arg(line).arg(q(text)));
    if (serviceRefusals_.contains(line)) throw DriverError(error_number::kBadArgument, serviceRefusals_.value(line));
}

void RecordingEpson::SetServiceText(ServiceText kind, int line, const QString& text) {
    trace_.record(QStringLiteral("SetServiceText(%1,%2,%3)").arg(serviceKind(kind)).arg(line).arg(q(text)));
}
