#include "hasar2g_driver.h"

#include "drivers/error_numbers.h"
#include "hasar2g_protocol.h"
#include "hasar2g_raw.h"
#include "hasar2g_status.h"

#include <QElapsedTimer>
#include <QJsonDocument>

using hasar2g_answer::Answer;
using hasar2g_request::Request;
using namespace hasar2g::command;

namespace {

// The printer's own texts go into messages cut to this: they are untrusted.
constexpr qsizetype kMaxEcho = 200;

QString echo(const QString& s) { return s.size() > kMaxEcho ? s.left(kMaxEcho) + QStringLiteral("…") : s; }

DriverError notOpen() {
    return DriverError(error_number::kPortNotOpen, QStringLiteral("No hay una sesión abierta con el impresor 2G"));
}

}  // namespace

Hasar2gDriver::Hasar2gDriver(PortResolver addresses, CredentialResolver credentials, Hasar2gLimits limits)
    : addresses_(std::move(addresses)),
      credentials_(std::move(credentials)),
      transport_(limits),
      // Each command has a connection of its own: after a failure the printer need only answer again.
      reconciler_([this](const Request& r) { return command(r); }, [this](const Request& r) { return exchange(r); },
                  IssueEngine::Line{[] { return false; }, [this] { reachAgain(); }, [] {}}) {}

void Hasar2gDriver::Model(int model) {
    if (model < 1 || model > 9)
        throw DriverError(error_number::kBadArgument, QStringLiteral("Modelo de impresor %1 (debe ser de 1 a 9)").arg(model));
    // The slip families' documents (invoices on a sheet, receipts X) have no counterpart on a 2G
    // ticket printer: refused rather than printed as something else.
    if (model == 7 || model == 8)
        throw DriverError(error_number::kCommandNotInModel,
                          QStringLiteral("El puerto lleva a un Hasar 2G, que imprime tiques: los documentos de la entrada %1 "
                                         "(hoja suelta) no tienen equivalente. Elija una entrada de impresor de tique "
                                         "(2 a 5, o 9)")
                              .arg(model));
}

void Hasar2gDriver::BeginSession() {
    session_ = false;
    const QString device = addresses_ ? addresses_(comPort_) : QString();
    QString problem;
    std::optional<network_address::Address> address = network_address::parse(device, &problem);
    if (!address)
        throw DriverError(error_number::kNetworkUnreachable,
                          QStringLiteral("COM%1 no lleva a un impresor 2G: %2. Asígnelo con orbelo --asignar %1=http://DIRECCIÓN")
                              .arg(comPort_)
                              .arg(problem));
    if (!address->credentials.given() && credentials_) address->credentials = credentials_(comPort_);
    transport_.setTarget(QStringLiteral("COM%1 (%2)").arg(comPort_).arg(address->shown()), *address);
    session_ = true;
    try {
        command({kConsultarEstado, {}});
    } catch (const DriverError&) {
        session_ = false;
        throw;
    }
}

void Hasar2gDriver::SetPrinterSpeed(int, int) { lacks(QStringLiteral("velocidad de línea: atiende por la red")); }

void Hasar2gDriver::SendCommand(const QByteArray& raw) {
    const hasar2g_raw::Translated t = hasar2g_raw::translate(raw);
    switch (t.role) {
    case hasar2g_raw::Translated::Role::Opens: reconciler_.open(t.code); return;
    case hasar2g_raw::Translated::Role::Closes: reconciler_.close(); return;
    case hasar2g_raw::Translated::Role::Plain: break;
    }
    reconciler_.inside(t.request);
}

void Hasar2gDriver::SetCustomerData(const QString& name, const QString& id, int docType, int responsibility,
                                    const std::optional<QString>& address) {
    reconciler_.inside(hasar2g_request::customerData(name, id, docType, responsibility, address));
}

void Hasar2gDriver::OpenFiscalReceipt(int documentCode) {
    const auto code = documentCode >= 0 && documentCode < 128 ? hasar2g::codeOfLetter(static_cast<char>(documentCode), false) : std::nullopt;
    if (!code)
        throw DriverError(error_number::kBadArgument,
                          QStringLiteral("El Hasar 2G no emite el comprobante fiscal de código %1").arg(documentCode));
    reconciler_.open(*code);
}

