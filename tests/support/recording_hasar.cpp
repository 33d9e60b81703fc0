#include "recording_hasar.h"

#include "drivers/error_numbers.h"
#include "drivers/operation_error.h"

#include <utility>

using namespace arg;

void RecordingHasar::ComPort(int port) { trace_.record(QStringLiteral("ComPort(%1)").arg(port)); }
void RecordingHasar::Model(int model) { trace_.record(QStringLiteral("Model(%1)").arg(model)); }
void RecordingHasar::BeginSession() { trace_.record(QStringLiteral("BeginSession()")); }
void RecordingHasar::Finalizar() { trace_.record(QStringLiteral("Finalizar()")); }
void RecordingHasar::SetPrinterSpeed(int fromBaud, int toBaud) {
    trace_.record(QStringLiteral("SetPrinterSpeed(%1,%2)").arg(fromBaud).arg(toBaud));
}
void RecordingHasar::SendCommand(const QByteArray& raw) { trace_.record(QStringLiteral("SendCommand(%1)").arg(q(raw))); }

void RecordingHasar::SetCustomerData(const QString& name, const QString& id, int docType, int responsibility,
                                     const std::optional<QString>& address) {
    QString line = QStringLiteral("SetCustomerData(%1,%2,%3,%4").arg(q(name), q(id)).arg(docType).arg(responsibility);
    if (address) line += QLatin1Char(',') + q(*address);
    trace_.record(line + QLatin1Char(')'));
}

void RecordingHasar::OpenFiscalReceipt(int documentCode) {
    trace_.record(QStringLiteral("OpenFiscalReceipt(%1)").arg(documentCode));
}

void RecordingHasar::ImprimirItem(const QString& description, double quantity, double unitPrice, double vat,
                                  double internalTaxes) {
    trace_.record(QStringLiteral("ImprimirItem(%1,%2,%3,%4,%5)")
                      .arg(q(description), num(quantity), num(unitPrice), num(vat), num(internalTaxes)));
}

void RecordingHasar::PrintPayment(const QString& text, double amount) {
    trace_.record(QStringLiteral("PrintPayment(%1,%2)").arg(q(text), num(amount)));
}

void RecordingHasar::CloseFiscalReceipt() { trace_.record(QStringLiteral("CloseFiscalReceipt()")); }

void RecordingHasar::AssociatedDocument(int index, const QString& documentNumber) {
    trace_.record(QStringLiteral("AssociatedDocument(%1,%2)").arg(index).arg(q(documentNumber)));
}

void RecordingHasar::OpenHomologatedDocument(int documentCode, std::optional<qint16> copies) {
    QString line = QStringLiteral("OpenHomologatedDocument(%1").arg(documentCode);
    if (copies) line += QStringLiteral(",%1").arg(*copies);
    trace_.record(line + QLatin1Char(')'));
}

void RecordingHasar::PrintDeliveryItem(const QString& description, double quantity) {
    trace_.record(QStringLiteral("PrintDeliveryItem(%1,%2)").arg(q(description), num(quantity)));
}

void RecordingHasar::PrintReceiptText(const QString& line) { trace_.record(QStringLiteral("PrintReceiptText(%1)").arg(q(line))); }
void RecordingHasar::CloseHomologatedDocument() { trace_.record(QStringLiteral("CloseHomologatedDocument()")); }
void RecordingHasar::OpenNonFiscalDocument() { trace_.record(QStringLiteral("OpenNonFiscalDocument()")); }
void RecordingHasar::PrintNonFiscalText(const QString& line) { trace_.record(QStringLiteral("PrintNonFiscalText(%1)").arg(q(line))); }
void RecordingHasar::CloseNonFiscalDocument() { trace_.record(QStringLiteral("CloseNonFiscalDocument()")); }
void RecordingHasar::PrintXReport() { trace_.record(QStringLiteral("PrintXReport()")); }
void RecordingHasar::PrintZReport() { trace_.record(QStringLiteral("PrintZReport()")); }

void RecordingHasar::GlobalReportByDate(const QDate& first, const QDate& last, bool global) {
    trace_.record(QStringLiteral("GlobalReportByDate(%1,%2,%3)").arg(date(first), date(last), boolean(global)));
}

void RecordingHasar::GlobalReportByNumber(int firstZ, int lastZ, bool global) {
    trace_.record(QStringLiteral("GlobalReportByNumber(%1,%2,%3)").arg(firstZ).arg(lastZ).arg(boolean(global)));
}

LeftOpen RecordingHasar::CancelAll() {
    trace_.record(QStringLiteral("CancelAll()"));
    return std::exchange(leftOpen_, {});
}
void RecordingHasar::OpenDrawer() { trace_.record(QStringLiteral("OpenDrawer()")); }
void RecordingHasar::CutPaper() { trace_.record(QStringLiteral("CutPaper()")); }
void RecordingHasar::LoadLogo(const QString& path) { trace_.record(QStringLiteral("LoadLogo(%1)").arg(q(path))); }

void RecordingHasar::query(const QString& name) {
    trace_.record(name + QStringLiteral("()"));
    last_ = answers_.value(name);
}

void RecordingHasar::QueryInitData() { query(QStringLiteral("QueryInitData")); }
void RecordingHasar::QueryDailyStatus() { query(QStringLiteral("QueryDailyStatus")); }
void RecordingHasar::QueryStatus() { query(QStringLiteral("QueryStatus")); }
void RecordingHasar::QueryDayActivity() { query(QStringLiteral("QueryDayActivity")); }

QString RecordingHasar::Respuesta(int field) {
    trace_.record(QStringLiteral("Respuesta(%1)").arg(field));
    return last_.value(field);
}

void RecordingHasar::CheckServiceText(ServiceText kind, int line, const QString& text) {
    trace_.record(QStringLiteral("CheckServiceText(%1,%2,%3)").arg(serviceKind(kind)).arg(line).arg(q(text)));
    if (serviceRefusals_.contains(line)) throw DriverError(error_number::kBadArgument, serviceRefusals_.value(line));
}

void RecordingHasar::SetServiceText(ServiceText kind, int line, const QString& text) {
    trace_.record(QStringLiteral("SetServiceText(%1,%2,%3)").arg(serviceKind(kind)).arg(line).arg(q(text)));
}

void RecordingHasar::QueryConfiguration() { query(QStringLiteral("QueryConfiguration")); }

void RecordingHasar::QueryServiceText(ServiceText kind, int line) {
    const QString call = QStringLiteral("QueryServiceText(%1,%2)").arg(serviceKind(kind)).arg(line);
    trace_.record(call);
    last_ = answers_.value(call);
}
