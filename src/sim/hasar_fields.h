#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

// Reading the fields of Hasar requests.
namespace sim::hasar {

// Field n (1 = first after the command) as text in the printer's character set, empty when absent.
QString text(const QList<QByteArray>& fields, int n);
// A field that must be exactly one character out of `allowed`.
std::optional<char> letter(const QList<QByteArray>& fields, int n, const char* allowed);
// YYMMDD, years 97-99 in the 1900s; HHMMSS.
std::optional<QDate> date(QByteArrayView field);
std::optional<QTime> time(QByteArrayView field);
QByteArray dateField(QDate d);
// An 11-digit CUIT/CUIL with a valid check digit.
bool validCuit(const QString& id);

}  // namespace sim::hasar
