#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include "drivers/operation_error.h"

// Values as the Hasar printer reads them inside a field. Each check fails with a DriverError
// before anything is sent.
namespace hasar_field {

// A value the protocol cannot carry, explained.
DriverError badArgument(const QString& why);

// In the printer's character set; DriverError naming a character it has not.
QByteArray text(const QString& value);

// The numeric fields this driver sends, each with its form in the maker's manual.
enum class Number { Quantity, UnitPrice, VatRate, InternalTax, Payment, DeliveryQuantity };
// The value in the form of its field: a decimal point always, the decimals the form fixes
// filled with zeros (1 as a price is "1.00", 0 as the internal-tax coefficient "0.00000000"), a
// quantity with one at least. A value with more whole digits or decimals than the field holds,
// or a sign it does not take, is a DriverError naming the field.
QByteArray number(Number field, double value);

// The one character of a code such as 65 ('A'); what names the value in the error.
QByteArray character(int code, const QString& what);
// YYMMDD.
QByteArray date(const QDate& value);
// A Z number, zero-padded.
QByteArray zNumber(int value);

}  // namespace hasar_field
