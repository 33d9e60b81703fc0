#pragma once

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QTime>
#include <optional>

// The parameters of each 2G command the driver sends, from the first generation's operation
// arguments. Each raises DriverError, before anything is sent, for a value the printer cannot take.
namespace hasar2g_request {

struct Request {
    const char* command;
    QJsonObject parameters;
};

// docType and responsibility are the first generation's letters as character codes: 'C' CUIT,
// 'L' CUIL, '2' DNI; 'I' registered, 'C' final consumer, 'M' monotributo.
Request customerData(const QString& name, const QString& id, int docType, int responsibility,
                     const std::optional<QString>& address);
Request openDocument(int code);
Request item(const QString& description, double quantity, double unitPrice, double vat, double internalTaxes);
// A delivery note's line: a quantity and no price.
Request deliveryItem(const QString& description, double quantity);
Request payment(const QString& description, double amount);
Request closeDocument();
// "A-0001-00000001": the letter of the invoice, its point of sale and number.
Request associatedDocument(int line, const QString& documentNumber);
Request dailyClose(bool z);
Request reportByDate(const QDate& first, const QDate& last);
Request reportByNumber(int firstZ, int lastZ);
Request setDateTime(const QDate& date, const QTime& time);
Request status(int code);

}  // namespace hasar2g_request
