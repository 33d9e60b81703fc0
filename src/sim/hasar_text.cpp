#include "hasar_text.h"

namespace sim::hasar {
namespace {

// Codes 128..175, in order.
const QString kUpperHalf = QStringLiteral("ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜ¢£¥₧ƒáíóúñÑªº¿⌐¬½¼¡«»");

}  // namespace

bool printable(int byte) { return byte >= 32 && byte <= 175; }

QString decodeText(QByteArrayView field) {
    QString out;
    if (!field.isEmpty() && static_cast<quint8>(field[0]) == kDoubleWidth) {
        out = kDoubleWidthMark;
        field = field.sliced(1);
    }
    for (char c : field) {
        const int byte = static_cast<quint8>(c);
        if (byte < 128) out.append(QChar(byte));
        else if (printable(byte)) out.append(kUpperHalf[byte - 128]);
        else out.append(QChar(QChar::ReplacementCharacter));
    }
    return out;
}

QByteArray encodeText(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    QStringView rest(text);
    if (rest.startsWith(kDoubleWidthMark)) {
        out.append(static_cast<char>(kDoubleWidth));
        rest = rest.sliced(kDoubleWidthMark.size());
    }
    for (QChar c : rest) {
        if (c.unicode() < 128) out.append(static_cast<char>(c.unicode()));
        else if (const qsizetype at = kUpperHalf.indexOf(c); at >= 0) out.append(static_cast<char>(128 + at));
        else out.append('?');
    }
    return out;
}

}  // namespace sim::hasar
