#pragma once

#include "amount.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Reading the fields of Epson requests. Dates, times, letters and CUIT checks are the same as
// Hasar's (sim::hasar); what differs is below.
namespace sim::epson {

// Field n (1 = first after the command) as text; empty when absent or a lone DEL, which the
// protocol uses for "no data here".
QString text(const QList<QByteArray>& fields, int n);

// A number written with implied decimals ("1000" with 3 decimals is 1.000) of at most
// `maxDigits` digits, or with an explicit point as newer models accept ("0000001.0000").
std::optional<Amount> impliedAmount(QByteArrayView field, int decimals, int maxDigits);

// An amount as the printer answers it: 2 implied decimals, zero-padded to `width`.
QByteArray impliedField(Amount a, int width);
// A counter zero-padded to `width` digits.
QByteArray counterField(qint64 n, int width);

}  // namespace sim::epson
