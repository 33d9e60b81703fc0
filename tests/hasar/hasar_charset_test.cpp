#include "drivers/error_numbers.h"
#include "drivers/hasar/hasar_charset.h"
#include "support/typed_characters.h"

#include <gtest/gtest.h>

namespace {

// Letters a Spanish text needs, with the byte the maker's character table gives them.
struct Known {
    char32_t c;
    int byte;
};
constexpr Known kKnown[] = {{U'á', 0xA0}, {U'é', 0x82}, {U'í', 0xA1}, {U'ó', 0xA2}, {U'ú', 0xA3},
                            {U'ñ', 0xA4}, {U'Ñ', 0xA5}, {U'É', 0x90}, {U'ü', 0x81}, {U'¿', 0xA8},
                            {U'¡', 0xAD}, {U'º', 0xA7}, {U'ª', 0xA6}, {U'Á', 'A'}, {U'Í', 'I'},
                            {U'Ó', 'O'}, {U'Ú', 'U'}, {U'A', 0x41}, {U'~', 0x7E}, {U'ô', 0x93}};

TEST(HasarCharset, KnownLettersGoAsTheMakersCodes) {
    for (const Known& k : kKnown) EXPECT_EQ(hasar_charset::byteFor(k.c), k.byte) << one(k.c).toStdString();
}

TEST(HasarCharset, EveryPrintableCodeReadsBackAsTheCharacterThatWrites) {
    for (int code = 32; code <= 175; ++code) {
        const QString text = hasar_charset::decode(QByteArray(1, static_cast<char>(code)));
        ASSERT_EQ(text.size(), 1) << code;
        EXPECT_NE(text[0], QChar(QChar::ReplacementCharacter)) << code;
        EXPECT_EQ(hasar_charset::byteFor(text[0].unicode()), code) << code;
    }
}

TEST(HasarCharset, EveryOtherCharacterIsRefusedByName) {
    // Every code point of the first planes that matters to a typist: the ones in the table (or a
    // plain capital) encode, the rest fail naming themselves; none becomes another byte.
    int accepted = 0;
    for (const auto& [c, error, why, bytes] : typeEachCharacter(0x20, hasar_charset::encode)) {
        if (hasar_charset::byteFor(c) >= 0) {
            ++accepted;
            EXPECT_EQ(error, 0) << int(c);
            EXPECT_EQ(bytes, QByteArray("x") + char(hasar_charset::byteFor(c))) << int(c);
        } else {
            EXPECT_EQ(error, error_number::kUnprintableCharacter) << int(c);
            EXPECT_TRUE(why.contains(one(c))) << why.toStdString();
        }
    }
    // 32..127, the 48 codes above and the four plain capitals.
    EXPECT_EQ(accepted, 96 + 48 + 4);
}

TEST(HasarCharset, OnlyALeadingDoubleWidthPrefixStaysAsIs) {
    EXPECT_EQ(hasar_charset::encode(QStringLiteral("\u00F4MÓDULO CERRADO")), QByteArray("\xF4MODULO CERRADO"));
    EXPECT_EQ(hasar_charset::encode(QStringLiteral("inicialización")), QByteArray("inicializaci\xA2n"));
    EXPECT_EQ(hasar_charset::encode(QStringLiteral("rôle")), QByteArray("r\x93le"));
    EXPECT_EQ(hasar_charset::decode("PE\xA5" "A S.A."), QStringLiteral("PEÑA S.A."));
}

}  // namespace