void Hasar2gDriver::ImprimirItem(const QString& description, double quantity, double unitPrice, double vat,
                                 double internalTaxes) {
    reconciler_.inside(hasar2g_request::item(description, quantity, unitPrice, vat, internalTaxes));
}

void Hasar2gDriver::PrintPayment(const QString& text, double amount) { reconciler_.inside(hasar2g_request::payment(text, amount)); }

void Hasar2gDriver::CloseFiscalReceipt() { reconciler_.close(); }

void Hasar2gDriver::AssociatedDocument(int index, const QString& documentNumber) {
    reconciler_.inside(hasar2g_request::associatedDocument(index, documentNumber));
}

void Hasar2gDriver::OpenHomologatedDocument(int documentCode, std::optional<qint16>) {
    const auto code = documentCode >= 0 && documentCode < 128 ? hasar2g::codeOfLetter(static_cast<char>(documentCode), true) : std::nullopt;
    if (!code)
        throw DriverError(error_number::kBadArgument, QStringLiteral("El Hasar 2G no emite el documento de código %1").arg(documentCode));
    reconciler_.open(*code);
}

void Hasar2gDriver::PrintDeliveryItem(const QString& description, double quantity) {
    reconciler_.inside(hasar2g_request::deliveryItem(description, quantity));
}

void Hasar2gDriver::PrintReceiptText(const QString&) { lacks(QStringLiteral("texto de recibo")); }

void Hasar2gDriver::CloseHomologatedDocument() { reconciler_.close(); }

// No text command of the generic document is known: opening one would only leave it to cancel.
void Hasar2gDriver::OpenNonFiscalDocument() { lacks(QStringLiteral("documento no fiscal con texto")); }

void Hasar2gDriver::PrintNonFiscalText(const QString&) { lacks(QStringLiteral("texto no fiscal")); }

void Hasar2gDriver::CloseNonFiscalDocument() { lacks(QStringLiteral("documento no fiscal con texto")); }

void Hasar2gDriver::PrintXReport() { reconciler_.report(Document::xReport(), hasar2g_request::dailyClose(false)); }

void Hasar2gDriver::PrintZReport() { reconciler_.report(Document::zReport(), hasar2g_request::dailyClose(true)); }

void Hasar2gDriver::GlobalReportByDate(const QDate& first, const QDate& last, bool) {
    reconciler_.report(Document::globalReport(), hasar2g_request::reportByDate(first, last));
}

void Hasar2gDriver::GlobalReportByNumber(int firstZ, int lastZ, bool) {
    reconciler_.report(Document::globalReport(), hasar2g_request::reportByNumber(firstZ, lastZ));
}

LeftOpen Hasar2gDriver::CancelAll() {
    const Answer status = command({kConsultarEstado, {}});
    const int open = hasar2g_status::documentInCourse(status);
    if (!open && !status.fiscal(hasar2g::kDocumentOpenFlag)) return {};

    LeftOpen found;
    found.document = hasar2g::documentOfCode(open).title;
    std::optional<quint32> number;
    if (open)
        if (const auto last = hasar2g_status::number(lastNumber(open))) number = *last % 99'999'999 + 1;
    const auto told = [&](LeftOpen::End end) {
        found.end = end;
        if (number) found.number = printedNumber(*number, reconciler_.pointOfSale());
        return found;
    };

    if (hasar2g_status::withPayments(status)) {
        // A document with a payment is not cancelled by the printer: it can only be closed, and then it is issued.
        try {
            const Answer closed = reconciler_.close(open);
            if (const auto n = hasar2g_status::number(closed.field("NumeroComprobante"))) number = n;
        } catch (const DriverError& error) {
            if (error_number::classOf(error.number()) != error_number::Class::Refusal) throw;
            throw DriverError(error_number::kCancelRefused,
                              QStringLiteral("No se pudo cancelar ni cerrar el comprobante abierto: %1").arg(error.description()));
        }
        return told(LeftOpen::End::IssuedPaid);
    }
    try {
        command({kCancelar, {}});
    } catch (const DriverError& error) {
        if (error_number::classOf(error.number()) != error_number::Class::Refusal) throw;
        throw DriverError(error_number::kCancelRefused,
                          QStringLiteral("No se pudo cancelar el comprobante abierto: %1").arg(error.description()));
    }
    return told(LeftOpen::End::Cancelled);
}

void Hasar2gDriver::OpenDrawer() { lacks(QStringLiteral("apertura de cajón")); }

