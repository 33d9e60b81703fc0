#include "hasar_charset.h"

#include "drivers/cp437.h"
#include "drivers/printer_text.h"
#include "drivers/unprintable_character.h"

#include <QList>

namespace hasar_charset {
namespace {

constexpr int kLast = 175;
constexpr char kDoubleWidth = static_cast<char>(0xF4);

struct Plain {
    char32_t from;
    char to;
};
constexpr Plain kPlainCapitals[] = {{U'Á', 'A'}, {U'Í', 'I'}, {U'Ó', 'O'}, {U'Ú', 'U'}};

}  // namespace

int byteFor(char32_t c) {
    // Control bytes pass, for the link's own check to refuse them with its reason; past 175 the
    // PC character set has nothing a text field takes.
    if (const int byte = cp437::byteOf(c); byte >= 0 && byte <= kLast) return byte;
    for (const Plain& p : kPlainCapitals)
        if (p.from == c) return p.to;
    return -1;
}

QByteArray encode(const QString& text) {
    const QList<uint> chars = text.toUcs4();
    QByteArray out;
    out.reserve(chars.size());
    qsizetype from = 0;
    if (!chars.isEmpty() && chars[0] == 0xF4) {
        out.append(kDoubleWidth);
        from = 1;
    }
    for (qsizetype i = from; i < chars.size(); ++i) {
        // The printer's own bytes go back as they came.
        if (const auto own = printer_text::byteCarried(chars[i])) {
            out.append(static_cast<char>(*own));
            continue;
        }
        const int byte = byteFor(chars[i]);
        if (byte < 0) throw unprintableCharacter(QStringLiteral("Hasar"), chars[i], text);
        out.append(static_cast<char>(byte));
    }
    return out;
}

QString decode(QByteArrayView bytes) { return cp437::decode(bytes); }

}  // namespace hasar_charset
