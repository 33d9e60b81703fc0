#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A text the printer sent, on its way back to the same printer. Shown, it is read through the
// PC character set; sent again, it must be the printer's own bytes, whatever a brand does with
// a typed text (the Epson sends a typed Ñ as N). So each byte past ASCII travels as a character
// of the private-use area that both brands' encoders turn back into that very byte.
namespace printer_text {

// The shown text (as cp437::decode gave it) as the printer's bytes again.
QString carried(const QString& shown);

// The byte a character of carried() stands for; empty for any other character.
std::optional<quint8> byteCarried(char32_t c);

// The characters of `text` after its first `skip`, each as the printer's own byte it carries or
// as `byteFor` maps it (-1: none); a character without a byte is refused naming the brand.
QByteArray encode(const QString& text, qsizetype skip, int (*byteFor)(char32_t), const QString& brand);

}  // namespace printer_text
