#include "drivers/epson/epson_charset.h"
#include "drivers/error_numbers.h"
#include "support/typed_characters.h"

#include <gtest/gtest.h>

namespace {

TEST(EpsonCharset, AsciiGoesAsItselfAndAnswersReadBackTheSame) {
    for (int code = 0x20; code < 0x7F; ++code) {
        EXPECT_EQ(epson_charset::byteFor(char32_t(code)), code);
        EXPECT_EQ(epson_charset::decode(QByteArray(1, char(code))), QString(QChar(code)));
    }
}

TEST(EpsonCharset, EveryCharacterBeyondAsciiIsAPlainLetterOrRefusedByName) {
    // Every accented letter becomes the letter under its accent, nothing else is turned into
    // anything: it fails, naming itself.
    int letters = 0;
    for (const auto& [c, error, why, bytes] : typeEachCharacter(0x7F, epson_charset::encode)) {
        const int byte = epson_charset::byteFor(c);
        if (byte >= 0) {
            ++letters;
            EXPECT_EQ(error, 0) << int(c);
            const QString base = one(c).normalized(QString::NormalizationForm_D).left(1);
            EXPECT_EQ(QString(QChar(byte)), base) << int(c);
            EXPECT_EQ(bytes, QByteArray("x") + char(byte));
        } else {
            EXPECT_EQ(error, error_number::kUnprintableCharacter) << int(c);
            EXPECT_TRUE(why.contains(c == 0x7F ? QStringLiteral("DEL") : one(c))) << why.toStdString();
        }
    }
    EXPECT_EQ(letters, 44);
}

TEST(EpsonCharset, TheNoDataMarkerAndTheHasarStylePrefix) {
    EXPECT_EQ(epson_charset::encode(QString(QChar(0x7F))), QByteArray(1, 0x7F));
    EXPECT_EQ(epson_charset::encode(QStringLiteral("\u00F4Pto. de Venta: MÓDULO")), QByteArray("Pto. de Venta: MODULO"));
    EXPECT_EQ(epson_charset::encode(QStringLiteral("inicialización")), QByteArray("inicializacion"));
}

}  // namespace
