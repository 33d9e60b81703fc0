#pragma once

#include <QByteArray>
#include <QString>

// The characters an Epson printer is sent: plain ASCII, accented letters as their plain letter.
namespace epson_charset {

// The byte for a character, or -1 when it has none (control characters pass unchanged: the
// frame's own check refuses them).
int byteFor(char32_t c);

// The text as the printer reads it. A field of DEL alone (the "no data" marker) passes, and a
// leading U+00F4 (the Hasar double-width prefix, which this protocol lacks) is left out.
// DriverError naming the first character that cannot be sent.
QByteArray encode(const QString& text);

// A text the printer sent, read in the PC character set (the fiscal models start in its table).
QString decode(QByteArrayView bytes);

}  // namespace epson_charset
