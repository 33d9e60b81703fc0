#include "hasar_charset.h"

#include "drivers/cp437.h"
#include "drivers/printer_text.h"

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
    const bool doubleWidth = text.startsWith(QChar(0xF4));
    const QByteArray out = printer_text::encode(text, doubleWidth ? 1 : 0, byteFor, QStringLiteral("Hasar"));
    return doubleWidth ? kDoubleWidth + out : out;
}

QString decode(QByteArrayView bytes) { return cp437::decode(bytes); }

}  // namespace hasar_charset
