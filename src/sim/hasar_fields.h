#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

// Reading the fields of Hasar requests.
namespace sim::hasar {

// The forms of the maker's manual for numeric fields: ±nnnnnn.nn is an optional sign, up to six
// whole digits, the point and exactly two decimals.
enum class NumberForm {
    Quantity,          // ±nnn.nnnnnnnnnn: up to ten decimals, at least one
    Amount,            // ±nnnnnn.nn
    Payment,           // ±nnnnnnnnn.nn
    TaxRate,           // nn.nn, or **.** for every rate
    TaxCoefficient,    // [+]0.nnnnnnnn
    DeliveryQuantity,  // nnn.nnnn: up to four decimals, at least one
    Display,           // 0, 1 or 2
};
// True when the field is written in the form; a field of the wrong form is refused unexecuted.
bool inForm(NumberForm form, QByteArrayView field);

// Field n (1 = first after the command) as text in the printer's character set, empty when absent.
QString text(const QList<QByteArray>& fields, int n);
// A field that must be exactly one character out of `allowed`.
std::optional<char> letter(const QList<QByteArray>& fields, int n, const char* allowed);
// A line number of one to five digits, leading zeros allowed ("00011" is 11), from 1 to `last`.
std::optional<int> lineNumber(const QList<QByteArray>& fields, int n, int last);
// YYMMDD, years 97-99 in the 1900s; HHMMSS.
std::optional<QDate> date(QByteArrayView field);
std::optional<QTime> time(QByteArrayView field);
QByteArray dateField(QDate d);
// An 11-digit CUIT/CUIL with a valid check digit.
bool validCuit(const QString& id);

}  // namespace sim::hasar