void Hasar2gDriver::CutPaper() { lacks(QStringLiteral("corte de papel")); }

void Hasar2gDriver::LoadLogo(const QString&) { lacks(QStringLiteral("carga de logo")); }

void Hasar2gDriver::QueryInitData() {
    answer_.clear();
    const Answer init = exchange({kConsultarDatosInicializacion, {}});
    if (hasar2g_status::failed(init)) return;
    // Where the first generation keeps each datum: 3 CUIT, 4 name, 5 printer number, 6 the
    // initialisation date (not told), 7 point of sale, 8 gross income, 9 start of activities, 10 IVA.
    keepAnswer(init, {init.field("CUIT"), init.field("RazonSocial"), init.field("Registro"), QString(), init.field("NumeroPos"),
                      init.field("IngBrutos"), init.field("FechaInicioActividades"), init.field("ResponsabilidadIVA")});
}

void Hasar2gDriver::QueryDailyStatus() {
    // No 2G command we know tells the Z capacity and the last Z: the answer carries no data.
    answer_.clear();
}

void Hasar2gDriver::QueryStatus() {
    answer_.clear();
    const Answer status = exchange({kConsultarEstado, {}});
    if (hasar2g_status::failed(status)) return;
    // 3 last invoice B/C, 4 the internal state, 5 last invoice A, 6 the document in course, 7 and
    // 8 last credit notes B/C and A; the window reads the credit notes as 13 and 14.
    const QString creditBC = lastNumber(hasar2g::kCreditNoteB), creditA = lastNumber(hasar2g::kCreditNoteA);
    keepAnswer(status, {lastNumber(hasar2g::kTicketInvoiceB), status.field("EstadoInterno"), lastNumber(hasar2g::kTicketInvoiceA),
                        status.field("ComprobanteEnCurso"), creditBC, creditA, {}, {}, {}, {}, creditBC, creditA});
}

void Hasar2gDriver::QueryDayActivity() {
    answer_.clear();
    // The day's counts by kind, summed over every code the printer counts: cancelled, non-fiscal, fiscal.
    quint64 cancelled = 0, nonFiscal = 0, fiscal = 0;
    Answer last;
    for (const hasar2g::Code& c : hasar2g::kCodes) {
        last = exchange(hasar2g_request::status(c.code));
        if (hasar2g_status::failed(last)) return;
        const auto issued = hasar2g_status::number(last.field("CantidadEmitidos"));
        const auto gone = hasar2g_status::number(last.field("CantidadCancelados"));
        if (!issued || !gone) return;
        cancelled += *gone;
        (c.code == hasar2g::kDeliveryNote || c.code == hasar2g::kGeneric ? nonFiscal : fiscal) += *issued;
    }
    keepAnswer(last, {QString::number(cancelled), QString::number(nonFiscal), QString::number(fiscal)});
}

void Hasar2gDriver::QueryConfiguration() {
    // The final-consumer limit is not among what a 2G printer is known to tell.
    answer_.clear();
}

void Hasar2gDriver::QueryServiceText(ServiceText, int) {
    // The shop's texts live in the 2G printer's zones, whose lines do not match the first
    // generation's: nothing is read.
    answer_.clear();
}

void Hasar2gDriver::CheckServiceText(ServiceText, int, const QString&) { lacks(QStringLiteral("textos de encabezado, pie y nombre de fantasía")); }

void Hasar2gDriver::SetServiceText(ServiceText kind, int line, const QString& text) { CheckServiceText(kind, line, text); }

QString Hasar2gDriver::Respuesta(int field) {
    if (field == 0) return answer_.join(QChar(0x1C));
    return field >= 1 && field <= answer_.size() ? answer_[field - 1] : QString();
}

void Hasar2gDriver::keepAnswer(const Answer& reply, const QStringList& fields) {
    answer_ = QStringList{reply.printerFlags.join(QLatin1Char(',')), reply.fiscalFlags.join(QLatin1Char(','))} + fields;
}

QString Hasar2gDriver::lastNumber(int code) {
    const Answer status = exchange(hasar2g_request::status(code));
    return hasar2g_status::failed(status) ? QString() : status.field("NumeroUltimoComprobante");
}

void Hasar2gDriver::lacks(const QString& what) const {
    throw DriverError(error_number::kCommandNotInModel,
                      QStringLiteral("El Hasar 2G no tiene esa función (%1): no se envió nada al impresor").arg(what));
}

