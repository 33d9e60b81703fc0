#include "drivers/cp437.h"
#include "drivers/epson/epson_charset.h"
#include "drivers/hasar/hasar_charset.h"
#include "drivers/printer_text.h"

#include <gtest/gtest.h>

namespace {

// Whatever byte a printer sent comes back to it the same through either brand's encoder, once
// shown: the Epson's rule for typed letters (Ñ as N) and the Hasar's printable range do not
// touch the printer's own text.
TEST(PrinterText, EveryByteAPrinterSentGoesBackTheSameOnBothBrands) {
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte == 0x7F) continue;
        const QByteArray own(1, static_cast<char>(byte));
        const QString carried = printer_text::carried(cp437::decode(own));
        EXPECT_EQ(hasar_charset::encode(carried), own) << byte;
        EXPECT_EQ(epson_charset::encode(carried), own) << byte;
    }
    const QByteArray name = "PE\xA5" "A HNOS SRL \xB0";
    EXPECT_EQ(epson_charset::decode(name), QStringLiteral("PEÑA HNOS SRL ░"));
    EXPECT_EQ(epson_charset::encode(printer_text::carried(epson_charset::decode(name))), name);
    // A typed text keeps each brand's own rule.
    EXPECT_EQ(epson_charset::encode(QStringLiteral("PEÑA")), QByteArray("PENA"));
    EXPECT_EQ(hasar_charset::encode(QStringLiteral("PEÑA")), QByteArray("PE\xA5" "A"));
}

}  // namespace
