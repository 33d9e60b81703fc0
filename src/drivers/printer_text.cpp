#include "printer_text.h"

#include "cp437.h"

#include <QList>

namespace printer_text {
namespace {

// U+F780..U+F7FF: the bytes 0x80..0xFF, a range no printer text and no keyboard produces.
constexpr char32_t kFirst = 0xF700;

}  // namespace

QString carried(const QString& shown) {
    QString out;
    out.reserve(shown.size());
    for (const char32_t c : shown.toUcs4()) {
        const int byte = cp437::byteOf(c);
        if (byte >= 0x80) out.append(QChar(static_cast<char16_t>(kFirst + byte)));
        else out.append(QString::fromUcs4(&c, 1));
    }
    return out;
}

std::optional<quint8> byteCarried(char32_t c) {
    if (c < kFirst + 0x80 || c > kFirst + 0xFF) return std::nullopt;
    return static_cast<quint8>(c - kFirst);
}

}  // namespace printer_text
