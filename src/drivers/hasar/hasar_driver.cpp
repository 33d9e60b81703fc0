#include "hasar_driver.h"

#include "drivers/error_numbers.h"
#include "drivers/link/link_errors.h"
#include "drivers/link/reply_fields.h"
#include "drivers/link/serial_transport.h"
#include "drivers/logo/logo_image.h"
#include "hasar_charset.h"
#include "hasar_choices.h"
#include "hasar_protocol.h"
#include "hasar_fields.h"
#include "hasar_requests.h"
#include "hasar_full_buffer.h"
#include "hasar_status.h"
#include "hasar_status_fields.h"

#include <algorithm>
#include <optional>

using namespace hasar_command;
using hasar_field::badArgument;
using hasar_choice::OpenState;
using IfUnknown = HasarReconciler::IfUnknown;

namespace {

// A printer answers "unknown command" to a command its model does not have: nothing was done.
DriverError modelLacks(int model, quint8 code) {
    const QString name = QString::fromUtf8(hasar_command::name(code)).toUpper();
    const QString command = name.isEmpty() ? link_error::commandCode(code)
                                           : QStringLiteral("%1 (%2)").arg(name, link_error::commandCode(code));
    const bool named = model >= 1 && model <= static_cast<int>(hasar_choice::kModelNames.size());
    const QString printer = named ? QStringLiteral("El modelo %1").arg(QString::fromUtf8(hasar_choice::kModelNames[model - 1]))
                                  : QStringLiteral("Este modelo de impresor Hasar");
    return DriverError(error_number::kCommandNotInModel,
                       QStringLiteral("%1 no tiene el comando %2").arg(printer, command));
}

DriverError cancelRefused(const QString& why) {
    return DriverError(error_number::kCancelRefused, QStringLiteral("No se pudo cancelar el comprobante abierto: %1").arg(why));
}

// The amount paid as the printer writes it: digits with a decimal point, nothing else.
std::optional<double> paidAmount(const QByteArray& field) {
    const QByteArray text = field.trimmed();
    if (text.isEmpty() || text.count('.') > 1) return std::nullopt;
    for (char c : text)
        if (c != '.' && (c < '0' || c > '9')) return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

HasarDriver::HasarDriver(PortResolver resolver, SpeedResolver speeds)
    : HasarDriver(std::make_unique<SerialTransport>(std::move(resolver), std::move(speeds)), hasar_choice::linkOptions()) {}

HasarDriver::HasarDriver(std::unique_ptr<Transport> transport, LinkOptions options)
    : transport_(std::move(transport)), link_(*transport_, std::move(options)) {}

HasarDriver::~HasarDriver() = default;

void HasarDriver::abort() { link_.abort(); }

void HasarDriver::ComPort(int port) { comPort_ = port; }

void HasarDriver::Model(int model) {
    if (model < 1 || model > 9) throw badArgument(QStringLiteral("modelo de impresor %1 (debe ser de 1 a 9)").arg(model));
    model_ = model;
    reconciler_.setSlipFamily(hasar_choice::slipFamily(model));
}

void HasarDriver::BeginSession() { link_.open(comPort_); }

void HasarDriver::Finalizar() { link_.close(); }

void HasarDriver::SendCommand(const QByteArray& raw) {
    if (raw.isEmpty()) throw badArgument(QStringLiteral("comando vacío"));
    if (raw.size() > 1 && raw[1] != frame::FS)
        throw badArgument(QStringLiteral("en el comando %1 cada campo debe ir precedido del carácter 28")
                              .arg(link_error::commandCode(static_cast<quint8>(raw[0]))));
    QList<QByteArray> fields;
    if (raw.size() > 1) fields = raw.mid(2).split(frame::FS);
    command({static_cast<quint8>(raw[0]), fields});
}

void HasarDriver::SetCustomerData(const QString& name, const QString& id, int docType, int responsibility,
                                  const std::optional<QString>& address) {
    command(hasar_request::customerData(name, id, docType, responsibility, address));
}

void HasarDriver::OpenFiscalReceipt(int documentCode) {
    command(hasar_request::openFiscalReceipt(documentCode, hasar_choice::slipFamily(model_)));
}

void HasarDriver::ImprimirItem(const QString& description, double quantity, double unitPrice, double vat,
                               double internalTaxes) {
    command(hasar_request::lineItem(description, quantity, unitPrice, vat, internalTaxes));
}

void HasarDriver::PrintPayment(const QString& text, double amount) { command(hasar_request::payment(text, amount)); }

void HasarDriver::CloseFiscalReceipt() { command({kCloseFiscalReceipt, {}}); }

void HasarDriver::AssociatedDocument(int index, const QString& documentNumber) {
    command(hasar_request::associatedDocument(index, documentNumber));
}

void HasarDriver::OpenHomologatedDocument(int documentCode, std::optional<qint16> copies) {
    command(hasar_request::openHomologated(documentCode, hasar_choice::slipFamily(model_), copies));
}

void HasarDriver::PrintDeliveryItem(const QString& description, double quantity) {
    command(hasar_request::deliveryItem(description, quantity));
}

void HasarDriver::PrintReceiptText(const QString& line) { command(hasar_request::receiptText(line)); }

void HasarDriver::CloseHomologatedDocument() { command({kCloseHomologated, {}}); }

void HasarDriver::OpenNonFiscalDocument() { command({kOpenNonFiscal, {}}); }

void HasarDriver::PrintNonFiscalText(const QString& line) { command(hasar_request::nonFiscalText(line)); }

void HasarDriver::CloseNonFiscalDocument() { command({kCloseNonFiscal, {}}); }

void HasarDriver::PrintXReport() { command(hasar_request::dailyClose(false)); }

void HasarDriver::PrintZReport() { command(hasar_request::dailyClose(true)); }

void HasarDriver::GlobalReportByDate(const QDate& first, const QDate& last, bool global) {
    command(hasar_request::globalByDate(first, last, global));
}

void HasarDriver::GlobalReportByNumber(int firstZ, int lastZ, bool global) {
    command(hasar_request::globalByNumber(firstZ, lastZ, global));
}

LeftOpen HasarDriver::CancelAll() {
    const frame::Frame reply = send(kStatusRequest, {}, IfUnknown::Answer);
    const HasarStatus status = readStatus(kStatusRequest, reply);
    if (auto error = statusError(kStatusRequest, status)) throw *error;
    if (!documentOpen(status)) return {};
    const bool slip = hasar_choice::slipFamily(model_);
    const auto auxiliary = readAuxiliary(reply.fields.value(hasar_answer::kAuxiliary - 1), slip);
    const OpenState state = auxiliary ? hasar_choice::openState(auxiliary->state, slip) : OpenState::Cancellable;

    // What is open, named before anything is done to it: the printer says its kind, and it
    // carries the number after the last of its series.
    LeftOpen found;
    std::optional<quint32> number;
    if (const std::optional<Document> named = hasar_status_field::openDocument(reply)) {
        found.document = named->title;
        if (const auto last = hasar_status_field::lastNumber(reply, named->series)) number = *last % 99'999'999 + 1;
    } else if (state == OpenState::NonFiscal) {
        found.document = Document::of(DocumentId::NonFiscal).title;
    } else {
        found.document = fiscalDocumentOpen(status) ? QStringLiteral("el comprobante fiscal")
                                                    : QStringLiteral("el documento no fiscal homologado");
    }
    const auto told = [&](LeftOpen::End end) {
        found.end = end;
        if (number) found.number = printedNumber(*number, reconciler_.pointOfSale());
        return found;
    };

    switch (state) {
    case OpenState::Blocked:
        throw cancelRefused(QStringLiteral("el impresor informa que está bloqueado (estado auxiliar %1) y no acepta "
                                           "comprobantes; necesita el servicio técnico autorizado")
                                .arg(auxiliary->state));
    case OpenState::FullyPaid:
        // The close reports the number it issued; without it, the status's stays.
        if (const auto closed = issued(kCloseFiscalReceipt)) number = closed;
        return told(LeftOpen::End::IssuedPaid);
    case OpenState::PartlyPaid: undoPayments(); break;
    default: break;
    }

    quint8 sent = kCancel;
    HasarStatus answer = readStatus(kCancel, send(kCancel, {}, IfUnknown::Answer));
    if (unknownCommand(answer)) {
        // The ticket models know no Cancel: a fiscal document is cancelled with TotalTender "C",
        // anything else can only be closed.
        if (state == OpenState::NonFiscal) {
            command({kCloseNonFiscal, {}});
            return told(LeftOpen::End::Closed);
        }
        if (!fiscalDocumentOpen(status)) {
            if (const auto closed = issued(kCloseHomologated)) number = closed;
            return told(LeftOpen::End::IssuedUncancellable);
        }
        sent = kTotalTender;
        answer = readStatus(kTotalTender, send(kTotalTender, hasar_choice::kCancelByTender, IfUnknown::Fail));
    }
    if (auto error = statusError(sent, answer)) throw cancelRefused(error->description());
    return told(LeftOpen::End::Cancelled);
}

void HasarDriver::undoPayments() {
    const frame::Frame subtotal = send(kSubtotal, hasar_choice::kSilentSubtotal, IfUnknown::Fail);
    const HasarStatus status = readStatus(kSubtotal, subtotal);
    const auto paid = paidAmount(subtotal.fields.value(hasar_answer::kSubtotalPaid - 1));
    if (auto error = statusError(kSubtotal, status))
        throw cancelRefused(QStringLiteral("no se pudo leer lo ya pagado: %1").arg(error->description()));
    if (!paid || *paid <= 0)
        throw cancelRefused(QStringLiteral("tiene pagos parciales y el impresor no informó cuánto se pagó"));
    const HasarRequest undo = hasar_request::undoPayments(*paid);
    if (auto error = statusError(kTotalTender, readStatus(kTotalTender, send(undo.command, undo.fields, IfUnknown::Fail))))
        throw DriverError(error_number::kCancelRefused,
                          QStringLiteral("No se pudieron anular los pagos parciales del comprobante abierto: %1")
                              .arg(error->description()));
}

std::optional<quint32> HasarDriver::issued(quint8 close) {
    frame::Frame reply;
    try {
        // Through the engine: a lost reply here is told from the printer's record, as any close.
        reply = reconciler_.closeLeftOpen(close);
    } catch (const DriverError& error) {
        if (error_number::classOf(error.number()) != error_number::Class::Refusal) throw;
        throw DriverError(error_number::kCancelRefused,
                          QStringLiteral("No se pudo cancelar ni cerrar el comprobante abierto: %1").arg(error.description()));
    }
    return reply_field::number(reply.fields, hasar_answer::kIssuedNumber);
}

void HasarDriver::OpenDrawer() { command({kOpenDrawer, {}}); }

void HasarDriver::CutPaper() { command({kCutPaper, {}}); }

void HasarDriver::LoadLogo(const QString& path) {
    // Every check happens here, before the printer's logo is touched: the file, the logo it
    // makes against what the printer stores, and whether the family stores a logo at all.
    const LogoImage image = readLogoImage(path);
    const QByteArray file = bmpFile(image);
    checkFitsPrinter(image, file);
    if (!hasar_choice::slipFamily(model_)) throw modelLacks(model_, kResetLogoData);
    const QList<QByteArray> records = logoRecords(file);
    command({kResetLogoData, {}});
    try {
        for (const QByteArray& record : records) command(hasar_request::logoRecord(record));
    } catch (const DriverError& error) {
        throw DriverError(error.number(), error.description() +
                                              QStringLiteral(". El logo anterior ya se había borrado: el impresor queda "
                                                             "sin logo hasta que se cargue uno completo"));
    }
}

void HasarDriver::QueryInitData() { query(kGetInitData); }

void HasarDriver::QueryDailyStatus() { query(kHistoryCapacity); }

void HasarDriver::QueryStatus() {
    query(kStatusRequest);
    if (answer_.size() < hasar_answer::kLastCreditNoteA) return;
    while (answer_.size() < std::max(hasar_answer::kLastCreditNoteBCCopy, hasar_answer::kLastCreditNoteACopy)) answer_.append(QByteArray());
    answer_[hasar_answer::kLastCreditNoteBCCopy - 1] = answer_[hasar_answer::kLastCreditNoteBC - 1];
    answer_[hasar_answer::kLastCreditNoteACopy - 1] = answer_[hasar_answer::kLastCreditNoteA - 1];
}

void HasarDriver::QueryDayActivity() { query(kGetWorkingMemory); }

void HasarDriver::QueryConfiguration() { query(kGetConfigurationData); }

void HasarDriver::QueryServiceText(ServiceText kind, int line) {
    checkServiceLine(kind, line, hasar_choice::serviceLimits(kind, model_));
    const HasarRequest request = hasar_request::queryServiceText(kind, line);
    query(request.command, request.fields);
}

QByteArray HasarDriver::serviceField(ServiceText kind, int line, const QString& text) const {
    return ::serviceField(kind, line, text, hasar_choice::serviceLimits(kind, model_), hasar_charset::encode);
}

void HasarDriver::CheckServiceText(ServiceText kind, int line, const QString& text) { (void)serviceField(kind, line, text); }

void HasarDriver::SetServiceText(ServiceText kind, int line, const QString& text) {
    // Sent again after a lost reply, the same line is stored once more: nothing is issued.
    command(hasar_request::setServiceText(kind, line, serviceField(kind, line, text)));
}

QString HasarDriver::Respuesta(int field) {
    if (field == 0) return hasar_charset::decode(answer_.join(frame::FS));
    if (field < 1 || field > answer_.size()) return {};
    return hasar_charset::decode(answer_[field - 1]);
}

void HasarDriver::command(const HasarRequest& request) {
    const frame::Frame reply = reconciler_.exchange(request.command, request.fields);
    if (auto error = statusError(request.command, readStatus(request.command, reply))) throw *error;
}

frame::Frame HasarDriver::send(quint8 code, const QList<QByteArray>& fields, IfUnknown ifUnknown) {
    const frame::Frame reply =
        hasar_full_buffer::sendUntilTaken(link_, comPort_, code, [&] { return link_.exchange(code, fields); });
    if (ifUnknown == IfUnknown::Fail && unknownCommand(readStatus(code, reply))) throw modelLacks(model_, code);
    return reply;
}

void HasarDriver::query(quint8 code, const QList<QByteArray>& fields) {
    // A failed query must not leave the previous answer readable as if it were this one.
    answer_.clear();
    answer_ = send(code, fields, IfUnknown::Answer).fields;
}
