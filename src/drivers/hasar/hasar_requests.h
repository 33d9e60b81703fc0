#pragma once

#include "drivers/link/link_request.h"
#include "drivers/service_text.h"

#include <QDate>
#include <QString>
#include <optional>

// One Hasar command with its fields. Texts go in the printer's character set; a value the protocol
// cannot carry is a DriverError naming it, raised before anything is sent.
using HasarRequest = LinkRequest;

// The command and fields of each operation. `slip`: the model prints fiscal documents on the
// slip station.
namespace hasar_request {

HasarRequest customerData(const QString& name, const QString& id, int docType, int responsibility,
                          const std::optional<QString>& address);
HasarRequest openFiscalReceipt(int documentCode, bool slip);
HasarRequest lineItem(const QString& description, double quantity, double unitPrice, double vat, double internalTaxes);
HasarRequest payment(const QString& text, double amount);
// The negative payment that pays back what a partly paid document holds.
HasarRequest undoPayments(double paid);
HasarRequest associatedDocument(int index, const QString& documentNumber);
HasarRequest openHomologated(int documentCode, bool slip, std::optional<qint16> copies);
HasarRequest deliveryItem(const QString& description, double quantity);
HasarRequest receiptText(const QString& line);
HasarRequest nonFiscalText(const QString& line);
HasarRequest dailyClose(bool z);
HasarRequest globalByDate(const QDate& first, const QDate& last, bool global);
HasarRequest globalByNumber(int firstZ, int lastZ, bool global);
// One record of a logo file as logoRecords() cut it: its first byte, then the rest.
HasarRequest logoRecord(const QByteArray& record);
HasarRequest queryServiceText(ServiceText kind, int line);
// `field`: the line's text already checked and encoded for the model.
HasarRequest setServiceText(ServiceText kind, int line, const QByteArray& field);

}  // namespace hasar_request
