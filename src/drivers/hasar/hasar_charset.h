#pragma once

#include <QByteArray>
#include <QString>

// The characters a Hasar printer prints: codes 32..175 of the PC character set (code page 437).
namespace hasar_charset {

// The byte for a character, or -1 when the printer has none for it (control characters pass
// unchanged: the frame's own check refuses them). Capital Á Í Ó Ú have no
// code there and go as their plain letter, as the maker's own conversion does.
int byteFor(char32_t c);

// The text as the printer reads it; a leading U+00F4 stays the double-width prefix byte 0xF4.
// DriverError naming the first character the printer cannot print.
QByteArray encode(const QString& text);

// A text the printer sent (a business name, for example), read in the whole PC character set, so
// that a byte past its printable codes still shows as itself and goes back the same.
QString decode(QByteArrayView bytes);

}  // namespace hasar_charset
