#pragma once

#include "support/driver_error_of.h"

#include <QByteArray>
#include <QList>
#include <QString>

inline QString one(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

// What a driver's encoder made of one character typed after an "x": its bytes, or the number and
// text of the error it raised.
struct TypedCharacter {
    char32_t c;
    int error;
    QString why;
    QByteArray bytes;
};

// Every character from `first` up to the symbols block (U+2600), the range a technician can type,
// each through `encode`.
template <typename Encode>
QList<TypedCharacter> typeEachCharacter(char32_t first, Encode encode) {
    QList<TypedCharacter> out;
    for (char32_t c = first; c < 0x2600; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;  // surrogates are halves, not characters
        TypedCharacter t{c, 0, {}, {}};
        t.error = driverErrorOf([&] { t.bytes = encode(QStringLiteral("x") + one(c)); }, &t.why);
        out.append(t);
    }
    return out;
}
