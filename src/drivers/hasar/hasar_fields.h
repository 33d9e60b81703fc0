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
// Decimal text with a point and at least one decimal: 1.0, 0.01, -2.5.
QByteArray decimal(double value);
// The one character of a code such as 65 ('A'); what names the value in the error.
QByteArray character(int code, const QString& what);
// YYMMDD.
QByteArray date(const QDate& value);
// A Z number, zero-padded.
QByteArray zNumber(int value);

}  // namespace hasar_field
