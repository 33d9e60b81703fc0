#include "unprintable_character.h"

#include "error_numbers.h"

DriverError unprintableCharacter(const QString& printer, char32_t character, const QString& text) {
    // DEL shows nothing on screen, so it is named instead.
    const QString shown = character == 0x7F ? QStringLiteral("DEL") : QString::fromUcs4(&character, 1);
    return DriverError(error_number::kUnprintableCharacter,
                       QStringLiteral("El impresor fiscal %1 no puede imprimir el carácter «%2» (U+%3) del texto \"%4\"")
                           .arg(printer, shown,
                                QStringLiteral("%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper(),
                                text.left(60)));
}
