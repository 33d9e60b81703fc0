#pragma once

#include <QByteArrayView>
#include <QString>

// The character set of the Hasar printers, as the virtual one prints it: codes 32..175 of the
// PC character set (code page 437), and 0xF4 before a line to print it double width.
namespace sim::hasar {

constexpr int kDoubleWidth = 0xF4;
// What the roll shows before a double-width line: a sign no text the printer takes can hold.
inline const QString kDoubleWidthMark = QStringLiteral("\u2194");

bool printable(int byte);
// The text of a field as printed; a byte outside the set shows as U+FFFD.
QString decodeText(QByteArrayView field);
// The bytes a text becomes (names, numbers, stored lines the printer sends back), the reverse of
// decodeText: a leading double-width mark becomes 0xF4 again; a character outside the set
// becomes '?', which only the printer's own stored texts could hold.
QByteArray encodeText(const QString& text);

}  // namespace sim::hasar
