#include "cp437.h"

namespace cp437 {
namespace {

constexpr int kUpperFirst = 128;

// Codes 128..255, in order.
constexpr char16_t kUpper[128] = {
    u'Ç', u'ü', u'é', u'â', u'ä', u'à', u'å', u'ç', u'ê', u'ë', u'è', u'ï', u'î', u'ì', u'Ä', u'Å',
    u'É', u'æ', u'Æ', u'ô', u'ö', u'ò', u'û', u'ù', u'ÿ', u'Ö', u'Ü', u'¢', u'£', u'¥', u'₧', u'ƒ',
    u'á', u'í', u'ó', u'ú', u'ñ', u'Ñ', u'ª', u'º', u'¿', u'⌐', u'¬', u'½', u'¼', u'¡', u'«', u'»',
    u'░', u'▒', u'▓', u'│', u'┤', u'╡', u'╢', u'╖', u'╕', u'╣', u'║', u'╗', u'╝', u'╜', u'╛', u'┐',
    u'└', u'┴', u'┬', u'├', u'─', u'┼', u'╞', u'╟', u'╚', u'╔', u'╩', u'╦', u'╠', u'═', u'╬', u'╧',
    u'╨', u'╤', u'╥', u'╙', u'╘', u'╒', u'╓', u'╫', u'╪', u'┘', u'┌', u'█', u'▄', u'▌', u'▐', u'▀',
    u'α', u'ß', u'Γ', u'π', u'Σ', u'σ', u'µ', u'τ', u'Φ', u'Θ', u'Ω', u'δ', u'∞', u'φ', u'ε', u'∩',
    u'≡', u'±', u'≥', u'≤', u'⌠', u'⌡', u'÷', u'≈', u'°', u'∙', u'·', u'√', u'ⁿ', u'²', u'■', u'\u00A0',
};

}  // namespace

QChar character(quint8 byte) { return byte < kUpperFirst ? QChar(byte) : QChar(kUpper[byte - kUpperFirst]); }

int byteOf(char32_t c) {
    if (c < kUpperFirst) return static_cast<int>(c);
    for (int i = 0; i < 128; ++i)
        if (kUpper[i] == c) return kUpperFirst + i;
    return -1;
}

QString decode(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) out.append(character(static_cast<quint8>(b)));
    return out;
}

}  // namespace cp437
