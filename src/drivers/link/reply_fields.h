#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// What both brands' replies carry the same way: the printer and fiscal status words at their
// head, four hex digits each, and whole numbers in the fields after them.
namespace reply_field {

struct StatusWords {
    quint16 printer = 0;
    quint16 fiscal = 0;
};

// The two words from the first two fields; empty when either is missing or is not exactly four
// hexadecimal digits.
std::optional<StatusWords> statusWords(const QList<QByteArray>& fields);

// Field `field` (counted from 1) read as a whole number, blanks around it allowed; empty when it
// is missing or holds anything else.
std::optional<quint32> number(const QList<QByteArray>& fields, int field);

}  // namespace reply_field
