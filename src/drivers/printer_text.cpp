#include "printer_text.h"

#include "cp437.h"
#include "unprintable_character.h"

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

QByteArray encode(const QString& text, qsizetype skip, int (*byteFor)(char32_t), const QString& brand) {
    const QList<uint> chars = text.toUcs4();
    QByteArray out;
    out.reserve(chars.size());
    for (qsizetype i = skip; i < chars.size(); ++i) {
        if (const auto own = byteCarried(chars[i])) {
            out.append(static_cast<char>(*own));
            continue;
        }
        const int byte = byteFor(chars[i]);
        if (byte < 0) throw unprintableCharacter(brand, chars[i], text);
        out.append(static_cast<char>(byte));
    }
    return out;
}

}  // namespace printer_text
