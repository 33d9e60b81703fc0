#include "hasar_charset.h"

#include "drivers/cp437.h"
#include "drivers/printer_text.h"
#include "drivers/unprintable_character.h"

#include <QList>

namespace hasar_charset {
namespace {

constexpr int kLast = 175;
constexpr int kUpperFirst = 128;
constexpr char kDoubleWidth = static_cast<char>(0xF4);

// Codes 128..175 of code page 437, in order.
constexpr char16_t kUpper[kLast - kUpperFirst + 1] = {
    u'Ç', u'ü', u'é', u'â', u'ä', u'à', u'å', u'ç', u'ê', u'ë', u'è', u'ï', u'î', u'ì', u'Ä', u'Å',
    u'É', u'æ', u'Æ', u'ô', u'ö', u'ò', u'û', u'ù', u'ÿ', u'Ö', u'Ü', u'¢', u'£', u'¥', u'₧', u'ƒ',
    u'á', u'í', u'ó', u'ú', u'ñ', u'Ñ', u'ª', u'º', u'¿', u'⌐', u'¬', u'½', u'¼', u'¡', u'«', u'»',
};

struct Plain {
    char32_t from;
    char to;
};
constexpr Plain kPlainCapitals[] = {{U'Á', 'A'}, {U'Í', 'I'}, {U'Ó', 'O'}, {U'Ú', 'U'}};

}  // namespace

int byteFor(char32_t c) {
    // Control bytes pass, for the link's own check to refuse them with its reason.
    if (c < kUpperFirst) return static_cast<int>(c);
    for (int i = 0; i < kLast - kUpperFirst + 1; ++i)
        if (kUpper[i] == c) return kUpperFirst + i;
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
