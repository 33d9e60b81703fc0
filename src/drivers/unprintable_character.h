#pragma once

#include "operation_error.h"

#include <QString>

// The error for a character that a printer's character set cannot carry: it names the
// character, its code point and the start of the text, so the technician can find it.
DriverError unprintableCharacter(const QString& printer, char32_t character, const QString& text);
