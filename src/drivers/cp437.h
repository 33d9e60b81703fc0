#pragma once

#include <QString>

// The PC character set (code page 437), the one both brands' printers answer in: Hasar's manual
// says so for its text fields, and Epson's fiscal models start in its table 0 (PC437).
namespace cp437 {

// The character of a byte; bytes below 128 are ASCII.
QChar character(quint8 byte);

// The byte of a character, or -1 when the set has none.
int byteOf(char32_t c);

// Every byte as its character: each of the 256 has its own, so the text gives the bytes back.
QString decode(QByteArrayView bytes);

}  // namespace cp437
