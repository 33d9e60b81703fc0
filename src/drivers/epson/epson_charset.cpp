#include "epson_charset.h"

#include "drivers/cp437.h"
#include "drivers/printer_text.h"

#include <QList>

namespace epson_charset {
namespace {

constexpr char32_t kDelete = 0x7F;

struct Plain {
    char32_t from;
    char to;
};
// Every accented Latin letter a Spanish text may hold, with the letter that goes instead.
constexpr Plain kPlainLetters[] = {
    {U'á', 'a'}, {U'é', 'e'}, {U'í', 'i'}, {U'ó', 'o'}, {U'ú', 'u'}, {U'ü', 'u'}, {U'ñ', 'n'},
    {U'Á', 'A'}, {U'É', 'E'}, {U'Í', 'I'}, {U'Ó', 'O'}, {U'Ú', 'U'}, {U'Ü', 'U'}, {U'Ñ', 'N'},
    {U'à', 'a'}, {U'è', 'e'}, {U'ì', 'i'}, {U'ò', 'o'}, {U'ù', 'u'}, {U'â', 'a'}, {U'ê', 'e'},
    {U'î', 'i'}, {U'ô', 'o'}, {U'û', 'u'}, {U'ä', 'a'}, {U'ë', 'e'}, {U'ï', 'i'}, {U'ö', 'o'},
    {U'À', 'A'}, {U'È', 'E'}, {U'Ì', 'I'}, {U'Ò', 'O'}, {U'Ù', 'U'}, {U'Â', 'A'}, {U'Ê', 'E'},
    {U'Î', 'I'}, {U'Ô', 'O'}, {U'Û', 'U'}, {U'Ä', 'A'}, {U'Ë', 'E'}, {U'Ï', 'I'}, {U'Ö', 'O'},
    {U'ç', 'c'}, {U'Ç', 'C'},
};

}  // namespace

int byteFor(char32_t c) {
    // Control bytes pass, for the link's own check to refuse them with its reason.
    if (c < kDelete) return static_cast<int>(c);
    for (const Plain& p : kPlainLetters)
        if (p.from == c) return p.to;
    return -1;
}

QByteArray encode(const QString& text) {
    if (text.size() == 1 && text[0].unicode() == kDelete) return QByteArray(1, static_cast<char>(kDelete));
    // The printer has no double width: a leading 0xF4 is dropped.
    return printer_text::encode(text, text.startsWith(QChar(0xF4)) ? 1 : 0, byteFor, QStringLiteral("Epson"));
}

QString decode(QByteArrayView bytes) { return cp437::decode(bytes); }

}  // namespace epson_charset
