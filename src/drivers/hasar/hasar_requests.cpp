#include "hasar_requests.h"

#include "hasar_choices.h"
#include "hasar_fields.h"
#include "hasar_protocol.h"

using namespace hasar_command;
using hasar_field::Number;
using hasar_field::number;
using hasar_field::text;

namespace hasar_request {

namespace {

QByteArray flag(bool global) { return global ? QByteArrayLiteral("T") : QByteArrayLiteral("D"); }

QByteArray station(bool slip) { return slip ? QByteArrayLiteral("S") : QByteArrayLiteral("T"); }

}  // namespace

HasarRequest customerData(const QString& name, const QString& id, int docType, int responsibility,
                          const std::optional<QString>& address) {
    HasarRequest r{kSetCustomerData,
                   {text(name), text(id), hasar_field::character(responsibility, QStringLiteral("la responsabilidad ante el IVA")),
                    hasar_field::character(docType, QStringLiteral("el tipo de documento"))}};
    if (address) r.fields << text(*address);
    return r;
}

HasarRequest openFiscalReceipt(int documentCode, bool slip) {
    for (const auto& receipt : hasar_choice::kSlipReceipts)
        if (receipt.code == documentCode) return {kOpenFiscalReceipt, {QByteArray(1, receipt.type), "S"}};
    return {kOpenFiscalReceipt, {hasar_field::character(documentCode, QStringLiteral("el tipo de comprobante")), station(slip)}};
}

HasarRequest lineItem(const QString& description, double quantity, double unitPrice, double vat, double internalTaxes) {
    return {kPrintLineItem,
            {text(description), number(Number::Quantity, quantity), number(Number::UnitPrice, unitPrice),
             number(Number::VatRate, vat), "M", number(Number::InternalTax, internalTaxes), "0", "T"}};
}

HasarRequest payment(const QString& description, double amount) {
    return {kTotalTender, {text(description), number(Number::Payment, amount), "T", "0"}};
}

HasarRequest undoPayments(double paid) {
    return {kTotalTender, {hasar_choice::kUndoPaymentText, number(Number::Payment, -paid), "T", "0"}};
}

HasarRequest associatedDocument(int index, const QString& documentNumber) {
    if (index < 1 || index > 2)
        throw hasar_field::badArgument(QStringLiteral("línea de documento asociado %1 (debe ser 1 o 2)").arg(index));
    return {kSetEmbarkNumber, {QByteArray::number(index), text(documentNumber)}};
}

HasarRequest openHomologated(int documentCode, bool slip, std::optional<qint16> copies) {
    HasarRequest r{kOpenHomologated, {hasar_field::character(documentCode, QStringLiteral("el tipo de documento")), station(slip)}};
    if (copies) r.fields << QByteArray::number(*copies);
    return r;
}

HasarRequest deliveryItem(const QString& description, double quantity) {
    return {kPrintEmbarkItem, {text(description), number(Number::DeliveryQuantity, quantity), "0"}};
}

HasarRequest receiptText(const QString& line) { return {kReceiptText, {text(line)}}; }

HasarRequest nonFiscalText(const QString& line) { return {kPrintNonFiscalText, {text(line), "0"}}; }

HasarRequest dailyClose(bool z) { return {kDailyClose, {z ? QByteArrayLiteral("Z") : QByteArrayLiteral("X")}}; }

HasarRequest globalByDate(const QDate& first, const QDate& last, bool global) {
    return {kDailyCloseByDate, {hasar_field::date(first), hasar_field::date(last), flag(global)}};
}

HasarRequest globalByNumber(int firstZ, int lastZ, bool global) {
    return {kDailyCloseByNumber, {hasar_field::zNumber(firstZ), hasar_field::zNumber(lastZ), flag(global)}};
}

HasarRequest logoRecord(const QByteArray& record) { return {kStoreLogoData, {record.left(1), record.mid(1)}}; }

HasarRequest queryServiceText(ServiceText kind, int line) {
    return {kind == ServiceText::FantasyName ? kGetFantasyName : kGetHeaderTrailer, {QByteArray::number(line)}};
}

HasarRequest setServiceText(ServiceText kind, int line, const QByteArray& field) {
    return {kind == ServiceText::FantasyName ? kSetFantasyName : kSetHeaderTrailer, {QByteArray::number(line), field}};
}

}  // namespace hasar_request