Answer Hasar2gDriver::exchange(const Request& request) {
    if (!session_) throw notOpen();
    const QString name = QLatin1String(request.command);
    const QByteArray json = QJsonDocument(QJsonObject{{name, request.parameters}}).toJson(QJsonDocument::Compact);
    Answer reply = readReply(transport_.post(name, json), name);
    if (reply.busy) reply = waitWhileBusy(name);
    tellConditions(reply);
    return reply;
}

Answer Hasar2gDriver::command(const Request& request) {
    const Answer reply = exchange(request);
    if (hasar2g_status::failed(reply)) throw refusal(QLatin1String(request.command), reply);
    return reply;
}

Answer Hasar2gDriver::readReply(const QByteArray& body, const QString& command, const QString& alsoAccepted) {
    auto read = hasar2g_answer::read(body, command, alsoAccepted);
    if (const QString* problem = std::get_if<QString>(&read))
        throw DriverError(error_number::kBadReply,
                          QStringLiteral("La respuesta del impresor 2G de %1 a %2 no se puede leer: %3").arg(transport_.label(), command, *problem));
    return std::get<Answer>(std::move(read));
}

Answer Hasar2gDriver::waitWhileBusy(const QString& command) {
    QElapsedTimer waited;
    waited.start();
    emit events_.held(PrinterHold::Busy);
    const QString poll = QLatin1String(kConsultarEstadoEspera);
    const QByteArray json = QJsonDocument(QJsonObject{{poll, QJsonObject{}}}).toJson(QJsonDocument::Compact);
    for (;;) {
        if (waited.elapsed() > transport_.limits().busyLimitMs) {
            emit events_.held(PrinterHold::None);
            throw DriverError(error_number::kPrinterStuck,
                              QStringLiteral("El impresor 2G de %1 siguió ocupado %2 s con %3")
                                  .arg(transport_.label())
                                  .arg(transport_.limits().busyLimitMs / 1000)
                                  .arg(command));
        }
        transport_.pause(transport_.limits().busyPollMs);
        Answer reply;
        try {
            // Once free, the printer answers the poll with the waiting command's reply.
            reply = readReply(transport_.post(poll, json), command, poll);
        } catch (const DriverError& e) {
            emit events_.held(PrinterHold::None);
            throw DriverError(e.number(), QStringLiteral("%1, mientras se esperaba la respuesta a %2").arg(e.description(), command));
        }
        if (!reply.busy) {
            emit events_.held(PrinterHold::None);
            return reply;
        }
    }
}

DriverError Hasar2gDriver::refusal(const QString& command, const Answer& reply) {
    QString why;
    try {
        const Answer last = exchange({kConsultarUltimoError, {}});
        if (!hasar2g_status::failed(last)) {
            why = echo(last.field("Descripcion"));
            const QString context = echo(last.field("Contexto"));
            const QString parameter = echo(last.field("NombreParametro"));
            if (!context.isEmpty()) why += QStringLiteral(" (%1)").arg(context);
            if (!parameter.isEmpty()) why += QStringLiteral("; parámetro %1").arg(parameter);
        }
    } catch (const DriverError&) {
        // The flags still say what kind of failure it was.
    }
    if (why.trimmed().isEmpty()) why = hasar2g_status::failureWords(reply).join(QStringLiteral(", "));
    const bool fault = hasar2g_status::mechanismFault(reply);
    return DriverError(fault ? error_number::kPrinterFault : error_number::kPrinterRefused,
                       QStringLiteral("El impresor 2G rechazó %1: %2").arg(command, why));
}

void Hasar2gDriver::reachAgain() {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        try {
            exchange({kConsultarEstado, {}});
            return;
        } catch (const DriverError& e) {
            // A printer starting again refuses connections or drops them; anything else is read as it is.
            const bool starting = e.number() == error_number::kNetworkUnreachable || e.number() == error_number::kNetworkLost;
            if (!starting || waited.elapsed() > transport_.limits().rereadMs) return;
        }
        transport_.pause(transport_.limits().busyPollMs);
    }
}

void Hasar2gDriver::tellConditions(const Answer& reply) {
    const QStringList now = hasar2g_status::conditions(reply);
    if (now == conditions_) return;
    conditions_ = now;
    emit events_.conditionsReported(conditions_);
}
